// SPDX-License-Identifier: MIT
#pragma once

#include "twips.h"

#include <array>

namespace tintforge {

// Where everything on the main window lies, in twips from the client area's top-left corner.
inline constexpr int Form1Width = 8175;
inline constexpr int Form1Height = 4050;

inline constexpr std::array<ControlPlace, 23> Form1Places{{
    // pictures and the grey bar, painted on the window's surface
    {"Image2", 0, 0, 8220, 2370},
    {"Image1", 240, 2400, 6990, 285},
    {"Shape1", 120, 2520, 6975, 255},
    // link areas over the banner
    {"Label33", 120, 1080, 1215, 1095},
    {"Label34", 4920, 1800, 1575, 255},
    // controls
    {"Option2", 7200, 2400, 615, 255},
    {"Option3", 7200, 2640, 735, 255},
    {"Option4", 7200, 2880, 855, 255},
    {"Option6", 7200, 3120, 735, 255},
    {"Option5", 7200, 3360, 975, 255},
    {"Combo1", 120, 2880, 495, 315},
    {"Command2", 720, 2880, 375, 255},
    {"Option1", 1200, 2880, 615, 255},
    {"Text1", 1800, 2880, 855, 285},
    {"Label1", 2760, 2880, 495, 255},
    {"Text3", 3240, 2880, 1935, 285},
    {"Text4", 5160, 2880, 1935, 285},
    {"Label31", 120, 3360, 855, 255},
    {"Text5", 1080, 3360, 1935, 285},
    {"Label32", 3120, 3360, 1335, 255},
    {"Text6", 4440, 3360, 2655, 285},
    {"Command1", 120, 3720, 7575, 315},
    {"Command3", 7800, 3720, 255, 255},
}};

// Swatch click areas: position n (1 to 29) lies over square n of the palette strip.
constexpr ControlPlace swatchPlace(std::string_view label, int position)
{
    return {label, 240 + 240 * (position - 1), 2400, 255, 255};
}

// The place of a named control; the table is fixed, so a wrong name is a programming error.
constexpr const ControlPlace &placeOf(std::string_view name)
{
    for (const ControlPlace &place : Form1Places) {
        if (place.name == name)
            return place;
    }
    throw "no such control";
}

} // namespace tintforge
