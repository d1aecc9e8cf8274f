// SPDX-License-Identifier: MIT
#include "model/palette.h"
#include "pictures.h"
#include "swatchcolours.h"

#include <QPainter>

namespace tintforge {

namespace {

constexpr QSize StripSize{466, 19};
constexpr QSize SquareSize{12, 16};
constexpr int SquarePitch = 16;

QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

QImage paletteStripImage()
{
    QImage strip(StripSize, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter painter(&strip);
    for (const Swatch &swatch : Palette) {
        const QPoint corner(2 + SquarePitch * (swatch.position - 1), 1);
        painter.fillRect(QRect(corner, SquareSize), toQColor(swatchColour(swatch.position)));
    }
    return strip;
}

} // namespace tintforge
