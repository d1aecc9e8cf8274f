// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <QString>
#include <string_view>

namespace tintforge {

// The game's user folder where Make writes: the standard install path on Windows, the Linux
// release's user folder (~/.loki/sof) elsewhere. The home folder is HOME, read each time it is
// asked for, or the account's home from the user database when HOME is unset, empty or relative.
struct GameFolder {
    QString path;
    // Why the folder cannot be written to, when its name cannot be held exactly (bytes that are
    // not valid in the system's file name encoding): shown as text it would name a look-alike
    // folder, or none, and the program never writes into a folder other than the one named.
    std::optional<QString> unreachable;
};
GameFolder DefaultGameFolder();

// The folder, the platform's separator and the file name. A folder that already ends with a
// separator (a drive's root, or "/") gets no second one.
QString joinPath(const QString &folder, std::string_view fileName);

} // namespace tintforge
