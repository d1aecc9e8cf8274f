// SPDX-License-Identifier: MIT
#include "output/colourchart.h"
#include "pictures.h"

#include <QPainter>

namespace tintforge {

namespace {

constexpr int KeyWidth = 65;
constexpr int RowHeight = 8;

// Code 9 has no chart line; its row shows the digits in neutral grey.
QColor chartColour(const QString &label)
{
    for (const ChartLine &line : ChartLines) {
        if (QLatin1StringView(line.label.data(), qsizetype(line.label.size())) == label)
            return QColor(QStringLiteral("#%1").arg(QLatin1StringView(line.colour.data(), 6)));
    }
    return QColor(0x80, 0x80, 0x80);
}

} // namespace

QImage colourKeyImage()
{
    QList<int> codes;
    for (int code = 1; code <= 31; ++code) {
        if (code != 13)
            codes.append(code);
    }
    QImage key(KeyWidth, RowHeight * int(codes.size()), QImage::Format_RGB32);
    key.fill(Qt::black);
    QPainter painter(&key);
    QFont font = painter.font();
    font.setPixelSize(7);
    painter.setFont(font);
    for (int row = 0; row < codes.size(); ++row) {
        const QString label = QStringLiteral("%1").arg(codes[row], 2, 10, QLatin1Char('0'));
        const QColor colour = chartColour(label);
        const int top = row * RowHeight;
        painter.fillRect(1, top + 1, 6, 6, colour);
        painter.setPen(Qt::white);
        painter.drawText(QRect(10, top, 14, RowHeight), Qt::AlignVCenter, label);
        painter.setPen(colour);
        painter.drawText(QRect(28, top, 36, RowHeight), Qt::AlignVCenter,
                         label + QStringLiteral("abc"));
    }
    return key;
}

} // namespace tintforge
