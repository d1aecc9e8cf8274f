// SPDX-License-Identifier: MIT
#pragma once

// The folder chooser as a user finds it: the window that shows after "..." is pressed.

#include "support/mainwindow.h"
#include "support/widgets.h"
#include "ui/folderchooser/folderlist.h"
#include "ui/folderchooser/saveaswindow.h"

#include <memory>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
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
    return open == 1 && QTest::qWaitForWindowExposed(shown) && workDone() ? shown : nullptr;
}

// Opens a folder in the chooser's list and waits until it shows: false when it was refused.
inline bool openFolder(FolderList *list, const QString &folder)
{
    list->setPath(folder);
    return workDone() && list->path() == QDir::toNativeSeparators(folder);
}

// Presses the main window's "..." and gives the chooser it shows.
inline SaveAsWindow *openChooser(QWidget *mainWindow)
{
    control<QPushButton>(mainWindow, "saveAsButton")->click();
    return shownChooser();
}

// What the chooser's tests start from, for a test class to inherit: a folder of their own with
// "game/user" and "other" in it, made the program's current folder (where the chooser starts),
// and a main window over it with "Player" typed as the name. What the windows would show goes
// into `messages`, so nothing waits for a click.
class ChooserScene
{
protected:
    bool setUpScene()
    {
        dir = std::make_unique<QTemporaryDir>();
        previousCurrent = QDir::currentPath();
        messages.clear();
        if (!QDir(dir->path()).mkpath(QStringLiteral("game/user")) ||
            !QDir(dir->path()).mkpath(QStringLiteral("other")) || !QDir::setCurrent(dir->path()))
            return false;
        main = shownMainWindow(&messages);
        if (!main)
            return false;
        control<QLineEdit>(main.get(), "nameField")->insert(QStringLiteral("Player"));
        return true;
    }
    void tearDownScene()
    {
        main.reset();
        QDir::setCurrent(previousCurrent);
        dir.reset();
    }

    // A folder of the scene, in the system's own form.
    QString folder(const char *name) const
    {
        return QDir::toNativeSeparators(dir->filePath(QString::fromLatin1(name)));
    }

    std::unique_ptr<MainWindow> main;
    std::unique_ptr<QTemporaryDir> dir;
    QString previousCurrent;
    QStringList messages;
};

} // namespace tintforge::testing
