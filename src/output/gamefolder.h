#pragma once

#include <QString>
#include <string_view>

namespace tintforge {

// The game's user folder where Make writes: the standard install path on Windows, the Linux
// release's user folder (~/.loki/sof) elsewhere, read from HOME each time it is asked for.
QString DefaultGameFolder();

// The folder, the platform's separator and the file name. A folder that already ends with a
// separator (a drive's root, or "/") gets no second one.
QString joinPath(const QString &folder, std::string_view fileName);

} // namespace tintforge
