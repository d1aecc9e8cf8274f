// SPDX-License-Identifier: MIT
#pragma once

#include "writefailure.h"

#include <optional>
#include <QString>

namespace tintforge {

class Composition;

// Writes the script and the exec line into every copy of the files that the game may read from
// `folder` (the game's folder for Make, the chosen one for Save), its redirected twin's (see
// redirectedTwin) included. Fails with every file that could not be written; closing the chooser
// afterwards is the window's business, and only on success.
WriteStatus writeWhereTheGameReads(const QString &folder, const Composition &composition);

// The same with the twin given. Without a redirected twin that is `folder` alone, as
// writeColourScript writes it. With one, the game reads the twin's copy of a file wherever it
// exists when it runs redirected, and the folder's own copy when it runs as an administrator, so
// each file goes: into the twin where a copy is there already; into the folder where this user may
// write it; and where the system refuses this user the folder's copy (or the folder is only there
// as the twin), into the twin, made as Windows makes it for the game: config.cfg starting from the
// folder's own. Nothing is written outside the two folders, and each copy follows the writer's
// rules. config.cfg is touched only once every copy of the script is in place.
WriteStatus writeWhereTheGameReads(const QString &folder, const std::optional<QString> &twin,
                                   const Composition &composition);

// The folder whose color.cfg the game will read once `folder` is written to: its redirected twin
// where the script goes there (a copy is there already, the folder is there only as the twin,
// or the system refuses this user new files in the folder), else the folder itself.
QString folderTheGameReads(const QString &folder);
QString folderTheGameReads(const QString &folder, const std::optional<QString> &twin);

// The script to open as the game reads it: the file named, or its redirected twin's copy where one
// exists (the game reads that one wherever it exists).
QString scriptTheGameReads(const QString &path);
// The same with the twin of the file's folder given.
QString scriptTheGameReads(const QString &path, const std::optional<QString> &twin);

} // namespace tintforge
