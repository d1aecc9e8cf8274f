// SPDX-License-Identifier: MIT
// Both windows on any desktop: the same look under a light and a dark colour scheme, placed
// wholly on the screen, and usable by keyboard and screen reader.
#include "model/palette.h"
#include "support/chooser.h"
#include "support/mainwindow.h"
#include "support/widgets.h"
#include "ui/folderchooser/saveaswindow.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QActionGroup>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_WIN
#include "ui/accessibility/uianotification.h"
#endif

using namespace tintforge;
using tintforge::testing::control;

namespace {

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

class TestAccessibility : public QObject, private testing::DesktopScene
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpStyle(); }
    void init() { QVERIFY(setUpScene()); }
    void cleanup() { tearDownScene(); }

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

        SaveAsWindow *chooser = testing::openChooser(form.get());
        QVERIFY(chooser);
        QCOMPARE(accessible(chooser)->role(), QAccessible::Window);
        QCOMPARE(accessible(control(chooser, "folderList"))->text(QAccessible::Name),
                 QStringLiteral("folders"));
        QCOMPARE(labelsOf(control(chooser, "driveList")), QStringList{QStringLiteral("drives")});
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
        // The menu marks the colour the segment shows, and that one alone; a letter moves to
        // the next colour it starts.
        const std::unique_ptr<QMenu> again = form->segmentMenu(SegmentId::Host);
        auto *submenu = control<QMenu>(again.get(), "colourMenu");
        const QList<QAction *> marked = submenu->actions();
        QCOMPARE(marked[21]->actionGroup()->checkedAction(), marked[21]);
        submenu->popup(QPoint());
        QTest::keyClicks(submenu, QStringLiteral("gg"));
        QCOMPARE(submenu->activeAction(), marked[14]); // green grey, after green
        submenu->close();
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

#ifdef Q_OS_WIN
    // Narrator and NVDA hear a notice as UI Automation's notification of a finished action,
    // raised from the window's provider (here a stream, which counts its references), which is
    // let go again; without the calls (Wine 8 lacks one), nothing happens.
    void aNoticeIsRaisedThroughUiAutomation()
    {
        static IStream *provider = nullptr;
        static QString raised;
        QCOMPARE(CreateStreamOnHGlobal(nullptr, TRUE, &provider), S_OK);
        UiaNotificationCalls calls;
        QVERIFY(!raiseUiaNotification(calls, HWND(1), L"Wrote"));
        calls.hostProvider = [](HWND, IUnknown **given) {
            provider->AddRef();
            *given = provider;
            return S_OK;
        };
        calls.raiseNotification = [](IUnknown *from, int kind, int processing, BSTR text, BSTR) {
            raised = QStringLiteral("%1 %2 %3 ").arg(from == provider).arg(kind).arg(processing) +
                     QString::fromWCharArray(text);
            return S_OK;
        };
        QVERIFY(raiseUiaNotification(calls, HWND(1), L"Wrote color.cfg"));
        QCOMPARE(raised, QStringLiteral("1 2 3 Wrote color.cfg"));
        QCOMPARE(provider->Release(), 0u);
    }
#endif
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
