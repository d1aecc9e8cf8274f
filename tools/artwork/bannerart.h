// SPDX-License-Identifier: MIT
#pragma once

#include "ui/look/layout.h"

#include <QImage>

namespace tintforge {

// The banner artwork: the product title, a dedication line and the maker's web address across
// the top, a round emblem at the left, soldier figures in the middle and at the right, the game's
// name and the maker's mail address. Drawn in units of its own, stretched to the given size, at
// the given device pixel ratio.
QImage drawBanner(QSize size, qreal devicePixelRatio);

// The mail link area the window lays over the banner, in the banner's units: the window's own
// place for it, its rows squeezed as the banner's rows are in the artwork's units.
inline constexpr QRect MailArea{layout::mailLink.rect().left(), 114,
                                layout::mailLink.rect().width(), 16};
// The box the mail address is centred in, and the horizontal extent of its ink within it (the
// vertical extent is relative to the baseline), in the banner's units.
QRect mailTextBox();
QRect mailAddressInk();

} // namespace tintforge
