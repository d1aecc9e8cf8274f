// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tintforge {

// The console command that runs the script: "exec color.cfg".
std::string execLine();

// What is added to a config.cfg: the exec line, started on a line of its own unless the file is
// known to end with a whole line, so the game never sees it glued to another line (an empty line
// is harmless to it).
std::string execLineAddition(bool endsWithWholeLine);

} // namespace tintforge
