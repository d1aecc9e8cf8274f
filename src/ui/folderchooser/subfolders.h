// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <QStringList>

namespace tintforge {

// The names of a folder's subfolders (hidden ones and links to folders included), sorted without
// regard to case; nothing when the folder cannot be listed. A name the program cannot show
// exactly (bytes that are not valid in the file name encoding) is left out, since showing it
// decoded would name another folder, or none.
std::optional<QStringList> listSubfolders(const QString &folder);

// The same names in the order the system gives them; each platform's file has its own.
std::optional<QStringList> readSubfolders(const QString &folder);

// The program's current folder in the platform's notation, cut back to the deepest folder whose
// path shows exactly; empty when there is none (the current folder was deleted, say).
QString faithfulCurrentFolder();

} // namespace tintforge
