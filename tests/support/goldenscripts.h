// SPDX-License-Identifier: MIT
#pragma once

// The colour scripts written out by hand from the tables, which the tests compare with.

#include "support/filebytes.h"

#include <array>
#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QTest>
#include <string>

namespace tintforge::testing {

// A golden script of tests/output/script/data, byte for byte.
inline QByteArray goldenScript(const QString &name)
{
    return readAll(QFINDTESTDATA(QStringLiteral("../output/script/data/") + name));
}

// Lines of a CR LF file, without their line ends.
inline QList<QByteArray> linesOf(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast(); // after the final line end
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// A palette position and a text for each segment, in segment order.
using Positions = std::array<int, 5>;
using Texts = std::array<std::string, 5>;

} // namespace tintforge::testing

Q_DECLARE_METATYPE(tintforge::testing::Positions)
Q_DECLARE_METATYPE(tintforge::testing::Texts)
