// SPDX-License-Identifier: MIT
#include "output/files/paths.h"
#include "output/script/filenames.h"
#include "support/chooser.h"
#include "support/files.h"
#include "support/heldcalls.h"
#include "support/widgets.h"
#include "ui/folderchooser/folderlist.h"
#include "ui/folderchooser/saveaswindow.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tintforge;
using tintforge::testing::control;
using tintforge::testing::readAll;

namespace {

QListWidgetItem *entryNamed(FolderList *list, const QString &name)
{
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class TestSaveAsWindow : public QObject, private testing::ChooserScene
{
    Q_OBJECT

private slots:
    void initTestCase() { installFormStyle(); }
    void init() { QVERIFY(setUpScene()); }
    void cleanup() { tearDownScene(); }

    void startsAsAFixedToolWindowOnTheCurrentFolder()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Save as..."));
        QCOMPARE(chooser->size(), QSize(289, 228));
        QCOMPARE(chooser->minimumSize(), chooser->maximumSize());
        QCOMPARE(chooser->windowType(), Qt::Tool);
        QVERIFY(!chooser->parentWidget());
        QVERIFY(chooser->windowIcon().isNull());
        QCOMPARE(control<QWidget>(chooser, "folderList")->geometry(), QRect(8, 32, 273, 171));
        QCOMPARE(control<QWidget>(chooser, "driveList")->geometry(), QRect(8, 8, 273, 21));
        QCOMPARE(control<QWidget>(chooser, "saveButton")->geometry(), QRect(8, 208, 273, 17));
        QCOMPARE(control<QPushButton>(chooser, "saveButton")->text(), QStringLiteral("Save"));
        QCOMPARE(chooser->currentFolder(), QDir::toNativeSeparators(dir->path()));
        QVERIFY(!control<QComboBox>(chooser, "driveList")->currentText().isEmpty());

        QVERIFY(QTest::qWaitForWindowActive(chooser));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("folderList"));
        for (const char *next : {"driveList", "saveButton", "folderList"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void aSingleClickHighlightsADoubleClickOpens()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        auto *list = control<FolderList>(chooser, "folderList");
        QListWidgetItem *game = entryNamed(list, QStringLiteral("game"));
        QVERIFY(game);
        const QRect place = list->visualItemRect(game);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QCOMPARE(chooser->currentFolder(), QDir::toNativeSeparators(dir->path()));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QVERIFY(testing::workDone());
        QCOMPARE(chooser->currentFolder(), folder("game"));
        QVERIFY(entryNamed(list, QStringLiteral("user")));

        // The path above lists every folder from the root down; opening one goes back up.
        QCOMPARE(list->item(0)->text(), QDir::toNativeSeparators(QDir::rootPath()));
        list->setCurrentRow(list->currentRow() - 1);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(chooser->currentFolder(), QDir::toNativeSeparators(dir->path()));
    }

    void saveWritesIntoTheOpenedFolderNotTheHighlightedOne()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        auto *list = control<FolderList>(chooser, "folderList");
        QVERIFY(testing::openFolder(list, folder("game/user")));
        list->setCurrentItem(entryNamed(list, QStringLiteral("game")));
        QPointer<SaveAsWindow> guard(chooser);
        control<QPushButton>(chooser, "saveButton")->click();
        QTRY_VERIFY(!guard);
        QCOMPARE(readAll(folder("game/user/color.cfg")), testing::scriptOf(main->composition()));
        QCOMPARE(readAll(folder("game/user/config.cfg")), testing::ExecLineBytes);
        QVERIFY(!QFileInfo::exists(folder("game/color.cfg")));
        QVERIFY(messages.isEmpty());
    }

    void failedSaveKeepsTheChooserOpenAndSaysWhy()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        QVERIFY(testing::openFolder(control<FolderList>(chooser, "folderList"), folder("other")));
        QVERIFY(QDir(folder("other")).removeRecursively()); // gone from under the list
        const Composition before = main->composition();
        control<QPushButton>(chooser, "saveButton")->click();
        QTRY_COMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(joinPath(folder("other"), ScriptFileName)));
        QCOMPARE(testing::shownChooser(), chooser);
        QVERIFY(chooser->isVisible());
        QVERIFY(main->composition() == before);
    }

    // A current folder that is gone: the chooser opens on the nearest folder above it, and Save
    // writes exactly there.
    void aDeletedCurrentFolderOpensTheNearestFolderAbove()
    {
#ifdef Q_OS_UNIX
        QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("gone/deeper")));
        QVERIFY(QDir::setCurrent(folder("gone/deeper")));
        QVERIFY(QDir(folder("gone")).removeRecursively());
        SaveAsWindow *chooser = testing::openChooser(main.get());
        QCOMPARE(chooser->currentFolder(), QDir::toNativeSeparators(dir->path()));
        QVERIFY(entryNamed(control<FolderList>(chooser, "folderList"), QStringLiteral("game")));
        control<QPushButton>(chooser, "saveButton")->click();
        QTRY_COMPARE(readAll(dir->filePath(QStringLiteral("config.cfg"))), testing::ExecLineBytes);
