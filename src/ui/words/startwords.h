// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintforge {

// The one line the program ends with when it cannot show its window: no display is named, the
// display named (`display`, the DISPLAY setting; empty for the default one) does not answer, or
// the window system failed to start with the toolkit's `reason`.
QString noDisplayLine();
QString displayRefusedLine(const QString &display);
QString windowSystemFailedLine(const QString &reason);

} // namespace tintforge
