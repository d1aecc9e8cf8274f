// SPDX-License-Identifier: MIT
#pragma once

// Real file faults that hold for root too, and what a folder holds.

#include "support/filebytes.h"

#include <filesystem>
#include <functional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#ifdef Q_OS_WIN
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#ifdef Q_OS_LINUX
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#endif

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tintforge::testing {

// Every entry of a folder with its content, so a test can see that nothing else changed and no
// temporary file was left behind.
inline QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    const QDir dir(folder);
    for (const QFileInfo &info :
         dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        // Not read when it is a FIFO or a device: that could wait for a writer for ever.
        const std::filesystem::file_status kind =
            std::filesystem::symlink_status(info.filePath().toStdU16String());
        entries.insert(info.fileName(),
                       info.isSymLink()                         ? info.symLinkTarget().toUtf8()
                       : std::filesystem::is_directory(kind)    ? QByteArray("<folder>")
                       : std::filesystem::is_regular_file(kind) ? readAll(info.filePath())
                                                                : QByteArray("<special>"));
    }
    return entries;
}

// What the system lets a test do, the tests that need it skipping where it does not: make a write
// fail part-way with a file size limit, and open a file so that no other program may open it.
#ifdef Q_OS_UNIX
inline constexpr bool CanLimitFileSize = true;
inline constexpr bool CanHoldWithoutSharing = false;
#else
inline constexpr bool CanLimitFileSize = false;
inline constexpr bool CanHoldWithoutSharing = true;
#endif

#ifdef Q_OS_UNIX
// Lowers this process's file size limit to `limit` bytes; returns the limits it replaced.
inline rlimit limitFileSize(unsigned limit)
{
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    return old;
}
#endif

// Holds a file open as a running game may hold its config.cfg: on Windows with no sharing at all,
// so no other program may open, rename or delete it until this goes out of scope. Only where
// CanHoldWithoutSharing holds.
class HeldWithoutSharing
{
public:
    explicit HeldWithoutSharing(const QString &path)
    {
#ifdef Q_OS_WIN
        m_handle = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()),
                               GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
#else
        Q_UNUSED(path);
#endif
    }
    ~HeldWithoutSharing()
    {
#ifdef Q_OS_WIN
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
#endif
    }
    HeldWithoutSharing(const HeldWithoutSharing &) = delete;
    HeldWithoutSharing &operator=(const HeldWithoutSharing &) = delete;

    bool isHeld() const
    {
#ifdef Q_OS_WIN
        return m_handle != INVALID_HANDLE_VALUE;
#else
        return false;
#endif
    }

private:
#ifdef Q_OS_WIN
    HANDLE m_handle = INVALID_HANDLE_VALUE;
#endif
};

#ifdef Q_OS_UNIX
// "nobody": an account that permission bits hold for when the tests run as root.
inline constexpr uid_t UnprivilegedId = 65534;

// Runs `step` in a child process, where it may change its limits, signals, account and
// system calls for itself alone. Returns whether the child ended normally with `step` true; a
// child that a signal ended returns false.
inline bool runInChild(const std::function<bool()> &step)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(step() ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Runs `step` where permission bits hold: as root in a child process that has dropped to the
// unprivileged account (see handOver), otherwise directly. Returns whether `step` returned true.
inline bool runWherePermissionsHold(const std::function<bool()> &step)
{
    if (::geteuid() != 0)
        return step();
    return runInChild([&] {
        return ::setgroups(0, nullptr) == 0 && ::setgid(UnprivilegedId) == 0 &&
               ::setuid(UnprivilegedId) == 0 && step();
    });
}

// Hands a file or folder to the account runWherePermissionsHold drops to, when running as root.
inline bool handOver(const QString &path)
{
    return ::geteuid() != 0 ||
           ::chown(QFile::encodeName(path).constData(), UnprivilegedId, UnprivilegedId) == 0;
}
#endif

#ifdef Q_OS_LINUX
// From now on every call of the system call `number` by this process fails with `error`, as a
// full disk or a failing device makes it fail: for a child of runInChild.
inline bool failSystemCall(long number, int error)
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, std::uint32_t(number), 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (std::uint32_t(error) & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}
#endif

} // namespace tintforge::testing
