// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace tintforge {

// The game's user folder where Make writes: the standard install path on Windows, the Linux
// release's user folder (~/.loki/sof) elsewhere. The home folder is HOME, read each time it is
// asked for, or the account's home from the user database when HOME is unset, empty or relative.
QString DefaultGameFolder();

// The folder, the platform's separator and the file name. A folder that already ends with a
// separator (a drive's root, or "/") gets no second one.
QString joinPath(const QString &folder, std::string_view fileName);

} // namespace tintforge
