// SPDX-License-Identifier: MIT
#pragma once

// What the end-to-end test asks of the X server directly. Its own file: the X headers' macros
// clash with Qt's.

#include <optional>
#include <utility>

// Asks a window to close as a window manager's close button does (WM_DELETE_WINDOW), so the
// program goes through its normal shutdown.
bool askWindowToClose(unsigned long window);

// Whether a window manager has announced itself on the root window (_NET_SUPPORTING_WM_CHECK).
bool windowManagerRunning();

// A window's frame on the screen, title bar and borders included, once the window manager has
// reported its borders (_NET_FRAME_EXTENTS); nothing before that.
struct FrameRect {
    int x;
    int y;
    int width;
    int height;
};
std::optional<FrameRect> frameOf(unsigned long window);

// The width and height of the first image of a window's icon as the window manager gets it
// (_NET_WM_ICON); nothing when the window has no icon.
std::optional<std::pair<int, int>> iconSizeOf(unsigned long window);

// A window's own area on the screen, without the frame a window manager adds around it.
std::optional<FrameRect> areaOf(unsigned long window);
