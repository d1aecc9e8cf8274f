// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"

#include <optional>
#include <QString>

namespace tintforge {

class Composition;

// Save: writes the script and the exec line into every copy of the files that the game may read
// from `folder`, its redirected twin's (see redirectedTwin) included. Fails with every file that
// could not be written; closing the chooser afterwards is the window's business, and only on
// success.
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

} // namespace tintforge
