// SPDX-License-Identifier: MIT
#include "output/files/paths.h"
#include "output/script/filenames.h"
#include "support/chooser.h"
#include "support/widgets.h"
#include "ui/folderchooser/drives.h"
#include "ui/folderchooser/folderlist.h"
#include "ui/folderchooser/saveaswindow.h"
#include "ui/look/windowlook.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using namespace tintforge;
using tintforge::testing::control;

class TestDrives : public QObject, private testing::ChooserScene
{
    Q_OBJECT

private slots:
    void initTestCase() { installFormStyle(); }
    void init() { QVERIFY(setUpScene()); }
    void cleanup() { tearDownScene(); }

    // The drive list shows the drive a folder lies on, its names compared as the system's are.
    void aFolderLiesOnItsDrive_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("root");
        QTest::addColumn<bool>("on");
#ifdef Q_OS_WIN
        QTest::newRow("below the root")
            << QStringLiteral("C:\\Games") << QStringLiteral("C:\\") << true;
        QTest::newRow("letters of either case")
            << QStringLiteral("c:\\games") << QStringLiteral("C:\\") << true;
        QTest::newRow("another drive")
            << QStringLiteral("D:\\Games") << QStringLiteral("C:\\") << false;
#else
        QTest::newRow("the root") << QStringLiteral("/") << QStringLiteral("/") << true;
        QTest::newRow("below a mount point")
            << QStringLiteral("/media/disk/sof") << QStringLiteral("/media/disk") << true;
        QTest::newRow("a name of other case")
            << QStringLiteral("/media/Disk/sof") << QStringLiteral("/media/disk") << false;
        QTest::newRow("a longer name")
            << QStringLiteral("/media/diskette") << QStringLiteral("/media/disk") << false;
#endif
    }
    void aFolderLiesOnItsDrive()
    {
        QFETCH(QString, folder);
        QFETCH(QString, root);
        QFETCH(bool, on);
        QCOMPARE(isOnDrive(folder, root), on);
    }

#ifdef Q_OS_WIN
    // As the classic drive list shows them: the letter in lower case with its colon and the
    // volume's name in brackets, in the order of the letters; choosing one opens its root.
    void drivesShowAsLettersInOrder()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        auto *drives = control<QComboBox>(chooser, "driveList");
        QCOMPARE(drives->count(), QDir::drives().size());
        const QRegularExpression shape(QStringLiteral("^[a-z]:( \\[.+\\])?$"));
        for (int i = 0; i < drives->count(); ++i) {
            QVERIFY2(shape.match(drives->itemText(i)).hasMatch(), qPrintable(drives->itemText(i)));
            QVERIFY(i == 0 || drives->itemText(i - 1).at(0) < drives->itemText(i).at(0));
        }
        QVERIFY(drives->findText(QStringLiteral("c:"), Qt::MatchStartsWith) >= 0);
        QCOMPARE(drives->currentText().left(2), chooser->currentFolder().left(2).toLower());

        if (drives->count() < 2)
            QSKIP("one drive only: no other drive to choose");
        const int other = drives->currentIndex() == 0 ? 1 : 0;
        drives->setCurrentIndex(other);
        const QString root = QDir::toNativeSeparators(QDir::drives().at(other).absolutePath());
        QVERIFY(root.endsWith(u'\\'));
        QTRY_COMPARE(chooser->currentFolder(), root);
        QCOMPARE(drives->currentIndex(), other);
    }
#endif

    // A mount that answers no call is listed at once: the list asks nothing of a mounted file
    // system. Run with TINTFORGE_DEAD_MOUNT naming such a mount (see CMakeLists.txt).
    void theDriveListAsksNoMount()
    {
        const QString dead = qEnvironmentVariable("TINTFORGE_DEAD_MOUNT");
        if (dead.isEmpty())
            QSKIP("needs a mount that does not answer");
        const QList<Drive> listed = drives();
        QVERIFY(std::any_of(listed.begin(), listed.end(),
                            [&dead](const Drive &drive) { return drive.root == dead; }));
    }

    void aDriveThatCannotBeOpenedFallsBackSilently()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        auto *drives = control<QComboBox>(chooser, "driveList");
        const int before = drives->currentIndex();
        drives->addItem(QStringLiteral("/media/gone"), dir->filePath(QStringLiteral("unmounted")));
        drives->setCurrentIndex(drives->count() - 1);
        QTRY_COMPARE(drives->currentIndex(), before);
        QCOMPARE(chooser->currentFolder(), QDir::toNativeSeparators(dir->path()));
        QVERIFY(messages.isEmpty());
    }

    void aRootFolderJoinsWithOneSeparator()
    {
        SaveAsWindow *chooser = testing::openChooser(main.get());
        QVERIFY(testing::openFolder(control<FolderList>(chooser, "folderList"), QDir::rootPath()));
        const QString root = chooser->currentFolder();
        QCOMPARE(root, QDir::toNativeSeparators(QDir::rootPath()));
        QCOMPARE(joinPath(root, ScriptFileName), root + QStringLiteral("color.cfg"));
    }
};

QTEST_MAIN(TestDrives)
#include "tst_drives.moc"
