// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace tintforge {

// The script's file, and the game's config that runs it.
inline constexpr std::string_view ScriptFileName = "color.cfg";
inline constexpr std::string_view ConfigFileName = "config.cfg";
// Where a script replaced is kept when it held lines of the player's own.
inline constexpr std::string_view KeptScriptFileName = "color.cfg.bak";

} // namespace tintforge
