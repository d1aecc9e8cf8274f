// SPDX-License-Identifier: MIT
#pragma once

#include "result.h"

#include <QString>

namespace tintforge {

// Why a step failed: the system's words for it and its own number for it (errno; the Windows
// error code), or only words where the program itself gave up (a lock held too long).
struct SystemError {
    enum class Kind {
        Other,
        // The system refused this user access to the file or its folder by its access rules
        // (not a missing folder, a full disk, a file in use or a file its owner made read-only).
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

// A file another program held for longer than the program waits: not the system's failure, so
// the program words it itself.
inline SystemError fileInUse()
{
    return SystemError{QStringLiteral("another program is using it")};
}

// A step of the system's that gives nothing back.
using Status = Result<Done, SystemError>;

// A file step that failed: which file, and why.
struct FileError {
    QString path;
    SystemError cause;

    friend bool operator==(const FileError &, const FileError &) = default;
};

// A step on one file: done, or the file and why not.
using FileStatus = Result<Done, FileError>;

} // namespace tintforge
