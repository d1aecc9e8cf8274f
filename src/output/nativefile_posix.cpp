// SPDX-License-Identifier: MIT
#include "nativefile.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <QFile>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintforge {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

int descriptor(std::intptr_t handle)
{
    return int(handle);
}

// A process that writes past its file-size limit (ulimit -f) is ended by SIGXFSZ unless the signal
// is blocked or ignored; blocked, the write fails with EFBIG like a full disk, and the writer
// cleans up and reports it. Held for one write on this thread; the signal the write left pending
// is taken back before the thread's signal mask is restored.
class FileSizeSignalHeld
{
public:
    FileSizeSignalHeld()
    {
        ::sigemptyset(&m_signal);
        ::sigaddset(&m_signal, SIGXFSZ);
        ::pthread_sigmask(SIG_BLOCK, &m_signal, &m_previous);
    }
    ~FileSizeSignalHeld()
    {
        const timespec now{};
        while (::sigtimedwait(&m_signal, nullptr, &now) == SIGXFSZ) {
        }
        ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    FileSizeSignalHeld(const FileSizeSignalHeld &) = delete;
    FileSizeSignalHeld &operator=(const FileSizeSignalHeld &) = delete;

private:
    sigset_t m_signal{};
    sigset_t m_previous{};
};

} // namespace

// No open waits: a FIFO with no program reading it fails at once (ENXIO) instead of holding the
// window until one comes. Once open, the file is used as usual.
std::intptr_t NativeFile::openHandle(const QString &path, Mode mode)
{
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode) {
    case Mode::CreateNew:
        flags |= O_WRONLY | O_CREAT | O_EXCL;
        break;
    case Mode::Append:
        flags |= O_WRONLY | O_CREAT | O_APPEND;
        break;
    case Mode::Read:
        flags |= O_RDONLY;
        break;
    }
    int fd = -1;
    do {
        fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool NativeFile::fail()
{
    const int error = errno;
    m_nameTaken = error == EEXIST;
    m_accessDenied = error == EACCES || error == EPERM;
    m_error = systemReason(error);
    return false;
}

void NativeFile::holdAgainstOurOtherWriters()
{
    while (::flock(descriptor(m_handle), LOCK_EX) != 0 && errno == EINTR) {
    }
}

bool NativeFile::tryHoldAgainstOurOtherWriters()
{
    int result = -1;
    do {
        result = ::flock(descriptor(m_handle), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool NativeFile::isNamed(const QString &path)
{
    struct stat open {
    };
    struct stat named {
    };
    return ::fstat(descriptor(m_handle), &open) == 0 &&
           ::lstat(QFile::encodeName(path).constData(), &named) == 0 &&
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

bool NativeFile::writeAll(std::string_view bytes)
{
    const FileSizeSignalHeld sizeLimitFailsTheWrite;
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor(m_handle), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return fail();
        if (written == 0) {
            errno = ENOSPC;
            return fail();
        }
        m_written += written;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool NativeFile::readByteAt(std::int64_t offset, char &byte)
{
    ssize_t got = -1;
    do {
        got = ::pread(descriptor(m_handle), &byte, 1, off_t(offset));
    } while (got < 0 && errno == EINTR);
    if (got == 0)
        errno = EIO; // the file shrank under us
    return got == 1 || fail();
}

bool NativeFile::truncate(std::int64_t size)
{
    return ::ftruncate(descriptor(m_handle), off_t(size)) == 0 || fail();
}

bool NativeFile::sync()
{
    return ::fsync(descriptor(m_handle)) == 0 || fail();
}

bool NativeFile::close()
{
    if (!isOpen())
        return true;
    // The descriptor is gone after close even when it reports an error, so it is never retried.
    const int result = ::close(descriptor(m_handle));
    m_handle = InvalidHandle;
    return result == 0 || (errno != EINTR ? fail() : true);
}

std::optional<QString> writeProtection(const QString &path)
{
    struct stat status {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
        !(status.st_mode & S_IWUSR))
        return systemReason(EACCES);
    return std::nullopt;
}

void NativeFile::takePermissionsOf(const QString &path)
{
    struct stat status {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode))
        ::fchmod(descriptor(m_handle), status.st_mode & 07777);
}

std::optional<FileError> replaceName(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return FileError{to, systemReason(errno), errno == EACCES || errno == EPERM};
    return std::nullopt;
}

void removeQuietly(const QString &path)
{
    ::unlink(QFile::encodeName(path).constData());
}

void syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace tintforge
