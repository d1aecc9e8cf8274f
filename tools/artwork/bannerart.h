// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace tintforge {

// The banner artwork: the product title, a dedication line and the maker's web address across
// the top, a round emblem at the left, soldier figures in the middle and at the right, the game's
// name and the maker's mail address. Drawn in 548 by 150 units, stretched to the given size, at
// the given device pixel ratio.
QImage drawBanner(QSize size, qreal devicePixelRatio);

} // namespace tintforge
