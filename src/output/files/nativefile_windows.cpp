// SPDX-License-Identifier: MIT
#include "nativefile.h"

#include "reaching.h"
#include "windowspath.h"

#include <algorithm>
#include <QDir>
#include <vector>
#include <windows.h>

namespace tintforge {

namespace {

// A path as the system's file calls take it, long ones in the extended form; it lives as long
// as the call it is made for.
class SystemPath
{
public:
    explicit SystemPath(const QString &path) : m_path(extendedLengthPath(path)) {}
    operator const wchar_t *() const { return reinterpret_cast<const wchar_t *>(m_path.utf16()); }

private:
    QString m_path;
};

HANDLE fileHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

// The system's own words for an error, without the full stop and line break it ends them with.
QString systemReason(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString reason = length ? QString::fromWCharArray(text, int(length)).trimmed() : QString();
    LocalFree(text);
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

// The system's error `error` (a Windows error code), in its own words.
SystemError systemError(DWORD error)
{
    SystemError::Kind kind = SystemError::Kind::Other;
    if (error == ERROR_ACCESS_DENIED)
        kind = SystemError::Kind::AccessDenied;
    else if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
        kind = SystemError::Kind::NameTaken;
    return {systemReason(error), long(error), kind};
}

SystemError lastError()
{
    return systemError(GetLastError());
}

// An offset that makes the system write at the file's end as it is at that moment: a new file
// grows as written, and an appended line never lands over another program's.
OVERLAPPED atEnd()
{
    OVERLAPPED position{};
    position.Offset = 0xFFFFFFFF;
    position.OffsetHigh = 0xFFFFFFFF;
    return position;
}

// The byte the writers of this program lock: far beyond the end of any real file, so the lock
// keeps out no other program's reads or writes.
OVERLAPPED turnByte()
{
    OVERLAPPED position{};
    position.OffsetHigh = 0x40000000;
    return position;
}

} // namespace

// Windows has no handle to name files relative to: every step joins the folder's path and the
// name, and the folder's own failures show at the first file step.
Result<NativeFolder, FileCause> NativeFolder::open(const QString &path)
{
    reaching(path);
    return NativeFolder(path, 0);
}

Result<bool, FileCause> NativeFolder::isThere(const QString &path)
{
    reaching(path);
    const DWORD attributes = GetFileAttributesW(SystemPath(path));
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
        error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH)
        return false;
    return systemError(error);
}

Status NativeFolder::make(const QString &path)
{
    const SystemPath name(path);
    if (!CreateDirectoryW(name, nullptr)) {
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(name);
        if (error != ERROR_ALREADY_EXISTS || attributes == INVALID_FILE_ATTRIBUTES ||
            !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return systemError(error);
    }
    return {};
}

NativeFolder::~NativeFolder() = default;

QStringList NativeFolder::fileNames() const
{
    // No name filter: Qt matches those with regular expressions whose per-thread stack, in the
    // static build, crashed threads of other programs' making as they ended.
    return QDir(m_path).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
}

Status NativeFolder::checkNotWriteProtected(const QString &name) const
{
    const DWORD attributes = GetFileAttributesW(SystemPath(pathOf(name)));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return SystemError{systemReason(ERROR_ACCESS_DENIED), long(ERROR_ACCESS_DENIED)};
    return {};
}

// Windows lets only administrators and holders of a special right make symbolic links.
Status NativeFolder::checkLinkTrusted(const QString &) const
{
    return {};
}

// The rename reaches the disk before it returns, so no folder flush is needed afterwards.
// Asked of the folder's security descriptor as the system asks it when a file is created there:
// this program's own writes are never redirected, so they meet the same answer.
bool NativeFolder::refusesNewFiles() const
{
    const SECURITY_INFORMATION asked =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    const SystemPath path(m_path);
    DWORD size = 0;
    GetFileSecurityW(path, asked, nullptr, 0, &size);
    std::vector<std::byte> security(size);
    if (size == 0 || !GetFileSecurityW(path, asked, security.data(), size, &size))
        return false;
    HANDLE process = nullptr;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &process))
        return false;
    const BOOL duplicated = DuplicateToken(process, SecurityImpersonation, &token);
    CloseHandle(process);
    if (!duplicated)
        return false;
    GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                            FILE_ALL_ACCESS};
    PRIVILEGE_SET privileges{};
    DWORD privilegesSize = sizeof privileges;
    DWORD granted = 0;
    BOOL allowed = TRUE;
    const BOOL checked = AccessCheck(security.data(), token, FILE_ADD_FILE, &mapping, &privileges,
                                     &privilegesSize, &granted, &allowed);
    CloseHandle(token);
    return checked && !allowed;
}

Status NativeFolder::replaceName(const QString &from, const QString &to) const
{
    // Another program replacing the same name at that moment, or a virus scanner looking at the
    // new file, holds the names for a moment: the rename is tried again for a fifth of a second.
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(SystemPath(pathOf(from)), SystemPath(pathOf(to)),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        const DWORD error = GetLastError();
        if (attempt == 20 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION))
            return systemError(error);
        Sleep(10);
    }
}

void NativeFolder::remove(const QString &name) const
{
    DeleteFileW(SystemPath(pathOf(name)));
}

