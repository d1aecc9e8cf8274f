// SPDX-License-Identifier: MIT
#pragma once

// The folder chooser as a user finds it: the window that shows after "..." is pressed.

#include "support/widgets.h"
#include "ui/folderchooser/saveaswindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace tintforge::testing {

// The chooser on the screen once it is shown there; none when no chooser, or more than one, is
// open.
inline SaveAsWindow *shownChooser()
{
    SaveAsWindow *shown = nullptr;
    int open = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *chooser = qobject_cast<SaveAsWindow *>(window); chooser && chooser->isVisible()) {
            shown = chooser;
            ++open;
        }
    }
    return open == 1 && QTest::qWaitForWindowExposed(shown) ? shown : nullptr;
}

// Presses the main window's "..." and gives the chooser it shows.
inline SaveAsWindow *openChooser(QWidget *mainWindow)
{
    control<QPushButton>(mainWindow, "saveAsButton")->click();
    return shownChooser();
}

} // namespace tintforge::testing
