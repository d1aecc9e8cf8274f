// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tintforge {

// Hands a spoken notice to the system's own way of announcing one, where the toolkit's bridge to
// screen readers passes notifications by: UI Automation on Windows, whose notification event
// Narrator and NVDA speak. Elsewhere it does nothing, as the desktop's accessibility bus already
// carries the notice. Each platform's file has its own.
void raiseSystemNotice(QWidget *window, const QString &message);

} // namespace tintforge
