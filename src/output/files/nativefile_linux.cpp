// SPDX-License-Identifier: MIT
#include "nativefile.h"

#include "localetext.h"
#include "reaching.h"
#include "shownname.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <QFile>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tintforge {

namespace {

int descriptor(std::intptr_t handle)
{
    return int(handle);
}

// The system's error `error` (an errno), in its own words.
SystemError systemError(int error)
{
    SystemError::Kind kind = SystemError::Kind::Other;
    if (error == EACCES || error == EPERM)
        kind = SystemError::Kind::AccessDenied;
    else if (error == EEXIST)
        kind = SystemError::Kind::NameTaken;
    return {systemReason(error), error, kind};
}

SystemError lastError()
{
    return systemError(errno);
}

// A process that writes past its file-size limit (ulimit -f) is ended by SIGXFSZ, and one that
// writes into a pipe nobody reads any longer by SIGPIPE, unless the signal is blocked or ignored;
// blocked, the write fails with EFBIG or EPIPE like a full disk, and the writer cleans up and
// reports it. Held for one write on this thread; the signals the write left pending are taken
// back before the thread's signal mask is restored.
class WriteSignalsHeld
{
public:
    WriteSignalsHeld()
    {
        ::sigemptyset(&m_signals);
        ::sigaddset(&m_signals, SIGXFSZ);
        ::sigaddset(&m_signals, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &m_signals, &m_previous);
    }
    ~WriteSignalsHeld()
    {
        const timespec now{};
        while (::sigtimedwait(&m_signals, nullptr, &now) > 0) {
        }
        ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    WriteSignalsHeld(const WriteSignalsHeld &) = delete;
    WriteSignalsHeld &operator=(const WriteSignalsHeld &) = delete;

private:
    sigset_t m_signals{};
    sigset_t m_previous{};
};

// The access control list of a file, as the file system keeps it, read through the folder's own
// handle so that a long path is never spelled out; empty where there is none.
std::vector<char> accessListOf(int folder, const QString &name)
{
    const QByteArray path =
        "/proc/self/fd/" + QByteArray::number(folder) + '/' + QFile::encodeName(name);
    std::vector<char> list(256);
    for (;;) {
        const ssize_t size =
            ::lgetxattr(path.constData(), "system.posix_acl_access", list.data(), list.size());
        if (size >= 0) {
            list.resize(std::size_t(size));
            return list;
        }
        if (errno != ERANGE || list.size() > 65536)
            return {};
        list.resize(list.size() * 4);
    }
}

} // namespace

Result<NativeFolder, FileCause> NativeFolder::open(const QString &path)
{
    reaching(path);
    // A handle that only names the folder: it needs no read permission on it, as creating and
    // renaming files in it do not.
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    return NativeFolder(path, fd);
}

Result<bool, FileCause> NativeFolder::isThere(const QString &path)
{
    reaching(path);
    struct stat status {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
        return bool(S_ISDIR(status.st_mode));
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    return lastError();
}

Status NativeFolder::make(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {
    };
    if (::mkdir(name.constData(), 0777) != 0 &&
        !(errno == EEXIST && ::stat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode)))
        return lastError();
    return {};
}

NativeFolder::~NativeFolder()
{
    if (m_handle != InvalidHandle)
        ::close(descriptor(m_handle));
}

QStringList NativeFolder::fileNames() const
{
    QStringList names;
    const int fd = ::openat(descriptor(m_handle), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *entries = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!entries) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    while (const dirent *entry = ::readdir(entries)) {
        struct stat status {
        };
        if (entry->d_type == DT_REG ||
            (entry->d_type == DT_UNKNOWN &&
             ::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
             S_ISREG(status.st_mode)))
            names << QFile::decodeName(entry->d_name);
    }
    ::closedir(entries);
    return names;
}

Status NativeFolder::checkNotWriteProtected(const QString &name) const
{
    struct stat status {
    };
    if (::fstatat(descriptor(m_handle), QFile::encodeName(name).constData(), &status,
                  AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(status.st_mode) && !(status.st_mode & S_IWUSR))
        return SystemError{systemReason(EACCES), EACCES};
    return {};
}

Status NativeFolder::checkLinkTrusted(const QString &name) const
{
    struct stat link {
    };
    struct stat folder {
    };
    if (::fstatat(descriptor(m_handle), QFile::encodeName(name).constData(), &link,
                  AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISLNK(link.st_mode) || ::fstat(descriptor(m_handle), &folder) != 0)
        return {};
    const uid_t user = ::geteuid();
    const auto ours = [user](uid_t owner) { return owner == user || owner == 0; };
    const bool othersMayWrite = !ours(folder.st_uid) || (folder.st_mode & (S_IWGRP | S_IWOTH));
    if (ours(link.st_uid) || !othersMayWrite)
        return {};
    return FileRefusal::ForeignLink;
}

bool NativeFolder::refusesNewFiles() const
{
    return ::faccessat(descriptor(m_handle), ".", W_OK | X_OK, AT_EACCESS) != 0 && errno == EACCES;
}

Status NativeFolder::replaceName(const QString &from, const QString &to) const
{
    if (::renameat(descriptor(m_handle), QFile::encodeName(from).constData(), descriptor(m_handle),
                   QFile::encodeName(to).constData()) != 0)
        return lastError();
    return {};
}

void NativeFolder::remove(const QString &name) const
{
    ::unlinkat(descriptor(m_handle), QFile::encodeName(name).constData(), 0);
}

void NativeFolder::sync() const
{
    const int fd = ::openat(descriptor(m_handle), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

namespace {

// What the symbolic link `name` in the folder holds, where it is one and leads nowhere.
std::optional<QString> danglingLinkTarget(std::intptr_t folder, const QByteArray &name)
{
    struct stat link {
    };
    struct stat target {
    };
    if (::fstatat(descriptor(folder), name.constData(), &link, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISLNK(link.st_mode) || ::fstatat(descriptor(folder), name.constData(), &target, 0) == 0)
        return std::nullopt;
    std::vector<char> held(PATH_MAX);
    const ssize_t length =
        ::readlinkat(descriptor(folder), name.constData(), held.data(), held.size());
    if (length < 0)
        return std::nullopt;
    return shownFileName(QByteArrayView(held.data(), qsizetype(length)));
}

} // namespace

Result<NativeFile, FileCause> NativeFile::open(const QString &path, Mode mode)
{
    reaching(path);
    return openIn(AT_FDCWD, path, mode);
}

Result<NativeFile, FileCause> NativeFile::open(const NativeFolder &folder, const QString &name,
                                               Mode mode)
{
    return openIn(folder.m_handle, name, mode);
}

// No open waits: a FIFO with no program reading it fails at once (ENXIO) instead of holding the
// window until one comes, and the file stays non-blocking, so a full pipe fails the write
// (EAGAIN) instead of holding it; ordinary files are not affected. A config.cfg that the append
// creates is made writable by its owner, whatever the umask says.
Result<NativeFile, FileCause> NativeFile::openIn(std::intptr_t folder, const QString &name,
                                                 Mode mode)
{
    const QByteArray path = QFile::encodeName(name);
    const auto open = [&](int flags) {
        int fd = -1;
        do {
            fd = ::openat(descriptor(folder), path.constData(), flags | O_CLOEXEC | O_NONBLOCK,
                          0666);
        } while (fd < 0 && errno == EINTR);
        return fd;
    };
    const auto opened = [](int fd) -> Result<NativeFile, FileCause> {
        if (fd < 0)
            return lastError();
        return NativeFile(fd);
    };
    switch (mode) {
    case Mode::CreateNew:
        return opened(open(O_WRONLY | O_CREAT | O_EXCL));
    case Mode::Read:
        return opened(open(O_RDONLY));
    case Mode::Append:
        for (;;) {
            const int fd = open(O_WRONLY | O_APPEND);
            if (fd >= 0 || errno != ENOENT)
                return opened(fd);
            const int made = open(O_WRONLY | O_APPEND | O_CREAT | O_EXCL);
            if (made >= 0) {
                struct stat status {
                };
                // Where the bits cannot be set the file keeps the umask's, and the append stands.
                if (::fstat(made, &status) == 0)
                    ::fchmod(made, (status.st_mode & 07777) | S_IRUSR | S_IWUSR);
                return NativeFile(made);
            }
            if (errno != EEXIST)
                return lastError();
            // A link that leads nowhere is there, or another program made the file in between:
            // then open what it made.
            if (std::optional<QString> target = danglingLinkTarget(folder, path))
                return DanglingLink{*target};
        }
    }
    return systemError(EINVAL);
}

Status NativeFile::holdAgainstOurOtherWriters()
{
    using namespace std::chrono_literals;
    const auto giveUp = std::chrono::steady_clock::now() + 1s;
    for (;;) {
        if (::flock(descriptor(m_handle), LOCK_EX | LOCK_NB) == 0)
            return {};
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return {}; // a file system that cannot lock: go on without
        if (std::chrono::steady_clock::now() >= giveUp)
            break;
        std::this_thread::sleep_for(10ms);
    }
    return FileRefusal::InUse;
}

bool NativeFile::tryHoldAgainstOurOtherWriters()
{
    int result = -1;
    do {
        result = ::flock(descriptor(m_handle), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool NativeFile::isNamed(const NativeFolder &folder, const QString &name)
{
    struct stat open {
    };
    struct stat named {
    };
    return ::fstat(descriptor(m_handle), &open) == 0 &&
           ::fstatat(descriptor(folder.m_handle), QFile::encodeName(name).constData(), &named,
                     AT_SYMLINK_NOFOLLOW) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

std::optional<std::int64_t> NativeFile::regularFileSize()
{
    struct stat status {
    };
    if (::fstat(descriptor(m_handle), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return std::int64_t(status.st_size);
}

Status NativeFile::writeAll(std::string_view bytes)
{
    const WriteSignalsHeld limitsFailTheWrite;
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor(m_handle), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return lastError();
        if (written == 0)
            return systemError(ENOSPC);
        m_written += written;
        bytes.remove_prefix(std::size_t(written));
    }
    return {};
}

Result<char, FileCause> NativeFile::readByteAt(std::int64_t offset)
{
    char byte = 0;
    ssize_t got = -1;
    do {
        got = ::pread(descriptor(m_handle), &byte, 1, off_t(offset));
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        return lastError();
    if (got == 0)
        return systemError(EIO); // the file shrank under us
    return byte;
}

Result<std::string, FileCause> NativeFile::readUpTo(std::size_t limit)
{
    std::string bytes(limit + 1, '\0');
    std::size_t have = 0;
    while (have < bytes.size()) {
        const ssize_t got = ::read(descriptor(m_handle), bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return lastError();
        if (got == 0)
            break;
        have += std::size_t(got);
    }
    bytes.resize(have);
    return bytes;
}

Status NativeFile::truncate(std::int64_t size)
{
    if (::ftruncate(descriptor(m_handle), off_t(size)) != 0)
        return lastError();
    return {};
}

Status NativeFile::sync()
{
    if (::fsync(descriptor(m_handle)) != 0)
        return lastError();
    return {};
}

Status NativeFile::close()
{
    if (m_handle == InvalidHandle)
        return {};
    // The descriptor is gone after close even when it reports an error, so it is never retried.
    const int result = ::close(descriptor(m_handle));
    m_handle = InvalidHandle;
    if (result != 0 && errno != EINTR)
        return lastError();
    return {};
}

// What cannot be taken over (a file system without access lists, bits the system refuses) is
// left as the new file was made, readable and writable by its owner: the write itself stands.
void NativeFile::takeAccessOf(const NativeFolder &folder, const QString &name)
{
    struct stat status {
    };
    const int fd = descriptor(m_handle);
    if (::fstatat(descriptor(folder.m_handle), QFile::encodeName(name).constData(), &status,
                  AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(status.st_mode)) {
        if (::fstat(fd, &status) == 0)
            ::fchmod(fd, (status.st_mode & 07777) | S_IRUSR | S_IWUSR);
        return;
    }
    // The bits first: setting the list afterwards gives the group bits its mask, as on the old
    // file. The permission bits only, as cp --preserve=mode takes them for a file whose owner it
    // cannot keep: the set-user-ID and set-group-ID bits of someone else's file would otherwise
    // sit on a file of whoever pressed Make.
    ::fchmod(fd, status.st_mode & 0777);
    const std::vector<char> list = accessListOf(descriptor(folder.m_handle), name);
    if (!list.empty())
        ::fsetxattr(fd, "system.posix_acl_access", list.data(), list.size(), 0);
}

} // namespace tintforge
