// SPDX-License-Identifier: MIT
#include "xwindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <memory>
#include <vector>

namespace {

// One connection to the X server for one question; closing it flushes what was sent.
using Connection = std::unique_ptr<Display, decltype(&XCloseDisplay)>;

Connection connect()
{
    return Connection(XOpenDisplay(nullptr), &XCloseDisplay);
}

// The values of a window's property of 32-bit items, or none when it is not set.
std::vector<long> propertyOf(Display *display, Window window, const char *name, Atom type,
                             long count)
{
    Atom actualType = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char *data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, count, False,
                           type, &actualType, &format, &items, &left, &data) == Success &&
        data && format == 32) {
        const auto *first = reinterpret_cast<const long *>(data);
        values.assign(first, first + items);
    }
    if (data)
        XFree(data);
    return values;
}

} // namespace

bool askWindowToClose(unsigned long window)
{
    const Connection display = connect();
    if (!display)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    return XSendEvent(display.get(), window, False, NoEventMask, &event) != 0;
}

std::optional<FrameRect> frameOf(unsigned long window)
{
    const Connection display = connect();
    if (!display)
        return std::nullopt;
    // left, right, top, bottom
    const std::vector<long> border =
        propertyOf(display.get(), window, "_NET_FRAME_EXTENTS", XA_CARDINAL, 4);
    XWindowAttributes attributes{};
    Window child = 0;
    int x = 0;
    int y = 0;
    if (border.size() != 4 || !XGetWindowAttributes(display.get(), window, &attributes) ||
        !XTranslateCoordinates(display.get(), window, DefaultRootWindow(display.get()), 0, 0, &x,
                               &y, &child))
        return std::nullopt;
    return FrameRect{x - int(border[0]), y - int(border[2]),
                     attributes.width + int(border[0] + border[1]),
                     attributes.height + int(border[2] + border[3])};
}

bool windowManagerRunning()
{
    const Connection display = connect();
    return display && propertyOf(display.get(), DefaultRootWindow(display.get()),
                                 "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, 1)
                              .size() == 1;
}

std::optional<std::pair<int, int>> iconSizeOf(unsigned long window)
{
    const Connection display = connect();
    if (!display)
        return std::nullopt;
    const std::vector<long> icon =
        propertyOf(display.get(), window, "_NET_WM_ICON", XA_CARDINAL, 2);
    if (icon.size() != 2)
        return std::nullopt;
    return std::pair(int(icon[0]), int(icon[1]));
}

std::optional<FrameRect> areaOf(unsigned long window)
{
    const Connection display = connect();
    XWindowAttributes attributes{};
    Window child = 0;
    int x = 0;
    int y = 0;
    if (!display || !XGetWindowAttributes(display.get(), window, &attributes) ||
        !XTranslateCoordinates(display.get(), window, DefaultRootWindow(display.get()), 0, 0, &x,
                               &y, &child))
        return std::nullopt;
    return FrameRect{x, y, attributes.width, attributes.height};
}
