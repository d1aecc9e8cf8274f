// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace tintforge {

// The folder, the platform's separator and the file name. A folder that already ends with a
// separator (a drive's root, or "/") gets no second one.
QString joinPath(const QString &folder, const QString &fileName);
QString joinPath(const QString &folder, std::string_view fileName);

} // namespace tintforge
