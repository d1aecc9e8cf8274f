// SPDX-License-Identifier: MIT
#pragma once

#include "result.h"

#include <cstddef>
#include <QString>

namespace tintforge {

// Why the program itself refuses a file, where the system let it be: each is worded for the user
// where the windows tell it.
enum class Refusal {
    None,
    InUse,           // another program keeps it locked longer than the program waits
    NoTemporaryName, // no free name beside it for the temporary file it is written through
    ForeignLink,     // a symbolic link of another user's in a folder others may write to
    NotOrdinaryFile, // a folder, a device or a pipe
    TooLarge,        // larger than the error's limit, as much as a config.cfg sensibly holds
    LargerThanAnyScript,
    NulInName,   // its name holds a NUL, which no file's name does
    InexactName, // its name is not valid UTF-8, in which the program names files on POSIX systems
    InexactHomeName,       // the home folder's name is not valid UTF-8
    InexactWinePrefixName, // the Wine prefix's (WINEPREFIX) name is not valid UTF-8
    // What no colour script is:
    Empty,
    NulBytes,           // it holds NUL bytes, as no text does
    LoneCarriageReturn, // a carriage return ends no line
    NoSettingLine,      // no name, host or welcome message line
};

// Why a step failed: the system's words for it and its own number for it (errno; the Windows
// error code), or the program's own refusal.
struct SystemError {
    enum class Kind {
        Other,
        // The system refused this user access to the file or its folder by its access rules
        // (not a missing folder, a full disk, a file in use or a file its owner made read-only).
        AccessDenied,
        // A file that had to be new found its name taken.
        NameTaken,
    };

    QString reason; // the system's words; empty where it has none for the code
    long code = 0;
    Kind kind = Kind::Other;
    Refusal refusal = Refusal::None;
    std::size_t limit = 0; // TooLarge: the most bytes taken

    bool accessDenied() const { return kind == Kind::AccessDenied; }
    friend bool operator==(const SystemError &, const SystemError &) = default;
};

// The program's own refusal of a file.
inline SystemError refused(Refusal refusal, std::size_t limit = 0)
{
    return SystemError{QString(), 0, SystemError::Kind::Other, refusal, limit};
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
