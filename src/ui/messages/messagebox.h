// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tintforge {

// The windows' own message sink: a warning box over `parent`, titled with the program's name,
// that shows the message as plain text and waits for OK. However long the message, the box fits
// the screen it shows on: a line wider than a message box is wraps, at its last space that fits
// where it has one, and lines past what the screen holds are left out and counted on the last
// ("... and 12 more lines").
void showMessageBox(QWidget *parent, const QString &message);

} // namespace tintforge
