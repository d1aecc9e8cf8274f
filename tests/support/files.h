#pragma once

// Reading files back, and real file faults that hold for root too.

#include "output/scriptwriter.h"

#include <QByteArray>
#include <QFile>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace tintforge::testing {

// The whole file, or nothing when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the script while the process may not make any file longer than `limit` bytes, so the
// write fails part-way (EFBIG) instead of killing the process.
inline std::optional<FileError> writeUnderFileSizeLimit(const QString &folder, const Composition &c,
                                                        unsigned limit)
{
#ifdef Q_OS_UNIX
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    auto error = writeColourScript(folder, c);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return error;
#else
    Q_UNUSED(limit);
    return writeColourScript(folder + QStringLiteral("/missing"), c);
#endif
}

} // namespace tintforge::testing
