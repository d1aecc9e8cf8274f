// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tintforge {

// Tells accessibility tools what the program's own widgets are: its two windows are windows, its
// click areas (swatches and links) are buttons they can press, its text fields answer every
// question about their text at once, and its spoken notice is a notification. Installs the rules
// for what they are told (see installAccessibleEventRules). Idempotent.
void registerAccessibleRoles();

// Names a drop-down for screen readers. They announce a drop-down by its current entry whatever
// its accessible name, so it also gets a caption of that name, never shown, tied to it.
void nameDropDown(QWidget *dropDown, const QString &name);

} // namespace tintforge
