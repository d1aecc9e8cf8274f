// SPDX-License-Identifier: MIT
#pragma once

#include "result.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tintforge {

// Why a step failed: the system's words for it and its own number for it (errno; the Windows
// error code), or only words where the program itself gave up (a lock held too long).
struct SystemError {
    enum class Kind {
        Other,
        // The system refused this user access to the file or its folder (not a missing folder,
        // a full disk, a file in use or a file its owner made read-only): where Windows
        // redirects the game's writes, the game's own copy is then written instead.
        AccessDenied,
        // A file that had to be new found its name taken.
        NameTaken,
    };

    QString reason;
    long code = 0;
    Kind kind = Kind::Other;

    bool accessDenied() const { return kind == Kind::AccessDenied; }
    friend bool operator==(const SystemError &, const SystemError &) = default;
};

// Text from outside (a file's name, a line of a file) as messages show it: control characters
// stand escaped ("a\x0Ab" for a line break), since shown as they are they would break a message
// into lines of the text's making, or hide in it.
inline QString escapedControls(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            shown += QStringLiteral("\\x") +
                     QString::number(uint(code), 16).toUpper().rightJustified(2, u'0');
        else
            shown += c;
    }
    return shown;
}

// A file's or folder's name as messages show it: in quotes, its control characters escaped.
inline QString quotedName(const QString &name)
{
    return u'"' + escapedControls(name) + u'"';
}

// Why a name from the system cannot be used: its bytes are not valid UTF-8, in which the program
// names files on POSIX systems, so any text for it would name a look-alike, or nothing. `whose`
// names the name: "its", "the home folder's".
inline QString inexactNameReason(const QString &whose)
{
    return QStringLiteral("%1 name is not valid UTF-8, which the program needs to name it exactly")
        .arg(whose);
}

// A step of the system's that gives nothing back.
using Status = Result<Done, SystemError>;

// A file step that failed: which file, and why.
struct FileError {
    QString path;
    SystemError cause;

    QString message() const
    {
        return QStringLiteral("Could not write %1: %2.").arg(quotedName(path), cause.reason);
    }
    friend bool operator==(const FileError &, const FileError &) = default;
};

// A step on one file: written, or the file and why not.
using FileStatus = Result<Done, FileError>;

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
    friend bool operator==(const WriteFailure &, const WriteFailure &) = default;
};

} // namespace tintforge
