// SPDX-License-Identifier: MIT
#include "xwindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

bool askWindowToClose(unsigned long window)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    XCloseDisplay(display); // flushes the request
    return sent;
}

std::optional<FrameRect> frameOf(unsigned long window)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return std::nullopt;
    std::optional<FrameRect> frame;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char *data = nullptr;
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    XWindowAttributes attributes{};
    Window child = 0;
    int x = 0;
    int y = 0;
    if (XGetWindowProperty(display, window, extents, 0, 4, False, XA_CARDINAL, &type, &format,
                           &count, &left, &data) == Success &&
        data && count == 4 && XGetWindowAttributes(display, window, &attributes) &&
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child)) {
        const long *border = reinterpret_cast<const long *>(data); // left, right, top, bottom
        frame = FrameRect{x - int(border[0]), y - int(border[2]),
                          attributes.width + int(border[0] + border[1]),
                          attributes.height + int(border[2] + border[3])};
    }
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return frame;
}

bool windowManagerRunning()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char *data = nullptr;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const bool running =
        XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &left, &data) == Success &&
        count == 1;
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return running;
}
