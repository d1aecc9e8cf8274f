// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace tintforge {

// The palette strip: black, the size of its place in the window (layout::paletteStrip), with a
// swatch square of 12 by 16 pixels under each swatch. Drawn unscaled, so its pixels are exact.
QImage paletteStripImage();

} // namespace tintforge