void NativeFolder::sync() const {}

Result<NativeFile, FileCause> NativeFile::open(const QString &path, Mode mode)
{
    reaching(path);
    return openIn(0, path, mode);
}

Result<NativeFile, FileCause> NativeFile::open(const NativeFolder &folder, const QString &name,
                                               Mode mode)
{
    return openIn(0, folder.pathOf(name), mode);
}

// Other programs may read, write and rename the files while they are open here, as a running
// game may; a program that holds one open without sharing makes the open fail instead.
Result<NativeFile, FileCause> NativeFile::openIn(std::intptr_t, const QString &path, Mode mode)
{
    DWORD access = GENERIC_WRITE;
    DWORD disposition = OPEN_ALWAYS;
    switch (mode) {
    case Mode::CreateNew:
        disposition = CREATE_NEW;
        break;
    case Mode::Append:
        break;
    case Mode::Read:
        access = GENERIC_READ;
        disposition = OPEN_EXISTING;
        break;
    }
    const HANDLE handle = CreateFileW(SystemPath(path), access,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError();
    return NativeFile(reinterpret_cast<std::intptr_t>(handle));
}

Status NativeFile::holdAgainstOurOtherWriters()
{
    // Tried every 10 ms for a second.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (tryHoldAgainstOurOtherWriters())
            return {};
        if (GetLastError() != ERROR_LOCK_VIOLATION && GetLastError() != ERROR_IO_PENDING)
            return {}; // a file system that cannot lock: go on without
        Sleep(10);
    }
    return FileRefusal::InUse;
}

bool NativeFile::tryHoldAgainstOurOtherWriters()
{
    OVERLAPPED position = turnByte();
    return LockFileEx(fileHandle(m_handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                      1, 0, &position);
}

bool NativeFile::isNamed(const NativeFolder &folder, const QString &name)
{
    const auto named = NativeFile::open(folder, name, Mode::Read);
    BY_HANDLE_FILE_INFORMATION open{};
    BY_HANDLE_FILE_INFORMATION other{};
    return named && GetFileInformationByHandle(fileHandle(m_handle), &open) &&
           GetFileInformationByHandle(fileHandle(named->m_handle), &other) &&
           open.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           open.nFileIndexHigh == other.nFileIndexHigh && open.nFileIndexLow == other.nFileIndexLow;
}

std::optional<std::int64_t> NativeFile::regularFileSize()
{
    BY_HANDLE_FILE_INFORMATION info{};
    LARGE_INTEGER size{};
    if (GetFileType(fileHandle(m_handle)) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(fileHandle(m_handle), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !GetFileSizeEx(fileHandle(m_handle), &size))
        return std::nullopt;
    return std::int64_t(size.QuadPart);
}

Status NativeFile::writeAll(std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size(), 1u << 30));
        OVERLAPPED position = atEnd();
        DWORD written = 0;
        if (!WriteFile(fileHandle(m_handle), bytes.data(), chunk, &written, &position))
            return lastError();
        if (written == 0)
            return systemError(ERROR_DISK_FULL);
        m_written += written;
        bytes.remove_prefix(written);
    }
    return {};
}

Result<char, FileCause> NativeFile::readByteAt(std::int64_t offset)
{
    OVERLAPPED position{};
    position.Offset = DWORD(std::uint64_t(offset) & 0xFFFFFFFFu);
    position.OffsetHigh = DWORD(std::uint64_t(offset) >> 32);
    char byte = 0;
    DWORD got = 0;
    if (!ReadFile(fileHandle(m_handle), &byte, 1, &got, &position))
        return lastError();
    if (got == 0)
        return systemError(ERROR_HANDLE_EOF); // the file shrank under us
    return byte;
}

Result<std::string, FileCause> NativeFile::readUpTo(std::size_t limit)
{
    std::string bytes(limit + 1, '\0');
    std::size_t have = 0;
    while (have < bytes.size()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - have, 1u << 30));
        OVERLAPPED position{};
        position.Offset = DWORD(std::uint64_t(have) & 0xFFFFFFFFu);
        position.OffsetHigh = DWORD(std::uint64_t(have) >> 32);
        DWORD got = 0;
        if (!ReadFile(fileHandle(m_handle), bytes.data() + have, chunk, &got, &position)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            return lastError();
        }
        if (got == 0)
            break;
        have += got;
    }
    bytes.resize(have);
    return bytes;
}

Status NativeFile::truncate(std::int64_t size)
{
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    if (!SetFileInformationByHandle(fileHandle(m_handle), FileEndOfFileInfo, &end, sizeof end))
        return lastError();
    return {};
}

Status NativeFile::sync()
{
    if (!FlushFileBuffers(fileHandle(m_handle)))
        return lastError();
    return {};
}

Status NativeFile::close()
{
    if (m_handle == InvalidHandle)
        return {};
    const bool closed = CloseHandle(fileHandle(m_handle));
    m_handle = InvalidHandle;
    if (!closed)
        return lastError();
    return {};
}

// A new file's attributes are the system's defaults; the read-only one, the only one that
// matters here, never reaches a replaced file (see NativeFolder::checkNotWriteProtected).
void NativeFile::takeAccessOf(const NativeFolder &, const QString &) {}

} // namespace tintforge
