// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tintforge {

// The windows' own message sink: a warning box over `parent`, titled with the program's name,
// that shows the message as plain text, fitted to the screen (see fittedMessage), and waits for
// OK.
void showMessageBox(QWidget *parent, const QString &message);

// The message within `columns` characters a line and `lines` lines, so that its box fits the
// screen: a longer line wraps, at its last space within the width where it has one; lines past
// the last are left out and counted on it ("... and 12 more lines").
QString fittedMessage(const QString &message, int columns, int lines);

} // namespace tintforge
