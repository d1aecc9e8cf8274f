// SPDX-License-Identifier: MIT
#include "palettestrip.h"
#include "layout.h"
#include "model/palette.h"

#include <QPainter>

namespace tintforge {

namespace {

// Each square lies under its swatch, inset from the swatch's corner.
constexpr QSize SquareSize{12, 16};
constexpr QPoint SquareInset{2, 1};

QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

QImage paletteStripImage()
{
    QImage strip(layout::paletteStrip.rect().size(), QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter painter(&strip);
    for (const Swatch &swatch : Palette) {
        const QPoint corner = layout::swatchRect(swatch.position).topLeft() -
                              layout::paletteStrip.rect().topLeft() + SquareInset;
        painter.fillRect(QRect(corner, SquareSize), toQColor(swatch.square));
    }
    return strip;
}

} // namespace tintforge
