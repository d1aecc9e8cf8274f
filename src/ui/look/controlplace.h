// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <string_view>

namespace tintforge {

// The layout was made at 15 twips a pixel; every place is a whole number of pixels.
inline constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips / TwipsPerPixel;
}

// A control's place in the window, in twips as the layout gives it.
struct ControlPlace {
    std::string_view name;
    int left;
    int top;
    int width;
    int height;

    constexpr QRect rect() const
    {
        return {pixels(left), pixels(top), pixels(width), pixels(height)};
    }
};

// Names a control after its place and puts it there.
template <typename Widget> Widget *place(Widget *widget, const ControlPlace &where)
{
    widget->setObjectName(QString::fromLatin1(where.name.data(), qsizetype(where.name.size())));
    widget->setGeometry(where.rect());
    return widget;
}

} // namespace tintforge
