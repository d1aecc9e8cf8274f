// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"

#include <QString>
#include <string>
#include <string_view>

namespace tintforge {

class Composition;

// The files the writer writes in the game's user folder, and the line that makes the game run
// the script at start.
inline constexpr std::string_view ScriptFileName = "color.cfg";
inline constexpr std::string_view ConfigFileName = "config.cfg";
inline constexpr std::string_view ExecLine = "exec color.cfg";

// Replaces color.cfg in the folder with the rendered script, then appends the exec line to
// config.cfg there. The script goes through a temporary file and one rename, so an old script
// is either replaced whole or left byte for byte; config.cfg is touched only once the script is
// in place. Fails with the first step that failed; the composition is only read.
FileStatus writeColourScript(const QString &folder, const Composition &composition);

// The writer's two steps, for a caller that writes more than one copy of the files.

// Replaces the file `name` in `folder` with `bytes` whole, through a temporary file beside it and
// one rename; a file its owner made read-only is refused. Creates it when missing.
FileStatus replaceFile(const QString &folder, const QString &name, std::string_view bytes);
// Appends the exec line to the config.cfg `name` in `folder`, creating it when missing; a failed
// append is cut back. Fails as a file in use when another program keeps it locked.
FileStatus appendExecLine(const QString &folder, const QString &name);
// What is added to a config.cfg: the exec line, started on a line of its own unless the file is
// known to end with a whole line, so the game never sees it glued to another line (an empty line
// is harmless to it).
std::string execLineAddition(bool endsWithWholeLine);

} // namespace tintforge
