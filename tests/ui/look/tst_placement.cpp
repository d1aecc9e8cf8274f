// SPDX-License-Identifier: MIT
// Both windows on any desktop: the same look under a light and a dark colour scheme, placed
// wholly on the screen, and usable by keyboard and screen reader.
#include "support/chooser.h"
#include "support/mainwindow.h"
#include "support/widgets.h"
#include "ui/folderchooser/saveaswindow.h"
#include "ui/look/placement.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace tintforge;
using tintforge::testing::control;

class TestPlacement : public QObject, private testing::DesktopScene
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpStyle(); }
    void init() { QVERIFY(setUpScene()); }
    void cleanup() { tearDownScene(); }

    void framesAreCentredAndKeptOnScreen_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 0, 1024, 768);
        // The main window with a 24-pixel title bar and 1-pixel borders.
        QTest::newRow("centred frame") << QSize(547, 295) << screen << QPoint(238, 236);
        QTest::newRow("beside a panel")
            << QSize(547, 295) << QRect(0, 32, 1024, 736) << QPoint(238, 252);
        QTest::newRow("second screen")
            << QSize(291, 253) << QRect(1024, 0, 1280, 1024) << QPoint(1518, 385);
        // Scaled by two on 1024 by 768: wider than the screen, so it starts at its left edge.
        QTest::newRow("wider than the screen") << QSize(1092, 590) << screen << QPoint(0, 89);
        QTest::newRow("larger than the screen") << QSize(1092, 800) << screen << QPoint(0, 0);
    }
    void framesAreCentredAndKeptOnScreen()
    {
        QFETCH(QSize, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(framePosition(frame, available), expected);
    }

    // Neither window offers to maximize, and a request to maximize it anyway (a title bar's
    // button, a double click on it, a compositor's key) leaves it at its size, the program
    // running: on Wayland a fixed-size window that took the request committed its own size
    // against the maximized state, and the compositor ended the program for it.
    void maximizingLeavesTheWindowsAsTheyAre()
    {
        SaveAsWindow *chooser = testing::openChooser(form.get());
        QVERIFY(chooser);
        for (QWidget *window :
             {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(chooser)}) {
            QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
            const QSize size = window->size();
            window->windowHandle()->setWindowStates(Qt::WindowMaximized);
            // Once the window system has answered, the window is back at its size, fixed.
            QTRY_COMPARE_WITH_TIMEOUT(window->minimumSize(), size, 5000);
            QCOMPARE(window->maximumSize(), size);
            QCOMPARE(window->size(), size);
            QVERIFY(!window->isMaximized());
            QVERIFY(window->isVisible());
        }
    }

    // Raising alone would leave a minimised chooser minimised.
    void theButtonBringsBackAMinimisedChooser()
    {
        SaveAsWindow *chooser = testing::openChooser(form.get());
        QVERIFY(chooser);
        chooser->showMinimized();
        QVERIFY(chooser->isMinimized());
        control<QPushButton>(form.get(), "saveAsButton")->click();
        QCOMPARE(testing::shownChooser(), chooser);
        QVERIFY(!chooser->isMinimized());
        QVERIFY(chooser->isVisible());
    }

    // Closing the main window closes the chooser too, whatever its state: the program must not
    // go on with nothing on screen. Run again on Wayland, where a minimised window cannot be told.
    void closingTheMainWindowClosesTheChooser_data()
    {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("open") << false;
        QTest::newRow("minimised") << true;
    }
    void closingTheMainWindowClosesTheChooser()
    {
        QFETCH(bool, minimised);
        QPointer<SaveAsWindow> chooser = testing::openChooser(form.get());
        QVERIFY(chooser);
        if (minimised)
            chooser->showMinimized();
        form->close();
        QVERIFY(!form->isVisible());
        QTRY_VERIFY(!chooser);
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
