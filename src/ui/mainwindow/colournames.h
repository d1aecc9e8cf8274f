// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintforge {

class Segment;
struct Swatch;

// What a swatch is called to the user, on screen and by screen readers (see Swatch::name).
QString swatchName(const Swatch &swatch);

// The name of the colour a segment shows: the swatch that gave it its code and preview colour,
// or the code's own swatch while it has none.
QString colourNameOf(const Segment &segment);

} // namespace tintforge
