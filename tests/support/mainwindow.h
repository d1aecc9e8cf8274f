// SPDX-License-Identifier: MIT
#pragma once

// The main window as the window tests open it.

#include "ui/background/filework.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"

#include <memory>
#include <QApplication>
#include <QPalette>
#include <QStringList>
#include <QTest>

namespace tintforge::testing {

// Waits until the work that the windows do off their thread (reading and writing files, listing
// folders) has come back: false when some is still under way after a while.
inline bool workDone()
{
    return QTest::qWaitFor([] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (const FileWork *work : window->findChildren<FileWork *>()) {
                if (work->busy())
                    return false;
            }
        }
        return true;
    });
}

// A main window shown and on the screen (null when it never got there). What it would show in a
// message box goes into `messages` instead, where a list is given, so nothing waits for a click.
inline std::unique_ptr<MainWindow> shownMainWindow(QStringList *messages = nullptr)
{
    auto form = std::make_unique<MainWindow>();
    form->setMessageSink([messages](QWidget *, const QString &message) {
        if (messages)
            *messages << message;
    });
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    return form;
}

// What the tests of the windows' look start from, for a test class to inherit: the program's
// style, and the main window shown over the desktop's own palette, which each test gets back
// afterwards whatever it changed.
class DesktopScene
{
protected:
    void setUpStyle()
    {
        installFormStyle();
        desktop = QApplication::palette();
    }
    bool setUpScene()
    {
        QApplication::setPalette(desktop);
        form = shownMainWindow();
        return form != nullptr;
    }
    void tearDownScene()
    {
        form.reset();
        QApplication::setPalette(desktop);
    }

    std::unique_ptr<MainWindow> form;
    QPalette desktop;
};

} // namespace tintforge::testing
