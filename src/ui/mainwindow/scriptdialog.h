// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tintforge {

// Asks the user for a colour script to open, starting in `folder`, and returns its path with
// forward slashes, or an empty string when the user cancels. The system's own dialog where it
// has one. Each platform's file has its own.
QString chooseScriptInDialog(QWidget *parent, const QString &folder);

} // namespace tintforge
