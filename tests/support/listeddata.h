// SPDX-License-Identifier: MIT
#pragma once

// Expected values kept in data files, written out by hand rather than by the code under test.

#include <QFile>
#include <QList>
#include <QRgb>

namespace tintforge::testing {

// The colour of each square of the palette strip, by position, from a file of lines
// "position<TAB>RRGGBB"; lines starting with # are comments.
inline QList<QRgb> listedSwatchColours(const QString &path)
{
    QList<QRgb> colours;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return colours;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            colours << line.split('\t').value(1).toUInt(nullptr, 16);
    }
    return colours;
}

} // namespace tintforge::testing
