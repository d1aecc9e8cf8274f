// SPDX-License-Identifier: MIT
#pragma once

#include "controlplace.h"

namespace tintforge::layout {

// Where everything in both windows lies, in twips from the client area's top-left corner. The
// windows, the tests and the artwork all read their places here; each place is a name of its own,
// so a misspelt one does not compile.

// The main window.
inline constexpr int MainWindowWidth = 8175;
inline constexpr int MainWindowHeight = 4050;

// Pictures and the grey bar, painted on the window's surface.
inline constexpr ControlPlace banner{"banner", 0, 0, 8220, 2370};
inline constexpr ControlPlace paletteStrip{"paletteStrip", 240, 2400, 6990, 285};
inline constexpr ControlPlace greyBar{"greyBar", 120, 2520, 6975, 255};
// Link areas over the banner.
inline constexpr ControlPlace webLink{"webLink", 120, 1080, 1215, 1095};
inline constexpr ControlPlace mailLink{"mailLink", 4920, 1800, 1575, 255};
// Controls.
inline constexpr ControlPlace clanOption{"clanOption", 7200, 2400, 615, 255};
inline constexpr ControlPlace nameOption{"nameOption", 7200, 2640, 735, 255};
inline constexpr ControlPlace name2Option{"name2Option", 7200, 2880, 855, 255};
inline constexpr ControlPlace hostOption{"hostOption", 7200, 3120, 735, 255};
inline constexpr ControlPlace messageOption{"messageOption", 7200, 3360, 975, 255};
inline constexpr ControlPlace glyphBox{"glyphBox", 120, 2880, 495, 315};
inline constexpr ControlPlace appendGlyphButton{"appendGlyphButton", 720, 2880, 375, 255};
inline constexpr ControlPlace clanSwitch{"clanSwitch", 1200, 2880, 615, 255};
inline constexpr ControlPlace clanField{"clanField", 1800, 2880, 855, 285};
inline constexpr ControlPlace nameCaption{"nameCaption", 2760, 2880, 495, 255};
inline constexpr ControlPlace nameField{"nameField", 3240, 2880, 1935, 285};
inline constexpr ControlPlace name2Field{"name2Field", 5160, 2880, 1935, 285};
inline constexpr ControlPlace hostCaption{"hostCaption", 120, 3360, 855, 255};
inline constexpr ControlPlace hostField{"hostField", 1080, 3360, 1935, 285};
inline constexpr ControlPlace messageCaption{"messageCaption", 3120, 3360, 1335, 255};
inline constexpr ControlPlace messageField{"messageField", 4440, 3360, 2655, 285};
inline constexpr ControlPlace makeButton{"makeButton", 120, 3720, 7575, 315};
inline constexpr ControlPlace saveAsButton{"saveAsButton", 7800, 3720, 255, 255};

// Swatch n (from 1) lies over square n of the palette strip, named "swatch" and its position;
// the first at the strip's top-left corner, each next one a step to the right.
inline constexpr int SwatchStep = 240;
inline constexpr int SwatchSize = 255;
constexpr QRect swatchRect(int position)
{
    return ControlPlace{"", paletteStrip.left + SwatchStep * (position - 1), paletteStrip.top,
                        SwatchSize, SwatchSize}
        .rect();
}

// The "Save as..." window.
inline constexpr int SaveAsWindowWidth = 4335;
inline constexpr int SaveAsWindowHeight = 3420;
inline constexpr ControlPlace driveList{"driveList", 120, 120, 4095, 315};
inline constexpr ControlPlace folderList{"folderList", 120, 480, 4095, 2565};
inline constexpr ControlPlace saveButton{"saveButton", 120, 3120, 4095, 255};

} // namespace tintforge::layout
