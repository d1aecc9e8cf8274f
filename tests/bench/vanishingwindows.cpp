// SPDX-License-Identifier: MIT
// A program for the start-up benchmark to time that first maps windows which are gone before
// anyone can ask about them, as a passing window of Wine's is, then becomes the bare floor.
// The server is held meanwhile, so every question about those windows comes after they went.
#include <X11/Xlib.h>

#include <array>
#include <cstdio>
#include <unistd.h>

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("vanishingwindows: cannot open the X display\n", stderr);
        return 1;
    }
    std::array<Window, 20> windows{};
    XGrabServer(display);
    for (Window &window : windows) {
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
        XMapWindow(display, window);
    }
    for (const Window window : windows)
        XDestroyWindow(display, window);
    XUngrabServer(display);
    XCloseDisplay(display);
    execl(FLOOR_PROGRAM, FLOOR_PROGRAM, static_cast<char *>(nullptr));
    std::perror(FLOOR_PROGRAM);
    return 127;
}
