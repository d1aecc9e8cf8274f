// SPDX-License-Identifier: MIT
#pragma once

#include "result.h"

#include <cstddef>
#include <QString>
#include <variant>

namespace tintforge {

// The system's own failure of a step: its words for it and its own number for it (errno; the
// Windows error code).
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

    friend bool operator==(const SystemError &, const SystemError &) = default;
};

// Why the file layer itself refuses a file, where the system let it be.
enum class FileRefusal {
    InUse,           // another program keeps it locked longer than the program waits
    NoTemporaryName, // no free name beside it for the temporary file it is written through
    ForeignLink,     // a symbolic link of another user's in a folder others may write to
    NotOrdinaryFile, // a folder, a device or a pipe
    NulInName,       // its name holds a NUL, which no file's name does
    SlashInName,     // a name given as text holds a slash (%2F), which no file's name does
    // its name is not valid UTF-8, in which the program names files on POSIX systems
    InexactName,
};

// A file read whole that holds more than the reader takes.
struct TooLarge {
    std::size_t limit = 0; // the most bytes taken

    friend bool operator==(const TooLarge &, const TooLarge &) = default;
};

// An append that failed after another program wrote to the file too: cutting it back would cut
// theirs as well, so the part already written stays in it.
struct PartLeftIn {
    SystemError error;

    friend bool operator==(const PartLeftIn &, const PartLeftIn &) = default;
};

// A symbolic link whose target does not exist, where the step would have to create it: a file
// made through the link would land wherever it points, so it is named instead.
struct DanglingLink {
    QString target; // as the link holds it

    friend bool operator==(const DanglingLink &, const DanglingLink &) = default;
};

// Why a file step failed: the system's error, or the file layer's own reason. The layers above
// carry it on inside causes of their own, beside the reasons they find themselves.
using FileCause = std::variant<SystemError, FileRefusal, TooLarge, PartLeftIn, DanglingLink>;

// Whether the system failed the step in the way `kind` names (see SystemError::Kind).
inline bool isSystemError(const FileCause &cause, SystemError::Kind kind)
{
    const auto *system = std::get_if<SystemError>(&cause);
    return system && system->kind == kind;
}
inline bool accessDenied(const FileCause &cause)
{
    return isSystemError(cause, SystemError::Kind::AccessDenied);
}
inline bool isNameTaken(const FileCause &cause)
{
    return isSystemError(cause, SystemError::Kind::NameTaken);
}

// A step of the system's that gives nothing back.
using Status = Result<Done, FileCause>;

// A step on a file that failed: which file, and why. Each layer names its own cause.
template <typename Cause> struct FailedFile {
    QString path;
    Cause cause;

    friend bool operator==(const FailedFile &, const FailedFile &) = default;
};

// A file step that failed in the file layer.
using FileError = FailedFile<FileCause>;

// A step on one file: done, or the file and why not.
using FileStatus = Result<Done, FileError>;

} // namespace tintforge
