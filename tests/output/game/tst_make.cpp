// SPDX-License-Identifier: MIT
// Make: into the first place the game has a folder, and what it says where there is none.
#include "output/game/gamefolder.h"
#include "output/game/make.h"
#include "support/files.h"
#include "support/gamefolder.h"

#include <filesystem>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace tintforge;
using tintforge::testing::inFolder;
using tintforge::testing::readAll;
using tintforge::testing::scriptOf;
#ifdef Q_OS_WIN
using tintforge::testing::programs32Game;
#endif

class TestMake : public QObject
{
    Q_OBJECT

private slots:
    // Make writes into the game's own user folder, and only when it is there.
    void makeWritesIntoTheGameFolder()
    {
        testing::TestGameFolder game;
        if (!game.usable())
            QSKIP("the game is installed in its standard folder; the test leaves it alone");
        QCOMPARE(defaultGameFolder().path, game.path());

        // No game folder yet: Make reports it and creates nothing.
        const WriteStatus missing = makeScript(testing::sampleComposition());
        QVERIFY(!missing);
        QCOMPARE(missing.error().files.size(), 1u);
        QCOMPARE(missing.error().files[0].path, game.file("color.cfg"));
        QVERIFY(!QFileInfo::exists(QFileInfo(game.path()).path()));

#ifdef Q_OS_UNIX
        // A place the system cannot tell of is no place where nothing was found.
        QVERIFY(QDir().mkpath(QFileInfo(game.path()).path()));
        QVERIFY(QFile::link(game.path(), game.path())); // a loop of links
        const WriteStatus looped = makeScript(testing::sampleComposition());
        QVERIFY(!looped && looped.error().lookedIn.empty());
        QVERIFY(std::holds_alternative<SystemError>(
            std::get<FileCause>(looped.error().files[0].cause)));
        QVERIFY(QFile::remove(game.path()));
#endif
        QVERIFY(game.create());
        QVERIFY(testing::succeeded(makeScript(testing::sampleComposition())));
        QCOMPARE(readAll(game.file("color.cfg")), scriptOf());
        QCOMPARE(readAll(game.file("config.cfg")), testing::ExecLineBytes);
    }

    // A home folder whose name is not valid UTF-8 cannot be shown as it is: Make names it and
    // writes nothing, not even into its look-alike beside it.
    void makeNeverWritesIntoALookAlikeOfHome()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const std::string base = QFile::encodeName(dir.path()).toStdString();
        const std::string named = base + "/hx\xff";
        const std::string lookAlike = base + "/hx\xef\xbf\xbd";
        // QTemporaryDir cannot name the first to remove it.
        const auto removeBoth = qScopeGuard([&] { std::filesystem::remove_all(base); });
        for (const std::string &home : {named, lookAlike})
            QVERIFY(std::filesystem::create_directories(home + "/.loki/sof"));

        std::optional<WriteFailure> error;
        {
            const testing::HomeSetting home(QByteArray::fromStdString(named));
            const testing::EnvironmentSetting noPrefix("WINEPREFIX", {});
            if (WriteStatus made = makeScript(testing::sampleComposition()); !made)
                error = made.error();
        }
        QVERIFY(error.has_value());
        QCOMPARE(error->files.size(), 1u);
        QVERIFY(error->files[0].path.endsWith(QStringLiteral("/.loki/sof/color.cfg")));
        QVERIFY(error->files[0].cause == WriteCause(GameRefusal::InexactHomeName));
        for (const std::string &home : {named, lookAlike})
            QVERIFY(std::filesystem::is_empty(home + "/.loki/sof"));
#else
        QSKIP("Windows names are UTF-16 as the program holds them: every name is held exactly");
#endif
    }

    // Make writes into the first of the places players have the game that exists, the standard
    // one first; when there is none, the message names the standard one with the system's
    // reason, lists the others and points at "...". "~" stands for the home folder, "$P" for the
    // Wine prefix that WINEPREFIX names.
    void makeFindsTheGameWherePlayersHaveIt_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<bool>("prefixNamed");
        QTest::addColumn<QString>("expected");
#ifdef Q_OS_WIN
        QTest::newRow("32-bit program folder")
            << QStringList{QStringLiteral("%X")} << false << QStringLiteral("%X");
        QTest::newRow("nowhere") << QStringList() << false << QString();
#else
        const QString release = QStringLiteral("~/.loki/sof");
        const QString x86 = QStringLiteral("/drive_c/Program Files (x86)/Raven/SOF/user");
        const QString programs = QStringLiteral("/drive_c/Program Files/Raven/SOF/user");
        const QString wine = QStringLiteral("~/.wine");
        const QString prefix = QStringLiteral("$P");
        QTest::newRow("Linux release first")
            << QStringList{release, wine + x86} << false << release;
        QTest::newRow("~/.wine, 32-bit program folder first")
            << QStringList{wine + x86, wine + programs} << false << wine + x86;
        QTest::newRow("~/.wine, program folder")
            << QStringList{wine + programs} << false << wine + programs;
        QTest::newRow("WINEPREFIX before ~/.wine")
            << QStringList{prefix + programs, wine + x86} << true << prefix + programs;
        QTest::newRow("WINEPREFIX without the game")
            << QStringList{wine + programs} << true << wine + programs;
        QTest::newRow("nowhere") << QStringList() << true << QString();
#endif
    }
    void makeFindsTheGameWherePlayersHaveIt()
    {
        QFETCH(QStringList, folders);
        QFETCH(bool, prefixNamed);
        QFETCH(QString, expected);

        testing::TestGameFolder game;
        if (!game.usable())
            QSKIP("the game is installed on this machine; the test leaves it alone");
        QTemporaryDir root;
        const QString prefix = root.filePath(QStringLiteral("prefix"));
        const testing::EnvironmentSetting winePrefix(
            "WINEPREFIX", prefixNamed ? std::optional(QFile::encodeName(prefix)) : std::nullopt);
        const QString home = QDir::homePath();
        const auto expand = [&](QString place) {
            place.replace(QStringLiteral("~"), home).replace(QStringLiteral("$P"), prefix);
#ifdef Q_OS_WIN
            place.replace(QStringLiteral("%X"), programs32Game());
#endif
            return QDir::toNativeSeparators(place);
        };
#ifdef Q_OS_WIN
        const auto removeGame = qScopeGuard(
            [] { QDir(QFileInfo(QFileInfo(programs32Game()).path()).path()).removeRecursively(); });
#endif
        for (const QString &folder : folders)
            QVERIFY(QDir().mkpath(expand(folder)));

        const WriteStatus made = makeScript(testing::sampleComposition());
        if (!expected.isEmpty()) {
            QVERIFY(testing::succeeded(made));
            QCOMPARE(made->folder, expand(expected));
            QCOMPARE(readAll(inFolder(expand(expected), "color.cfg")), scriptOf());
            QCOMPARE(readAll(inFolder(expand(expected), "config.cfg")), testing::ExecLineBytes);
            QCOMPARE(makeDestination().reads, expand(expected));
            return;
        }
        // Nowhere: the standard place fails, and every place is looked in, in order.
        QVERIFY(!made);
        const std::vector<GameFolder> places = gameFolderCandidates();
        QCOMPARE(made.error().files.at(0).path, inFolder(places[0].path, "color.cfg"));
        QVERIFY(made.error().lookedIn == places);
        QVERIFY(makeDestination().search.lookedIn == places);
        QVERIFY(!QFileInfo::exists(places[0].path));
    }
};

QTEST_GUILESS_MAIN(TestMake)
#include "tst_make.moc"
