// SPDX-License-Identifier: MIT
#pragma once

// What the script files' tests share: the script's bytes, and writing it under a file size limit.

#include "model/composition.h"
#include "output/game/scriptwriting.h"
#include "output/game/writefailure.h"
#include "output/script/scriptrendering.h"
#include "support/faults.h"
#include "support/filebytes.h"
#include "support/samples.h"
#include "ui/words/filemessages.h"

#include <QByteArray>

#ifdef Q_OS_UNIX
#include <csignal>
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
        return FileError{QString(), SystemError{QStringLiteral("no pipe to the writer")}};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        std::signal(SIGXFSZ, SIG_DFL);
        limitFileSize(limit);
        const FileStatus written = writeColourScript(folder, c);
        const auto *error = written ? nullptr : std::get_if<SystemError>(&written.error().cause);
        const QByteArray text =
            written ? ""
                    : (written.error().path + u'\n' + (error ? error->reason : QStringLiteral("?")))
                          .toUtf8();
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
                         SystemError{QStringLiteral("the writer was ended by signal %1")
                                         .arg(WIFSIGNALED(status) ? WTERMSIG(status) : 0)}};
    if (text.isEmpty())
        return {};
    const QString decoded = QString::fromUtf8(text);
    return FileError{decoded.section(u'\n', 0, 0), SystemError{decoded.section(u'\n', 1)}};
#else
    Q_UNUSED(folder);
    Q_UNUSED(c);
    Q_UNUSED(limit);
    return FileError{QString(), SystemError{QStringLiteral("no file size limit here")}};
#endif
}

} // namespace tintforge::testing
