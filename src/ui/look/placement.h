// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tintforge {

// Where a window's frame (title bar and borders included) goes on the screen's available area:
// centred, and kept wholly on the area; a frame wider or taller than the area starts at its left
// or top edge, so the window's own top-left corner stays on screen.
QPoint framePosition(QSize frame, const QRect &available);

// Centres the window's frame on its screen now, and once more when the window manager has first
// reported the frame, which happens only after the window is shown.
void placeOnScreen(QWidget *window);

// Keeps a window of fixed size out of the maximized and full-screen states, whoever asks for
// them: a title bar's button that the window system draws whatever the window says, or the
// window system itself. On Wayland a fixed-size window that stayed maximized would answer at its
// own size, which the compositor takes as a protocol error and ends the program for.
void keepAtItsSize(QWidget *window);

} // namespace tintforge
