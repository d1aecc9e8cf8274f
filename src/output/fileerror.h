// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintforge {

// A file step that failed: which file, and the system's own words for why.
struct FileError {
    QString path;
    QString reason;

    QString message() const
    {
        return QStringLiteral("Could not write \"%1\": %2.").arg(path, reason);
    }
    friend bool operator==(const FileError &, const FileError &) = default;
};

} // namespace tintforge
