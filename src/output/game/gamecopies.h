// SPDX-License-Identifier: MIT
#pragma once

#include "copyplan.h"
#include "writefailure.h"

#include <QString>

namespace tintforge {

class Composition;

// Make's and Save's write: the script and the exec line into every copy of the files that the
// game may read from `folder` (the game's folder for Make, the chosen one for Save), as the plan
// of where its copies go says (see CopyPlan). Without a redirected twin that is `folder` alone,
// as writeColourScript writes it. A copy that goes into the twin is made there as Windows makes
// it for the game: the twin made where missing, and config.cfg starting from the folder's own.
// Nothing is written outside the two folders, each copy follows the writer's rules, and
// config.cfg is touched only once every copy of the script is in place; a previous script that
// held lines of the player's own is kept beside it (see replaceScript). Gives the folder whose
// color.cfg the game reads now, with the copies kept, or every file that could not be written;
// closing the chooser afterwards is the window's business, and only on success.
WriteStatus writeWhereTheGameReads(const CopyPlan &plan, const Composition &composition);
WriteStatus writeWhereTheGameReads(const QString &folder, const Composition &composition);

// The folder whose color.cfg the game will read once the plan's folder is written to.
QString folderTheGameReads(const CopyPlan &plan);

// The script to open as the game reads it: the file named, or its redirected twin's copy where
// one exists (the game reads that one wherever it exists).
QString scriptTheGameReads(const QString &path);
// The same with the plan of the file's folder given.
QString scriptTheGameReads(const QString &path, const CopyPlan &plan);

} // namespace tintforge
