// SPDX-License-Identifier: MIT
#pragma once

// Asks a window to close as a window manager's close button does (WM_DELETE_WINDOW), so the
// program goes through its normal shutdown. Its own file: the X headers' macros clash with Qt's.
bool askWindowToClose(unsigned long window);
