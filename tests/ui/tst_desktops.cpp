// SPDX-License-Identifier: MIT
// Both windows on any desktop: the same look under a light and a dark colour scheme, placed
// wholly on the screen, and usable by keyboard and screen reader.
#include "model/palette.h"
#include "support/widgets.h"
#include "ui/folderchooser/folderlist.h"
#include "ui/folderchooser/saveaswindow.h"
#include "ui/look/placement.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"

#include <algorithm>
#include <cmath>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace tintforge;
using tintforge::testing::control;

namespace {

// A dark desktop scheme, as KDE's Breeze Dark gives it: near-white text on near-black.
QPalette darkScheme()
{
    QPalette dark(QColor(0x31, 0x36, 0x3B), QColor(0x23, 0x26, 0x29));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xEF, 0xF0, 0xF1));
    dark.setColor(QPalette::Base, QColor(0x1B, 0x1E, 0x20));
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
    return dark;
}

// What the window shows, pixel for pixel.
QImage shot(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The contrast ratio of two colours, as WCAG measures it (1 to 21).
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb rgb) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
               0.0722 * channel(qBlue(rgb));
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QStringList labelsOf(QObject *object)
{
    QStringList names;
    for (const auto &[label, relation] : accessible(object)->relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

} // namespace

class TestDesktops : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> form;
    QPalette desktop;

    SaveAsWindow *openChooser()
    {
        form->openFolderChooser();
        SaveAsWindow *chooser = form->folderChooser();
        return chooser && QTest::qWaitForWindowExposed(chooser) ? chooser : nullptr;
    }

private slots:
    void initTestCase()
    {
        installFormStyle();
        desktop = QApplication::palette();
    }
    void init()
    {
        QApplication::setPalette(desktop);
        form = std::make_unique<MainWindow>();
        form->setMessageSink([](QWidget *, const QString &) {});
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        QApplication::setPalette(desktop);
    }

    // Every pixel of both windows, and of the open drive list, stays the same when the desktop
    // switches to a dark scheme; uncoloured text on the silver fields is black.
    void bothWindowsLookTheSameUnderADarkScheme()
    {
        control<QLineEdit>(form.get(), "nameField")->setText(QStringLiteral("Player"));
        SaveAsWindow *chooser = openChooser();
        QVERIFY(chooser);
        auto *drives = control<QComboBox>(chooser, "driveList");
        drives->showPopup();
        QWidget *popup = drives->view()->window();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        const QImage mainLight = shot(form.get());
        const QImage chooserLight = shot(chooser);
        const QImage popupLight = shot(popup);

        QApplication::setPalette(darkScheme());
        QApplication::processEvents();
        QCOMPARE(shot(form.get()), mainLight);
        QCOMPARE(shot(chooser), chooserLight);
        QCOMPARE(shot(popup), popupLight);

        QCOMPARE(control<QLineEdit>(form.get(), "nameField")->palette().color(QPalette::Text),
                 QColor(Qt::black));
        QCOMPARE(drives->view()->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(drives->view()->palette().color(QPalette::Text), QColor(0xFF, 0xFF, 0x00));
        drives->hidePopup();
    }

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
        SaveAsWindow *chooser = openChooser();
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
        SaveAsWindow *chooser = openChooser();
        QVERIFY(chooser);
        chooser->showMinimized();
        QVERIFY(chooser->isMinimized());
        control<QPushButton>(form.get(), "saveAsButton")->click();
        QCOMPARE(form->folderChooser(), chooser);
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
        QPointer<SaveAsWindow> chooser = openChooser();
        QVERIFY(chooser);
        if (minimised)
            chooser->showMinimized();
        form->close();
        QVERIFY(!form->isVisible());
        QTRY_VERIFY(!chooser);
    }

    void swatchesAreButtonsAScreenReaderCanPress()
    {
        QWidget *red = control(form.get(), "swatch2");
        QAccessibleInterface *swatch = accessible(red);
        QVERIFY(swatch);
        QCOMPARE(swatch->role(), QAccessible::Button);
        QCOMPARE(swatch->text(QAccessible::Name), QStringLiteral("bright red"));
        QAccessibleActionInterface *actions = swatch->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        QCOMPARE(accessible(control(form.get(), "clanField"))->text(QAccessible::Description),
                 QStringLiteral("black"));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form->composition().segment(SegmentId::Clan).colourCode(), '\x02');
        // The field tells its new colour by name.
        QCOMPARE(accessible(control(form.get(), "clanField"))->text(QAccessible::Description),
                 QStringLiteral("bright red"));
        QCOMPARE(accessible(control(form.get(), "swatch8"))->text(QAccessible::Name),
                 QStringLiteral("black"));
        // Swatches still never take the focus.
        QCOMPARE(red->focusPolicy(), Qt::NoFocus);
    }

    // The palette by name from each field's context menu, in palette order.
    void eachFieldsMenuColoursItsSegment()
    {
        const std::unique_ptr<QMenu> menu = form->segmentMenu(SegmentId::Host);
        auto *colours = control<QMenu>(menu.get(), "colourMenu");
        QVERIFY(colours);
        QCOMPARE(colours->title(), QStringLiteral("Colour"));
        const QList<QAction *> actions = colours->actions();
        QCOMPARE(actions.size(), 29);
        QStringList names;
        for (QAction *action : actions)
            names << action->text();
        QCOMPARE(names.first(), QStringLiteral("bright white"));
        QCOMPARE(names[9], QStringLiteral("red"));
        // Spelled as colours; color.cfg keeps the chart's own spelling.
        QCOMPARE(names[6], QStringLiteral("bright cyan"));
        QCOMPARE(names[24], QStringLiteral("ash yellow grey"));
        QCOMPARE(names.last(), QStringLiteral("orange"));
        const QImage square = actions[21]->icon().pixmap(12, 12).toImage();
        QCOMPARE(square.pixel(6, 6) & 0xFFFFFF, 0x9F0050u); // the red purple square

        actions[21]->trigger(); // red purple
        QCOMPARE(form->composition().activeSegment(), SegmentId::Host);
        QCOMPARE(form->composition().segment(SegmentId::Host).colourCode(), '\x18');
        QCOMPARE(form->composition().segment(SegmentId::Clan).colourCode(), '\x08');
        QCOMPARE(accessible(control(form.get(), "hostField"))->text(QAccessible::Description),
                 QStringLiteral("red purple"));
    }

    // Shift+F10 on a field opens that menu, as the Menu key and a right click do.
    void theMenuOpensFromTheKeyboard()
    {
        auto *name = control<QLineEdit>(form.get(), "nameField");
        name->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        bool opened = false;
        QTimer::singleShot(200, this, [&opened] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                opened = popup->findChild<QMenu *>(QStringLiteral("colourMenu")) != nullptr;
                popup->close();
            }
        });
        QTest::keyClick(name, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(opened);
    }

    // Whatever the desktop's theme (run again under GTK's dark theme), the buttons keep the
    // form's light face and the option buttons' markers stay white on the black window.
    void buttonsAndMarkersKeepTheFormColours()
    {
        const QImage image = shot(form.get());
        const auto lightness = [&](const char *name, QPoint inside) {
            return qGray(image.pixel(control(form.get(), name)->geometry().topLeft() + inside));
        };
        QVERIFY2(lightness("makeButton", QPoint(20, 10)) > 200, "Make");
        QVERIFY2(lightness("saveAsButton", QPoint(3, 8)) > 200, "...");
        QVERIFY2(lightness("nameOption", QPoint(7, 8)) > 200, "the Name marker");
    }

    // On the black window, the keyboard's place and the folder list's scroll thumb show in the
    // captions' yellow: a dotted frame round the focused caption, a yellow thumb.
    void focusAndScrollThumbShowInYellow()
    {
        const auto yellowPixels = [](QWidget *widget) {
            const QImage image = widget->grab().toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFF00;
            return count;
        };
        for (const char *name : {"clanSwitch", "clanOption"}) {
            QWidget *caption = control(form.get(), name);
            const int unfocused = yellowPixels(caption);
            caption->setFocus(Qt::TabFocusReason);
            QVERIFY(caption->hasFocus());
            QVERIFY2(yellowPixels(caption) >= unfocused + 20, name);
        }

        QTemporaryDir dir;
        for (int i = 0; i < 60; ++i)
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder%1").arg(i)));
        SaveAsWindow *chooser = openChooser();
        auto *folders = control<FolderList>(chooser, "folderList");
        QVERIFY(folders->setPath(dir.path()));
        QScrollBar *bar = folders->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        QVERIFY(yellowPixels(bar) >= 5 * 10);
    }

    // A focused button shows a dotted frame inside its face, at least 3:1 against the face it
    // lies on, along all four sides; its size and caption stay as they were.
    void focusShowsOnButtonsAsADottedFrame()
    {
        SaveAsWindow *chooser = openChooser();
        QVERIFY(chooser);
        for (QWidget *button :
             {control(form.get(), "makeButton"), control(form.get(), "appendGlyphButton"),
              control(form.get(), "saveAsButton"), control(chooser, "saveButton")}) {
            const QString name = button->objectName();
            button->clearFocus();
            const QImage plain = shot(button);
            button->window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(button->window()));
            button->setFocus(Qt::TabFocusReason);
            QVERIFY2(button->hasFocus(), qPrintable(name));
            const QImage focused = shot(button);
            QCOMPARE(focused.size(), plain.size());
            // The frame two pixels in: along each side, a dot at least every third pixel.
            const QRect frame = plain.rect().adjusted(2, 2, -2, -2);
            for (const auto &[from, step] : {std::pair{frame.topLeft(), QPoint(1, 0)},
                                             {frame.bottomLeft(), QPoint(1, 0)},
                                             {frame.topLeft(), QPoint(0, 1)},
                                             {frame.topRight(), QPoint(0, 1)}}) {
                const int length = step.x() ? frame.width() : frame.height();
                int dots = 0;
                for (int i = 0; i < length; ++i)
                    dots += contrast(focused.pixel(from + step * i),
                                     plain.pixel(from + step * i)) >= 3.0;
                QVERIFY2(dots * 3 >= length - 2, qPrintable(name));
            }
            // The caption where it was, within a pixel (a style may tint a focused face, and the
            // classic Windows style draws it as the default button's, a pixel in): the box round
            // its dark pixels.
            const auto captionBox = [](const QImage &image) {
                QRect box;
                const QRect inside = image.rect().adjusted(3, 3, -3, -3);
                for (int y = inside.top(); y <= inside.bottom(); ++y) {
                    for (int x = inside.left(); x <= inside.right(); ++x)
                        box |= qGray(image.pixel(x, y)) < 100 ? QRect(x, y, 1, 1) : QRect();
                }
                return box;
            };
            const QRect was = captionBox(plain);
            const QRect is = captionBox(focused);
            QVERIFY2(!was.isEmpty() && was.adjusted(-1, -1, 1, 1).contains(is) &&
                         is.adjusted(-1, -1, 1, 1).contains(was),
                     qPrintable(name));
        }
    }

    void controlsCarryNamesThatSayWhatTheyDo()
    {
        QCOMPARE(accessible(form.get())->role(), QAccessible::Window);
        QCOMPARE(labelsOf(control(form.get(), "glyphBox")),
                 QStringList{QStringLiteral("special character")});
        QCOMPARE(accessible(control(form.get(), "appendGlyphButton"))->text(QAccessible::Name),
                 QStringLiteral("append special character"));
        QCOMPARE(accessible(control(form.get(), "saveAsButton"))->text(QAccessible::Name),
                 QStringLiteral("save in another folder"));
        QCOMPARE(labelsOf(control(form.get(), "nameField")), QStringList{QStringLiteral("Name:")});
        QCOMPARE(labelsOf(control(form.get(), "hostField")),
                 QStringList{QStringLiteral("Host Name:")});
        QCOMPARE(labelsOf(control(form.get(), "messageField")),
                 QStringList{QStringLiteral("Starting Message:")});

        SaveAsWindow *chooser = openChooser();
        QVERIFY(chooser);
        QCOMPARE(accessible(chooser)->role(), QAccessible::Window);
        QCOMPARE(accessible(control(chooser, "folderList"))->text(QAccessible::Name),
                 QStringLiteral("folders"));
        QCOMPARE(labelsOf(control(chooser, "driveList")), QStringList{QStringLiteral("drives")});
    }
};

QTEST_MAIN(TestDesktops)
#include "tst_desktops.moc"
