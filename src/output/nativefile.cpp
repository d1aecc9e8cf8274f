// SPDX-License-Identifier: MIT
#include "nativefile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <QFile>
#include <system_error>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tintforge {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::filesystem::path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

#ifdef Q_OS_WIN
int openFile(const QString &path, NativeFile::Mode mode)
{
    int flags = _O_BINARY | _O_NOINHERIT;
    switch (mode) {
    case NativeFile::Mode::CreateNew:
        flags |= _O_WRONLY | _O_CREAT | _O_EXCL;
        break;
    case NativeFile::Mode::Append:
        flags |= _O_WRONLY | _O_CREAT | _O_APPEND;
        break;
    case NativeFile::Mode::Read:
        flags |= _O_RDONLY;
        break;
    }
    int fd = -1;
    _wsopen_s(&fd, reinterpret_cast<const wchar_t *>(path.utf16()), flags, _SH_DENYNO,
              _S_IREAD | _S_IWRITE);
    return fd;
}
#else
int openFile(const QString &path, NativeFile::Mode mode)
{
    int flags = O_CLOEXEC;
    switch (mode) {
    case NativeFile::Mode::CreateNew:
        flags |= O_WRONLY | O_CREAT | O_EXCL;
        break;
    case NativeFile::Mode::Append:
        flags |= O_WRONLY | O_CREAT | O_APPEND;
        break;
    case NativeFile::Mode::Read:
        flags |= O_RDONLY;
        break;
    }
    int fd = -1;
    do {
        fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}
#endif

} // namespace

NativeFile::NativeFile(const QString &path, Mode mode) : m_fd(openFile(path, mode))
{
    if (m_fd < 0)
        fail();
}

NativeFile::~NativeFile()
{
    close();
}

bool NativeFile::fail()
{
    m_errorCode = errno;
    m_error = systemReason(m_errorCode);
    return false;
}

#ifdef Q_OS_WIN

std::optional<std::int64_t> NativeFile::regularFileSize()
{
    struct _stat64 status {
    };
    if (_fstat64(m_fd, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG)
        return std::nullopt;
    return status.st_size;
}

bool NativeFile::writeAll(std::string_view bytes)
{
    while (!bytes.empty()) {
        const unsigned chunk = unsigned(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int written = _write(m_fd, bytes.data(), chunk);
        if (written == 0)
            errno = ENOSPC;
        if (written <= 0)
            return fail();
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool NativeFile::readByteAt(std::int64_t offset, char &byte)
{
    if (_lseeki64(m_fd, offset, SEEK_SET) < 0)
        return fail();
    const int got = _read(m_fd, &byte, 1);
    if (got == 0)
        errno = EIO; // the file shrank under us
    return got == 1 || fail();
}

bool NativeFile::truncate(std::int64_t size)
{
    return _chsize_s(m_fd, size) == 0 || fail();
}

bool NativeFile::sync()
{
    return _commit(m_fd) == 0 || fail();
}

bool NativeFile::close()
{
    if (m_fd < 0)
        return true;
    const int result = _close(m_fd);
    m_fd = -1;
    return result == 0 || fail();
}

#else

std::optional<std::int64_t> NativeFile::regularFileSize()
{
    struct stat status {
    };
    if (::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return std::int64_t(status.st_size);
}

bool NativeFile::writeAll(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return fail();
        if (written == 0) {
            errno = ENOSPC;
            return fail();
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool NativeFile::readByteAt(std::int64_t offset, char &byte)
{
    ssize_t got = -1;
    do {
        got = ::pread(m_fd, &byte, 1, off_t(offset));
    } while (got < 0 && errno == EINTR);
    if (got == 0)
        errno = EIO; // the file shrank under us
    return got == 1 || fail();
}

bool NativeFile::truncate(std::int64_t size)
{
    return ::ftruncate(m_fd, off_t(size)) == 0 || fail();
}

bool NativeFile::sync()
{
    return ::fsync(m_fd) == 0 || fail();
}

bool NativeFile::close()
{
    if (m_fd < 0)
        return true;
    // The descriptor is gone after close even when it reports an error, so it is never retried.
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 || (errno != EINTR ? fail() : true);
}

#endif

std::optional<QString> replaceName(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(to), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    return std::nullopt;
}

void removeQuietly(const QString &path)
{
    std::error_code ignored;
    std::filesystem::remove(nativePath(path), ignored);
}

void syncFolder(const QString &folder)
{
#ifndef Q_OS_WIN
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

} // namespace tintforge
