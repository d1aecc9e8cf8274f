// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace tintforge {

// The palette strip: black, the size of its place in the window (layout::paletteStrip), with
// the 29 swatch squares, 12 by 16 pixels each, under their swatches. Drawn unscaled, so its
// pixels are exact.
QImage paletteStripImage();

// The banner as the window shows it, filling its place: the artwork kept in the tree, drawn there
// by its generator; the doubled picture on scaled displays, so it stays crisp.
QImage bannerImage(qreal devicePixelRatio);

} // namespace tintforge
