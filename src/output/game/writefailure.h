// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/fileerror.h"
#include "output/files/shownname.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tintforge {

// A file that could not be written, as the user is told.
inline QString writeFailureMessage(const FileError &error)
{
    return QStringLiteral("Could not write %1: %2.")
        .arg(quotedName(error.path), error.cause.reason);
}

// What went wrong with one Make or Save: every file that could not be written, and what the
// user can do about it when there is more to say than the system's reasons.
struct WriteFailure {
    std::vector<FileError> files;
    QString advice;

    QString message() const
    {
        QStringList lines;
        for (const FileError &file : files)
            lines << writeFailureMessage(file);
        if (!advice.isEmpty())
            lines << QString() << advice;
        return lines.join(u'\n');
    }
    friend bool operator==(const WriteFailure &, const WriteFailure &) = default;
};

// One Make or Save: the folder whose color.cfg the game reads now, or what went wrong.
using WriteStatus = Result<QString, WriteFailure>;

} // namespace tintforge
