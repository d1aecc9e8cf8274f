// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/fileerror.h"

#include <cstddef>
#include <optional>
#include <QString>
#include <string>

namespace tintforge {

class Composition;

// Replaces color.cfg in the folder with the rendered script, then appends the exec line to
// config.cfg there. The script goes through a temporary file and one rename, so an old script
// is either replaced whole or left byte for byte; config.cfg is touched only once the script is
// in place. Fails with the first step that failed; the composition is only read.
FileStatus writeColourScript(const QString &folder, const Composition &composition);

// The writer's first step alone: replaces color.cfg in the folder with the rendered script. A
// color.cfg that holds lines this program does not write (a bind or an alias added by hand, or
// no colour script at all) is kept first beside it, as color.cfg.bak, which it replaces: one that
// the program wrote is replaced with no copy, as is one that cannot be read. Gives the copy
// kept, if one was.
Result<std::optional<QString>, FileError> replaceScript(const QString &folder,
                                                        const std::string &rendered);

// As much of a file of the game's as the program reads whole (a config.cfg to copy, a color.cfg
// to keep): more than a config.cfg sensibly holds, as the game's own are a few kilobytes.
inline constexpr std::size_t MaxGameFileSize = std::size_t(64) << 20;

// The writer's second step alone, for a caller that writes more than one copy of the files.
FileStatus appendExecLine(const QString &folder);

} // namespace tintforge
