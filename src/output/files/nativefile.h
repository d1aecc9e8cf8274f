// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"

#include <cstdint>
#include <optional>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace tintforge {

// A folder held open while the files of one write are made, renamed and cleaned up in it: each
// step names its file relative to the folder, so a long path is resolved once (a temporary name
// beside a script near the path length limit still fits), and every step lands in the same
// folder even if its path is swapped meanwhile. Where the system offers no such handle (Windows),
// the steps join the folder's path and the name.
class NativeFolder
{
public:
    // Opens the folder; the failure names no file yet.
    static Result<NativeFolder, FileCause> open(const QString &path);
    // Whether a folder is at `path`, following links: true, false where nothing or no folder is
    // there, or the system's reason it cannot tell (a loop of links, a folder this user may not
    // look into, a disk that fails).
    static Result<bool, FileCause> isThere(const QString &path);
    // Makes the folder and every missing folder above it, from the top down; succeeds when it
    // is there already. The failure is the system's, for the first folder it could not make.
    static Status makePath(const QString &path);
    ~NativeFolder();
    NativeFolder(NativeFolder &&other) noexcept;
    NativeFolder &operator=(NativeFolder &&) = delete;
    NativeFolder(const NativeFolder &) = delete;
    NativeFolder &operator=(const NativeFolder &) = delete;

    // The path of a file in the folder, as messages name it.
    QString pathOf(const QString &name) const;

    // The names of the ordinary files in the folder (no links); none when it cannot be listed.
    QStringList fileNames() const;
    // Fails, with the system's reason, when the file `name` is one its owner made read-only (no
    // write permission for its owner; the read-only attribute on Windows): a user who did so
    // meant it not to change, and deleting it would fail on Windows too. Succeeds otherwise, also
    // when there is no file or a link is there.
    Status checkNotWriteProtected(const QString &name) const;
    // Fails, naming why, when `name` is a symbolic link that the system would not trust in a
    // shared folder: a link of another user's (not this user's, not the administrator's) in a
    // folder that others may write to, where anyone could have planted it to lead a write out of
    // the folder. Succeeds for any other name, and for every name where links are not followed
    // so (Windows).
    Status checkLinkTrusted(const QString &name) const;
    // Whether the system's access rules (the folder's permissions, or its access control list)
    // refuse this user new files in the folder; false where they allow them, and where that
    // cannot be told.
    bool refusesNewFiles() const;
    // Gives `to` the file `from` in one step: the name `to` itself is replaced, so a symbolic link
    // there is replaced by the file and its target is never touched.
    Status replaceName(const QString &from, const QString &to) const;
    // Removes a file; used to clean up, so its own failure is not reported.
    void remove(const QString &name) const;
    // Flushes the folder's list of names to the disk, so a rename in it survives a crash. Does
    // nothing where the system offers no such flush.
    void sync() const;

private:
    friend class NativeFile;
    // Makes one folder, whose parent exists; succeeds when a folder of that name is there.
    static Status make(const QString &path);
    static constexpr std::intptr_t InvalidHandle = -1;
    NativeFolder(const QString &path, std::intptr_t handle) : m_path(path), m_handle(handle) {}
    QString m_path;
    std::intptr_t m_handle = InvalidHandle;
};

// One open file of the system, closed when it goes out of scope. The writer needs what Qt's file
// classes do not offer together: the system's append mode, creating a name that must not exist
// yet, flushing to the disk, and cutting a file back. Every failure keeps the system's own
// number and reason, for the message the user sees. Each platform has a file of its own that
// implements all of this over its native calls (names in the wide-character API on Windows). No
// open and no write ever waits: a FIFO or a full pipe fails at once, like any file that cannot
// be written.
class NativeFile
{
public:
    enum class Mode {
        CreateNew, // write only; fails if the name exists, even as a dangling link
        Append,    // write only, every write at the end of the file; created when missing
        Read,
    };

    static Result<NativeFile, FileCause> open(const QString &path, Mode mode);
    static Result<NativeFile, FileCause> open(const NativeFolder &folder, const QString &name,
                                              Mode mode);
    ~NativeFile();
    NativeFile(NativeFile &&other) noexcept;
    NativeFile &operator=(NativeFile &&) = delete;
    NativeFile(const NativeFile &) = delete;
    NativeFile &operator=(const NativeFile &) = delete;

    // Holds the file against the other writers of this program until closed: two Makes into one
    // folder take turns at config.cfg, and a temporary script being written is never taken for
    // one left behind. Waits a second at most, then fails as a file in use: a lock that another
    // program holds (and never lets go of) never freezes the window. Where the system cannot
    // hold a file at all, writing goes on without.
    Status holdAgainstOurOtherWriters();
    // The same without waiting: false when another writer holds the file.
    bool tryHoldAgainstOurOtherWriters();
    // Whether the file `name` in the folder is still this very file (not removed or replaced).
    bool isNamed(const NativeFolder &folder, const QString &name);
    // Gives this file the access control of the ordinary file `name` in the folder, where there
    // is one: its permission bits and, where the file system has one, its access control list,
    // so a script that replaces another keeps who may read and write it. A file with nothing to
    // take from is made readable and writable by its owner whatever the umask says, so that the
    // program never locks itself out of a file it made.
    void takeAccessOf(const NativeFolder &folder, const QString &name);
    // Whether the file is an ordinary file (not a device or a pipe), and its size then.
    std::optional<std::int64_t> regularFileSize();
    // Writes every byte, retrying after a short write, so a full disk or a size limit shows as
    // the system's error and never as a silently short file.
    Status writeAll(std::string_view bytes);
    // Whether a file that was `oldSize` long still ends exactly where this handle's writes left
    // it: false once another program has written to it as well, or it is not an ordinary file.
    bool endsWhereOurWritesLeftIt(std::int64_t oldSize);
    Result<char, FileCause> readByteAt(std::int64_t offset);
    // Reads from the start up to `limit` bytes, and one more when the file holds more, so that
    // the caller can tell a file that fits from one that does not.
    Result<std::string, FileCause> readUpTo(std::size_t limit);
    Status truncate(std::int64_t size);
    // Flushes the file's data to the disk.
    Status sync();
    Status close();

private:
    explicit NativeFile(std::intptr_t handle) : m_handle(handle) {}
    // The platform's open of `name` in the folder (or of a whole path where the folder has no
    // handle).
    static Result<NativeFile, FileCause> openIn(std::intptr_t folder, const QString &name,
                                                Mode mode);

    // A file descriptor, or a Windows file handle.
    static constexpr std::intptr_t InvalidHandle = -1;
    std::intptr_t m_handle = InvalidHandle;
    std::int64_t m_written = 0;
};

} // namespace tintforge
