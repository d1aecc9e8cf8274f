// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tintforge {

// A file step that failed: which file, and the system's own words for why.
struct FileError {
    QString path;
    QString reason;
    // Whether the system refused this user access to the file or its folder (not a missing
    // folder, a full disk or a file in use): where Windows redirects the game's writes, the
    // game's own copy is then written instead.
    bool accessDenied = false;

    QString message() const
    {
        return QStringLiteral("Could not write \"%1\": %2.").arg(path, reason);
    }
    friend bool operator==(const FileError &, const FileError &) = default;
};

// What went wrong with one Make or Save: every file that could not be written, and what the
// user can do about it when there is more to say than the system's reasons.
struct WriteFailure {
    std::vector<FileError> files;
    QString advice;

    QString message() const
    {
        QStringList lines;
        for (const FileError &file : files)
            lines << file.message();
        if (!advice.isEmpty())
            lines << QString() << advice;
        return lines.join(u'\n');
    }
};

} // namespace tintforge
