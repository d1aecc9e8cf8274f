// SPDX-License-Identifier: MIT
// Where the game's folder is looked for: the home folder and the Wine prefix as the system
// names them.
#include "output/game/gamefolder.h"
#include "output/game/make.h"
#include "support/files.h"
#include "support/gamefolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

using namespace tintforge;
using tintforge::testing::inFolder;
using tintforge::testing::readAll;

class TestGameFolder : public QObject
{
    Q_OBJECT

private slots:
    // WINEPREFIX is taken as the system names it: through a symbolic link and "..", where Wine
    // finds it ("link/.." leads up from the link's target, "link/../y" to no "y" beside it); not
    // valid UTF-8, shown byte for byte, not looked in, and the message says why.
    void aWinePrefixIsTakenAsTheSystemNamesIt_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<QString>("expected");
        QTest::newRow("through a link") << QByteArray("link/..") << QString();
        QTest::newRow("through a link, then a missing folder")
            << QByteArray("link/../y")
            << QStringLiteral("/real/y/drive_c/Program Files/Raven/SOF/user\"");
        QTest::newRow("not valid UTF-8")
            << QByteArray("pr\xff")
            << QStringLiteral("/pr\\xFF/drive_c/Program Files/Raven/SOF/user\" (not looked in: the "
                              "Wine prefix (WINEPREFIX)'s name is not valid UTF-8");
    }
    void aWinePrefixIsTakenAsTheSystemNamesIt()
    {
#ifdef Q_OS_UNIX
        QFETCH(QByteArray, prefix);
        QFETCH(QString, expected);
        testing::TestGameFolder game;
        if (!game.usable())
            QSKIP("the game is installed on this machine; the test leaves it alone");
        QTemporaryDir root;
        const QString real = root.filePath(QStringLiteral("real"));
        QVERIFY(QDir().mkpath(real + QStringLiteral("/sub")));
        QVERIFY(QFile::link(real + QStringLiteral("/sub"), root.filePath(QStringLiteral("link"))));
        const QString user = real + QStringLiteral("/drive_c/Program Files/Raven/SOF/user");
        QVERIFY(QDir().mkpath(user));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("y/drive_c/Program Files/Raven/SOF/user")));
        const testing::EnvironmentSetting winePrefix("WINEPREFIX",
                                                     QFile::encodeName(root.path()) + '/' + prefix);
        const WriteStatus made = makeScript(testing::sampleComposition());
        if (!expected.isEmpty()) {
            QVERIFY(!made);
            QVERIFY2(writeFailureMessage(made.error()).contains(expected),
                     qPrintable(writeFailureMessage(made.error())));
            return;
        }
        QVERIFY(testing::succeeded(made));
        QCOMPARE(made->folder, user);
        QCOMPARE(readAll(inFolder(user, "color.cfg")), testing::scriptOf());
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("drive_c"))));
#else
        QSKIP("Windows names its folders in UTF-16 and resolves them itself");
#endif
    }

    // README lists the places Make looks in, in order, for each system: they are the ones
    // searched, with ~ and $WINEPREFIX standing for the folders they name.
    void theReadmeListsThePlacesSearched()
    {
        const testing::HomeSetting home("/home of the test");
        const testing::EnvironmentSetting prefix("WINEPREFIX", "/prefix of the test");
#ifdef Q_OS_WIN
        const QString system = QStringLiteral("On Windows");
#else
        const QString system = QStringLiteral("Elsewhere");
#endif
        // The numbered lines below the system's item of the list.
        const QRegularExpression list(
            QStringLiteral("\n  - %1:.*\n(?:    \\D.*\n)*((?:    \\d\\. .*\n)+)").arg(system));
        QStringList listed;
        for (const QString &line :
             list.match(QString::fromUtf8(readAll(QFINDTESTDATA("../../../README.md"))))
                 .captured(1)
                 .split(u'\n', Qt::SkipEmptyParts))
            listed << QDir::toNativeSeparators(
                line.section(u'`', 1, 1)
                    .replace(QStringLiteral("$WINEPREFIX"), QStringLiteral("/prefix of the test"))
                    .replace(u'~', QStringLiteral("/home of the test")));
        QStringList searched;
        for (const GameFolder &candidate : gameFolderCandidates())
            searched << QDir::toNativeSeparators(candidate.path);
        QCOMPARE(listed, searched);
    }

    // An unset, empty or relative HOME never sends the files to "/" or the current folder.
    void defaultFolderFallsBackToTheAccountsHome_data()
    {
        QTest::addColumn<bool>("unset");
        QTest::addColumn<QByteArray>("home");
        QTest::newRow("unset") << true << QByteArray();
        QTest::newRow("empty") << false << QByteArray();
        QTest::newRow("relative") << false << QByteArray("games");
    }
    void defaultFolderFallsBackToTheAccountsHome()
    {
#ifdef Q_OS_UNIX
        QFETCH(bool, unset);
        QFETCH(QByteArray, home);
        const passwd *account = ::getpwuid(::getuid());
        QVERIFY(account && account->pw_dir);
        const QString expected =
            QDir::cleanPath(QFile::decodeName(account->pw_dir) + QStringLiteral("/.loki/sof"));

        const testing::HomeSetting setting(unset ? std::nullopt : std::optional(home));
        QCOMPARE(defaultGameFolder().path, expected);
#else
        QSKIP("Windows has no HOME: Make writes into the standard install path");
#endif
    }
};

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_gamefolder.moc"
