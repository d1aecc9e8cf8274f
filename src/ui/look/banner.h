// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace tintforge {

// The banner as the window shows it, filling its place: the artwork kept in the tree, drawn there
// by its generator; the doubled picture on scaled displays, so it stays crisp.
QImage bannerImage(qreal devicePixelRatio);

} // namespace tintforge
