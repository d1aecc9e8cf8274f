// SPDX-License-Identifier: MIT
#pragma once

// Reading files back, and real file faults that hold for root too.

#include "model/composition.h"
#include "output/game/scriptfiles.h"
#include "output/game/writefailure.h"
#include "output/script/scriptwriting.h"
#include "support/filebytes.h"
#include "support/samples.h"
#include "ui/words/filemessages.h"

#include <functional>
#include <QByteArray>
#include <QFile>

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
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tintforge::testing {

// The script a write of `c` puts in place, byte for byte.
inline QByteArray scriptOf(const Composition &c = sampleComposition())
{
    return QByteArray::fromStdString(renderColourScript(c));
}

// The bytes a Make adds to a config.cfg that ends with a whole line.
inline const QByteArray ExecLineBytes = "exec color.cfg\r\n";

// Whether a write succeeded; a failure's message goes to the test's log.
template <typename Value, typename Failure> bool succeeded(const Result<Value, Failure> &result)
{
    if (!result)
        qWarning("%s", qPrintable(writeFailureMessage(result.error())));
    return result.ok();
}

#ifdef Q_OS_UNIX
inline constexpr bool CanLimitFileSize = true;
#else
// Where a write cannot be made to fail part-way, the tests that need it skip with that reason.
inline constexpr bool CanLimitFileSize = false;
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

// Writes the script while the process may not make any file longer than `limit` bytes, so the
// write fails part-way (EFBIG); the writer holds off the signal that would otherwise end the
// process. Only where CanLimitFileSize holds.
inline FileStatus writeUnderFileSizeLimit(const QString &folder, const Composition &c,
                                          unsigned limit)
{
#ifdef Q_OS_UNIX
    const rlimit old = limitFileSize(limit);
    auto error = writeColourScript(folder, c);
    ::setrlimit(RLIMIT_FSIZE, &old);
    return error;
#else
    Q_UNUSED(limit);
    return writeColourScript(folder, c);
#endif
}

// Writes the script in a child process that may not make any file longer than `limit` bytes, so
// the write fails part-way. SIGXFSZ is at its default there, as in a program started from a
// shell with "ulimit -f": it ends a process that writes past the limit unless the writer holds
// it off. The writer's result comes back through a pipe; a child ended by a signal comes back as
// an error with no path, which no test expects. Only where CanLimitFileSize holds.
inline FileStatus writeInChildUnderFileSizeLimit(const QString &folder, const Composition &c,
                                                 unsigned limit)
{
#ifdef Q_OS_UNIX
    int report[2];
    if (::pipe(report) != 0)
        return FileError{QString(), {QStringLiteral("no pipe to the writer")}};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        std::signal(SIGXFSZ, SIG_DFL);
        limitFileSize(limit);
        const FileStatus written = writeColourScript(folder, c);
        const QByteArray text =
            written ? "" : (written.error().path + u'\n' + written.error().cause.reason).toUtf8();
        const bool sent =
            ::write(report[1], text.constData(), std::size_t(text.size())) == text.size();
        ::_exit(sent ? 0 : 1);
    }
    ::close(report[1]);
    QByteArray text;
    char buffer[512];
    for (ssize_t got; (got = ::read(report[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, got);
    ::close(report[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return FileError{QString(),
                         {QStringLiteral("the writer was ended by signal %1")
                              .arg(WIFSIGNALED(status) ? WTERMSIG(status) : 0)}};
    if (text.isEmpty())
        return {};
    const QString decoded = QString::fromUtf8(text);
    return FileError{decoded.section(u'\n', 0, 0), {decoded.section(u'\n', 1)}};
#else
    Q_UNUSED(folder);
    Q_UNUSED(c);
    Q_UNUSED(limit);
    return FileError{QString(), {QStringLiteral("no file size limit here")}};
#endif
}

#ifdef Q_OS_WIN
inline constexpr bool CanHoldWithoutSharing = true;
#else
// POSIX systems have no open that keeps other programs out of a file.
inline constexpr bool CanHoldWithoutSharing = false;
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
