// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tintforge {

// The windows' own message sink: a warning box over `parent`, titled with the program's name,
// that shows the message as plain text and waits for OK.
void showMessageBox(QWidget *parent, const QString &message);

} // namespace tintforge
