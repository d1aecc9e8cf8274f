// SPDX-License-Identifier: MIT
#pragma once

// The colour scripts written out by hand from the tables, which the tests compare with.

#include "support/filebytes.h"

#include <array>
#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QTemporaryDir>
#include <QTest>
#include <string>

namespace tintforge::testing {

// A golden script of tests/output/script/data, byte for byte: the case's own lines, with the
// colour chart that every script prints after its name line (chart.cfg, kept once) put in there.
inline QByteArray goldenScript(const QString &name)
{
    const QString data = QStringLiteral("../output/script/data/");
    const QByteArray own = readAll(QFINDTESTDATA(data + name));
    const qsizetype afterNameLine = own.indexOf('\n', own.indexOf('\n') + 1) + 1;
    return own.first(afterNameLine) + readAll(QFINDTESTDATA(data + QStringLiteral("chart.cfg"))) +
           own.sliced(afterNameLine);
}

// The golden script `name` made whole in `folder`, to be opened: its path.
inline QString goldenScriptIn(const QTemporaryDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    writeFile(path, goldenScript(name));
    return path;
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
