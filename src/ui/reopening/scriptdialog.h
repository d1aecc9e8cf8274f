// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace tintforge {

// Asks the user for a colour script to open, starting in `folder`, and returns its path with
// forward slashes, or an empty string when the user cancels. The system's own dialog where it
// has one, with the title and choices of scriptDialogTitle and scriptDialogChoices. Each
// platform's file has its own.
QString chooseScriptInDialog(QWidget *parent, const QString &folder);

} // namespace tintforge