#else
        QSKIP("Windows does not delete a folder that a program has as its current folder");
#endif
    }

    // A link that leads nowhere (an old .pk3) is no reason to refuse a folder's listing.
    void aFolderHoldingALinkToNothingOpens()
    {
#ifdef Q_OS_UNIX
        QVERIFY(QFile::link(folder("gone"), folder("other/old.pk3")));
        QVERIFY(QDir::setCurrent(folder("other")));
        QCOMPARE(testing::openChooser(main.get())->currentFolder(),
                 QDir::toNativeSeparators(folder("other")));
#endif
    }

    // A folder name that is not valid UTF-8 cannot be shown as it is: it is left out, and never
    // confused with the folder whose name is its decoded look-alike.
    void namesThatCannotBeShownAreLeftOutNotConfused()
    {
#ifdef Q_OS_UNIX
        const QByteArray base = QFile::encodeName(dir->path());
        QCOMPARE(::mkdir((base + "/bad\xff").constData(), 0777), 0);
        // QTemporaryDir cannot name it to remove it.
        const auto removeBad = qScopeGuard([&] {
            ::unlink((base + "/bad\xff/color.cfg").constData());
            ::rmdir((base + "/bad\xff").constData());
        });
        const QString lookAlike = QStringLiteral("bad\uFFFD");
        QVERIFY(QDir(dir->path()).mkdir(lookAlike));

        // Started inside the undecodable folder, the chooser opens the folder above it.
        QCOMPARE(::chdir((base + "/bad\xff").constData()), 0);
        SaveAsWindow *chooser = testing::openChooser(main.get());
        QCOMPARE(chooser->currentFolder(), QDir::toNativeSeparators(dir->path()));

        auto *list = control<FolderList>(chooser, "folderList");
        QCOMPARE(list->findItems(QStringLiteral("bad"), Qt::MatchStartsWith).size(), 1);
        QTest::keyClick(list, Qt::Key_Home);
        list->setCurrentItem(entryNamed(list, lookAlike));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(chooser->currentFolder(), QDir::toNativeSeparators(dir->filePath(lookAlike)));
        control<QPushButton>(chooser, "saveButton")->click();
        QVERIFY(testing::workDone());
        QVERIFY(QFileInfo::exists(dir->filePath(lookAlike + QStringLiteral("/color.cfg"))));
        QCOMPARE(::access((base + "/bad\xff/color.cfg").constData(), F_OK), -1);
#else
        QSKIP("Windows names are UTF-16 as the program shows them: every name shows exactly");
#endif
    }

    // A current folder that does not answer holds only the folder list: Save has nowhere to
    // write yet, the user is told which folder does not answer, and another folder opens
    // meanwhile, which the late answer does not undo.
    void aFolderThatDoesNotAnswerHoldsOnlyTheList()
    {
        auto held = std::make_unique<testing::HeldFolder>(dir->path());
        control<QPushButton>(main.get(), "saveAsButton")->click();
        SaveAsWindow *chooser = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            chooser = chooser ? chooser : qobject_cast<SaveAsWindow *>(window);
        QVERIFY(chooser);
        auto *list = control<FolderList>(chooser, "folderList");
        list->findChild<FileWork *>()->setPatience(std::chrono::milliseconds(300));
        control<QPushButton>(chooser, "saveButton")->click();
        QTRY_COMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QFileInfo(dir->path()).fileName()));
        QVERIFY(testing::openFolder(list, QDir::rootPath()));
        held.reset();
        QTest::qWait(100);
        QCOMPARE(chooser->currentFolder(), QDir::toNativeSeparators(QDir::rootPath()));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 0);
        // Asked for a folder that does not answer, the user is told where Save writes meanwhile.
        held = std::make_unique<testing::HeldFolder>(folder("other"));
        list->setPath(folder("other"));
        QTRY_COMPARE(messages.size(), 2);
        QVERIFY(messages[1].endsWith(QStringLiteral("Until then Save writes into \"%1\".")
                                         .arg(QDir::toNativeSeparators(QDir::rootPath()))));
    }

    // Closed from its title bar or with Escape, as any dialog. With the drive list open, Escape
    // closes the list alone; a second one the chooser.
    void closingTheChooserWritesNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<bool>("driveListOpen");
        QTest::newRow("close") << false << false;
        QTest::newRow("Escape") << true << false;
        QTest::newRow("Escape, the drive list open") << true << true;
    }
    void closingTheChooserWritesNothing()
    {
        QFETCH(bool, escape);
        QFETCH(bool, driveListOpen);
        QPointer<SaveAsWindow> chooser = testing::openChooser(main.get());
        if (escape) {
            QVERIFY(QTest::qWaitForWindowActive(chooser));
            if (driveListOpen) {
                auto *drives = control<QComboBox>(chooser, "driveList");
                drives->setFocus();
                QTest::keyClick(drives, Qt::Key_Down, Qt::AltModifier);
                QTRY_VERIFY(drives->view()->isVisible());
                QTest::keyClick(drives->view(), Qt::Key_Escape);
                QTRY_VERIFY(!drives->view()->isVisible());
                // Wayland's key repeat goes on sending that Escape, its release lost with the list.
                QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, {}, true);
                QApplication::sendEvent(drives, &repeated);
                QVERIFY(chooser && chooser->isVisible());
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            chooser->close();
        }
        QTRY_VERIFY(!chooser);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 0);
        // The next one starts afresh.
        QVERIFY(testing::openChooser(main.get()) != nullptr);
    }

    // Screen readers hear where Save will write: the folder and the drive, as they change.
    void theFolderAndDriveAreHeard()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        auto *folders = control<QListWidget>(chooser, "folderList");
        auto *drives = control<QComboBox>(chooser, "driveList");
        const auto heard = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        };
        QCOMPARE(heard(folders),
                 QStringLiteral("current folder %1").arg(QDir::toNativeSeparators(dir->path())));
        QCOMPARE(heard(drives), QStringLiteral("current drive %1").arg(drives->currentText()));
        const QList<QListWidgetItem *> other =
            folders->findItems(QStringLiteral("other"), Qt::MatchExactly);
        QCOMPARE(other.size(), 1);
        folders->setCurrentItem(other[0]);
        QTest::keyClick(folders, Qt::Key_Return);
        QTRY_COMPARE(heard(folders), QStringLiteral("current folder %1").arg(folder("other")));
        // Each entry is heard with its depth, as the indent shows it, the root at level 1.
        QCOMPARE(QAccessible::queryAccessibleInterface(folders)
                     ->child(folders->currentRow())
                     ->text(QAccessible::Description),
                 QStringLiteral("level %1").arg(folder("other").count(QDir::separator()) + 1));
        // A drive chosen, where the keyboard stays on the drive list, says the new folder.
        emit drives->currentIndexChanged(drives->currentIndex());
        QTRY_COMPARE(
            chooser->findChild<QWidget *>(QStringLiteral("spokenNotice"))->accessibleName(),
            QStringLiteral("current folder %1").arg(chooser->currentFolder()));
    }

    // The keyboard's place in the folder list shows plainly, in the list's yellow.
    void theFocusedFolderListShowsIt()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        QVERIFY(QTest::qWaitForWindowActive(chooser));
        auto *folders = control<QListWidget>(chooser, "folderList");
        control<QWidget>(chooser, "saveButton")->setFocus();
        const QImage unfocused = folders->grab().toImage();
        folders->setFocus();
        const QImage focused = folders->grab().toImage();
        int yellowed = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                yellowed += focused.pixel(x, y) != unfocused.pixel(x, y) &&
                            (focused.pixel(x, y) & 0xFFFFFF) == 0xFFFF00;
        // A frame of dots around the list: a few hundred pixels.
        QVERIFY2(yellowed > 200, qPrintable(QString::number(yellowed)));
    }

    void theButtonTwiceGivesOneChooser()
    {
        SaveAsWindow *first = testing::openChooser(main.get());
        QVERIFY(testing::openFolder(control<FolderList>(first, "folderList"), folder("other")));
        SaveAsWindow *second = testing::openChooser(main.get());
        QCOMPARE(second, first);
        QCOMPARE(second->currentFolder(), folder("other"));
        int choosers = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            choosers += w->objectName() == QStringLiteral("SaveAsWindow") ? 1 : 0;
        QCOMPARE(choosers, 1);
    }

    // Runs the real event loop: closing the main window ends it, the open chooser closed with
    // it and nothing written.
    void closingTheMainWindowEndsTheProgramWithTheChooser()
    {
        QPointer<SaveAsWindow> chooser = testing::openChooser(main.get());
        QTimer::singleShot(0, main.get(), [this] { main->close(); });
        QTimer watchdog;
        watchdog.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QTRY_VERIFY(!chooser);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 0);
    }
};

QTEST_MAIN(TestSaveAsWindow)
#include "tst_saveaswindow.moc"
