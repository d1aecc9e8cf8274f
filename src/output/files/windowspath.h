// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintforge {

// A Windows path as the system's file calls take it whatever its length. From 248 characters on
// (the limit a folder's path must keep below) an absolute path gets the extended form, which
// the system takes up to 32,767 characters even where its long-path switch is off:
// "C:\...\user" becomes "\\?\C:\...\user", "\\server\share\..." becomes
// "\\?\UNC\server\share\...". That form is taken as it stands, so the path is given Windows'
// separators and no "." or ".." steps first. A shorter or relative path stays as it is.
QString extendedLengthPath(const QString &path);

} // namespace tintforge
