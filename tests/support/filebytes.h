// SPDX-License-Identifier: MIT
#pragma once

// Files the tests make and read back, byte for byte.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tintforge::testing {

// The whole file, or nothing when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes a file with exactly these bytes. One the test cannot make is a fault of the test's own
// set-up and stops the whole run with its name.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot make the test file %s", qPrintable(path));
}

} // namespace tintforge::testing
