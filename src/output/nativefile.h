// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"

#include <cstdint>
#include <optional>
#include <QString>
#include <string_view>

namespace tintforge {

// One open file of the system, closed when it goes out of scope. The writer needs what Qt's file
// classes do not offer together: the system's append mode, creating a name that must not exist
// yet, flushing to the disk, and cutting a file back. Every failure keeps the system's own
// reason, for the message the user sees. Each platform has a file of its own that implements
// all of this over its native calls (names in the wide-character API on Windows).
class NativeFile
{
public:
    enum class Mode {
        CreateNew, // write only; fails if the name exists, even as a dangling link
        Append,    // write only, every write at the end of the file; created when missing
        Read,
    };

    NativeFile(const QString &path, Mode mode);
    ~NativeFile();
    NativeFile(const NativeFile &) = delete;
    NativeFile &operator=(const NativeFile &) = delete;

    bool isOpen() const { return m_handle != InvalidHandle; }
    // The reason of the last failure, in the system's words.
    QString errorString() const { return m_error; }
    // Whether the last failure was a CreateNew that found the name taken.
    bool nameTaken() const { return m_nameTaken; }
    // Whether the system refused this user the last step (see FileError::accessDenied).
    bool accessDenied() const { return m_accessDenied; }
    // The last failure, naming `path`.
    FileError errorAt(const QString &path) const { return {path, m_error, m_accessDenied}; }

    // Waits until no other writer of this program holds the file, and holds it until closed: two
    // Makes into one folder take turns at config.cfg, and a temporary script being written is
    // never taken for one left behind. Other programs are not held up. Best effort: where the
    // system cannot hold a file, writing goes on without.
    void holdAgainstOurOtherWriters();
    // The same without waiting: false when another writer holds the file.
    bool tryHoldAgainstOurOtherWriters();
    // Whether `path` still names this very file (not removed, not replaced by another).
    bool isNamed(const QString &path);
    // Gives this file the permission bits of the ordinary file at `path`, where there is one: a
    // script that replaces another keeps who may read and write it.
    void takePermissionsOf(const QString &path);
    // Whether the file is an ordinary file (not a device or a pipe), and its size then.
    std::optional<std::int64_t> regularFileSize();
    // Writes every byte, retrying after a short write, so a full disk or a size limit shows as
    // the system's error and never as a silently short file.
    bool writeAll(std::string_view bytes);
    // Whether a file that was `oldSize` long still ends exactly where this handle's writes left
    // it: false once another program has written to it as well, or it is not an ordinary file.
    bool endsWhereOurWritesLeftIt(std::int64_t oldSize);
    bool readByteAt(std::int64_t offset, char &byte);
    bool truncate(std::int64_t size);
    // Flushes the file's data to the disk.
    bool sync();
    bool close();

private:
    // The platform's open; InvalidHandle on failure, with the system's error to be recorded.
    static std::intptr_t openHandle(const QString &path, Mode mode);
    // Records the system's last error; always returns false.
    bool fail();

    // A file descriptor, or a Windows file handle.
    static constexpr std::intptr_t InvalidHandle = -1;
    std::intptr_t m_handle = InvalidHandle;
    std::int64_t m_written = 0;
    bool m_nameTaken = false;
    bool m_accessDenied = false;
    QString m_error;
};

// The system's reason not to replace the file at `path` when its owner has made it read-only
// (no write permission for its owner; the read-only attribute on Windows): a user who did so
// meant it not to change, and deleting it would fail on Windows too. Nothing otherwise, also
// when there is no file or a link is there.
std::optional<QString> writeProtection(const QString &path);

// Gives `to` the file at `from` in one step: the name `to` itself is replaced, so a symbolic link
// there is replaced by the file and its target is never touched. On failure, the system's reason,
// naming `to`.
std::optional<FileError> replaceName(const QString &from, const QString &to);

// Removes a file; used to clean up after a failure, so its own failure is not reported.
void removeQuietly(const QString &path);

// Flushes a folder's list of names to the disk, so a rename in it survives a crash. Does nothing
// where the system offers no such flush.
void syncFolder(const QString &folder);

} // namespace tintforge
