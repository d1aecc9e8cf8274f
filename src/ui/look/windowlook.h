// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace tintforge {

// The controls' sans-serif face at 11 pixels (MS Sans Serif 8.25 pt): the first of MS Sans
// Serif, Liberation Sans, Arial and DejaVu Sans that is installed and scales to that size (a
// bitmap-only MS Sans Serif is passed over). Sized in pixels, since the whole layout is in pixels.
QFont controlFont(bool bold);

// The windows' own light palette, the same on every desktop: a dark desktop scheme must not turn
// the text on the silver fields white, nor hide the option circles and focus marks on black.
QPalette formPalette();

// A segment's colour before any swatch: black, on the silver fields.
QColor defaultTextColour();

// The window's own surface: black.
QPalette surfacePalette();

// Captions, option buttons and the check box: yellow on black.
void styleCaption(QWidget *widget);

// Gives the program the platform's look without hover effects, and with the narrow gap between
// indicator and text that the option buttons were laid out for. Call before the first window.
void installFormStyle();

// A push button in the platform's button look with the form's fixed colours, whatever palette a
// desktop theme gives push buttons of their own (GTK's dark theme would make them dark grey).
void styleButton(QWidget *button);

// The chooser's lists: yellow text on black.
QPalette listPalette();

// A text field's look: its background and the colour of its text, the same in every state, so a
// disabled field keeps its grey and its text colour.
QPalette fieldPalette(const QColor &background, const QColor &text);

} // namespace tintforge
