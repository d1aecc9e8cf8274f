// SPDX-License-Identifier: MIT
// Both windows on any desktop: the same look under a light and a dark colour scheme, placed
// wholly on the screen, and usable by keyboard and screen reader.
#include "model/palette.h"
#include "support/chooser.h"
#include "support/mainwindow.h"
#include "support/widgets.h"
#include "ui/folderchooser/folderlist.h"
#include "ui/folderchooser/saveaswindow.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"

#include <algorithm>
#include <cmath>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class TestWindowLook : public QObject, private testing::DesktopScene
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpStyle(); }
    void init() { QVERIFY(setUpScene()); }
    void cleanup() { tearDownScene(); }

    // Every pixel of both windows, and of the open drive list, stays the same when the desktop
    // switches to a dark scheme; uncoloured text on the silver fields is black.
    void bothWindowsLookTheSameUnderADarkScheme()
    {
        control<QLineEdit>(form.get(), "nameField")->setText(QStringLiteral("Player"));
        SaveAsWindow *chooser = testing::openChooser(form.get());
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
        SaveAsWindow *chooser = testing::openChooser(form.get());
        auto *folders = control<FolderList>(chooser, "folderList");
        QVERIFY(testing::openFolder(folders, dir.path()));
        QScrollBar *bar = folders->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        QVERIFY(yellowPixels(bar) >= 5 * 10);
    }

    // A focused button shows a dotted frame inside its face, at least 3:1 against the face it
    // lies on, along all four sides; its size and caption stay as they were.
    void focusShowsOnButtonsAsADottedFrame()
    {
        SaveAsWindow *chooser = testing::openChooser(form.get());
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
};

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
