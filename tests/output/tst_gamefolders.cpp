// SPDX-License-Identifier: MIT
// Where Make finds the game's folder, and the copies of the files that the game reads.
#include "model/composition.h"
#include "output/colourscript.h"
#include "output/gamecopies.h"
#include "output/gamefolder.h"
#include "output/scriptwriter.h"
#include "support/files.h"
#include "support/gamefolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

using namespace tintforge;
using tintforge::testing::readAll;
using tintforge::testing::writeFile;

namespace {

const QByteArray Exec = "exec color.cfg\r\n";
const QByteArray OldScript = "//old script\r\n";
const QByteArray OwnConfig = "seta own 1\r\n";
const QByteArray StaleScript = "//stale script\r\n";
const QByteArray StaleConfig = "seta stale 1\r\n";

QByteArray script()
{
    return QByteArray::fromStdString(renderColourScript(testing::sampleComposition()));
}

QString inFolder(const QString &folder, const char *name)
{
    return QDir::toNativeSeparators(folder + u'/' + QString::fromLatin1(name));
}

// Whether this process may create a file in the folder.
bool canWriteInto(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/probe-XXXXXX"));
    return probe.open();
}

#ifdef Q_OS_WIN
// The game's folder under the folder for 32-bit programs, and its twin in VirtualStore, spelled
// from the system's environment.
QString programs32Game()
{
    return QDir::toNativeSeparators(qEnvironmentVariable("ProgramFiles(x86)") +
                                    QStringLiteral("/Raven/SOF/user"));
}
QString virtualStoreOf(const QString &path)
{
    return QDir::toNativeSeparators(qEnvironmentVariable("LOCALAPPDATA")) +
           QStringLiteral("\\VirtualStore") + path.mid(2);
}
#endif

#ifdef Q_OS_UNIX
// Hands a folder and everything in it to the account the tests drop to as root.
bool handOverTree(const QString &folder)
{
    bool handed = testing::handOver(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        handed = testing::handOver(it.next()) && handed;
    return handed;
}
#endif

} // namespace

class TestGameFolders : public QObject
{
    Q_OBJECT

private slots:
    // WINEPREFIX is taken as the system names it: through a symbolic link and "..", where Wine
    // finds it ("link/.." leads up from the link's target); not valid UTF-8, not looked in, and
    // the message says why rather than that the game was not found there.
    void aWinePrefixIsTakenAsTheSystemNamesIt_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<QString>("expected");
        QTest::newRow("through a link") << QByteArray("link/..") << QString();
        QTest::newRow("not valid UTF-8")
            << QByteArray("pr\xff")
            << QStringLiteral("/Raven/SOF/user\" (not looked in: the Wine prefix (WINEPREFIX)'s "
                              "name is not valid UTF-8");
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
        const testing::EnvironmentSetting winePrefix("WINEPREFIX",
                                                     QFile::encodeName(root.path()) + '/' + prefix);
        const MakeStatus made = makeScript(testing::sampleComposition());
        if (!expected.isEmpty()) {
            QVERIFY(!made);
            QVERIFY2(made.error().message().contains(expected), qPrintable(made.error().message()));
            return;
        }
        QVERIFY(testing::succeeded(made));
        QCOMPARE(*made, user);
        QCOMPARE(readAll(inFolder(user, "color.cfg")), script());
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("drive_c"))));
#else
        QSKIP("Windows names its folders in UTF-16 and resolves them itself");
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

        const MakeStatus made = makeScript(testing::sampleComposition());
        if (!expected.isEmpty()) {
            QVERIFY(testing::succeeded(made));
            QCOMPARE(*made, expand(expected));
            QCOMPARE(readAll(inFolder(expand(expected), "color.cfg")), script());
            QCOMPARE(readAll(inFolder(expand(expected), "config.cfg")), Exec);
            QCOMPARE(makeDestination(),
                     QStringLiteral("Writes color.cfg into \"%1\".").arg(expand(expected)));
            return;
        }
        QVERIFY(!made);
        const WriteFailure *failure = &made.error();
        QStringList others;
#ifdef Q_OS_WIN
        const QString standard = QStringLiteral("C:\\Program Files\\Raven\\SOF\\user");
        others << programs32Game();
#else
        const QString standard = game.path();
        for (const QString &place : {QStringLiteral("$P"), QStringLiteral("~/.wine")})
            others << expand(place + QStringLiteral("/drive_c/Program Files (x86)/Raven/SOF/user"))
                   << expand(place + QStringLiteral("/drive_c/Program Files/Raven/SOF/user"));
#endif
        // Where Windows redirects the game, with the copy in VirtualStore looked in too.
        const auto withTwin = [](const QString &place) {
#ifdef Q_OS_WIN
            return u'"' + place + QStringLiteral("\" (or its VirtualStore copy \"") +
                   virtualStoreOf(place) + QStringLiteral("\")");
#else
            return u'"' + place + u'"';
#endif
        };
        QStringList quoted;
        for (const QString &place : others)
            quoted << withTwin(place);
        QString there;
#ifdef Q_OS_WIN
        there = QStringLiteral(" (or its VirtualStore copy \"%1\")").arg(virtualStoreOf(standard));
#endif
        const QString message = failure->message();
        QVERIFY2(
            message.startsWith(
                QStringLiteral("Could not write \"%1\": ").arg(inFolder(standard, "color.cfg"))),
            qPrintable(message));
        QCOMPARE(message.section(u'\n', 1),
                 QStringLiteral("\nThe game's folder was not found there%1, nor in:\n").arg(there) +
                     quoted.join(u'\n') +
                     QStringLiteral("\nUse \"...\" to choose another folder."));
        QCOMPARE(makeDestination(),
                 QStringLiteral("The game's folder was not found in %1, nor in:\n")
                         .arg(withTwin(standard)) +
                     quoted.join(u'\n') +
                     QStringLiteral(".\nUse \"...\" to choose another folder."));
        QVERIFY(!QFileInfo::exists(standard));
    }

    // Where Windows redirects the game's writes, each file goes into every copy the game reads:
    // its copy in the player's VirtualStore where one exists or where the player may not write
    // the real one, the real one where the player may. Under Windows this is Make into the
    // folder for 32-bit programs; elsewhere the same rules with a folder and its twin. A real
    // folder the player may not write needs a standard user: root drops to one for it, and under
    // Wine it runs in a prefix of that user's (tst_gamefolders_standard_user).
    // A config.cfg the player made read-only is their own lock: reported, as a read-only script
    // is, and never sent to the redirected copy, which would from then on override the config
    // they locked.
    void aReadOnlyConfigIsReportedNotRedirected()
    {
        QTemporaryDir dir;
        const QString folder = QDir::toNativeSeparators(dir.filePath(QStringLiteral("real")));
        const QString twin = QDir::toNativeSeparators(dir.filePath(QStringLiteral("twin")));
        QVERIFY(QDir().mkpath(folder));
        writeFile(inFolder(folder, "config.cfg"), OwnConfig);
        QVERIFY(QFile::setPermissions(inFolder(folder, "config.cfg"),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const auto writable = qScopeGuard([&] {
            QFile::setPermissions(inFolder(folder, "config.cfg"),
                                  QFile::ReadOwner | QFile::WriteOwner);
        });
        const WriteStatus written =
            writeWhereTheGameReads(folder, twin, testing::sampleComposition());
        QVERIFY(!written);
        QCOMPARE(written.error().files.size(), 1u);
        QCOMPARE(written.error().files[0].path, inFolder(folder, "config.cfg"));
        QCOMPARE(readAll(inFolder(folder, "config.cfg")), OwnConfig);
        QVERIFY(!QFileInfo::exists(inFolder(twin, "config.cfg")));
    }

    void everyCopyTheGameReadsIsWritten_data()
    {
        QTest::addColumn<QString>("real");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<bool>("realWritten");
        QTest::addColumn<QString>("twinScript");
        QTest::addColumn<QString>("twinConfig");
        QTest::newRow("writable, no copies")
            << QStringLiteral("writable") << QStringLiteral("none") << true
            << QStringLiteral("absent") << QStringLiteral("absent");
        QTest::newRow("writable, stale copies of both")
            << QStringLiteral("writable") << QStringLiteral("both") << true << QStringLiteral("new")
            << QStringLiteral("stale+exec");
        QTest::newRow("writable, stale copy of config.cfg")
            << QStringLiteral("writable") << QStringLiteral("config") << true
            << QStringLiteral("absent") << QStringLiteral("stale+exec");
        QTest::newRow("only in VirtualStore")
            << QStringLiteral("missing") << QStringLiteral("folder") << false
            << QStringLiteral("new") << QStringLiteral("exec");
        QTest::newRow("locked, no copies")
            << QStringLiteral("locked") << QStringLiteral("none") << false << QStringLiteral("new")
            << QStringLiteral("own+exec");
        QTest::newRow("locked, stale copies of both")
            << QStringLiteral("locked") << QStringLiteral("both") << false << QStringLiteral("new")
            << QStringLiteral("stale+exec");
    }
    void everyCopyTheGameReadsIsWritten()
    {
        QFETCH(QString, real);
        QFETCH(QString, copies);
        QFETCH(bool, realWritten);
        QFETCH(QString, twinScript);
        QFETCH(QString, twinConfig);
        const bool locked = real == QStringLiteral("locked");

#ifdef Q_OS_WIN
        const QString folder = programs32Game();
        const QString twin = virtualStoreOf(folder);
        const QString ravenTwin = QFileInfo(QFileInfo(twin).path()).path();
        const bool present = QFileInfo::exists(folder);
        if (QFileInfo::exists(QStringLiteral("C:/Program Files/Raven")) ||
            QFileInfo::exists(ravenTwin) || (present && canWriteInto(folder)))
            QSKIP("the game is installed on this machine; the test leaves it alone");
        if (locked && !present)
            QSKIP("an administrator may write every program folder: this case runs as a standard "
                  "user (tst_gamefolders_standard_user)");
        if (!locked && present)
            QSKIP("the game's folder is there and may not be written; the test leaves it alone");
        const auto removeMade = qScopeGuard([&] {
            QDir(ravenTwin).removeRecursively();
            if (!present)
                QDir(QFileInfo(QFileInfo(folder).path()).path()).removeRecursively();
        });
#else
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("real"));
        const QString twin = dir.filePath(QStringLiteral("twin"));
        const auto writable = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
#endif
        if (real != QStringLiteral("missing") && !QFileInfo::exists(folder)) {
            QVERIFY(QDir().mkpath(folder));
            writeFile(inFolder(folder, "color.cfg"), OldScript);
            writeFile(inFolder(folder, "config.cfg"), OwnConfig);
        }
        if (copies != QStringLiteral("none"))
            QVERIFY(QDir().mkpath(twin));
        if (copies == QStringLiteral("both"))
            writeFile(inFolder(twin, "color.cfg"), StaleScript);
        if (copies == QStringLiteral("both") || copies == QStringLiteral("config"))
            writeFile(inFolder(twin, "config.cfg"), StaleConfig);
        const QByteArray ownScript = readAll(inFolder(folder, "color.cfg"));
        const QByteArray ownConfig = readAll(inFolder(folder, "config.cfg"));

        // The game reads the script from the twin wherever a copy of it is there.
        const QString reads = twinScript == QStringLiteral("absent") ? folder : twin;
#ifdef Q_OS_WIN
        QCOMPARE(makeDestination(),
                 QStringLiteral("Writes color.cfg into \"%1\".").arg(reads) +
                     (reads == twin ? QStringLiteral("\nThis is the game's VirtualStore copy of "
                                                     "\"%1\".")
                                          .arg(folder)
                                    : QString()));
        const MakeStatus made = makeScript(testing::sampleComposition());
        QVERIFY(testing::succeeded(made));
        QCOMPARE(*made, reads);
        QCOMPARE(scriptTheGameReads(inFolder(folder, "color.cfg")).path,
                 inFolder(reads, "color.cfg"));
#else
        if (locked) {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner |
                                                      QFile::ReadOther | QFile::ExeOther));
            QVERIFY(testing::handOver(dir.path()));
            if (QFileInfo::exists(twin))
                QVERIFY(handOverTree(twin));
        }
        const auto write = [&] {
            const WriteStatus written =
                writeWhereTheGameReads(folder, twin, testing::sampleComposition());
            return written && *written == reads;
        };
        const auto writeAsTold = [&] {
            return folderTheGameReads(folder, twin) == reads && write();
        };
        QVERIFY(locked ? testing::runWherePermissionsHold(
                             [&] { return !canWriteInto(folder) && writeAsTold(); })
                       : writeAsTold());
        QCOMPARE(scriptTheGameReads(inFolder(folder, "color.cfg"), twin).path,
                 inFolder(reads, "color.cfg"));
#endif

        if (realWritten) {
            QCOMPARE(readAll(inFolder(folder, "color.cfg")), script());
            QCOMPARE(readAll(inFolder(folder, "config.cfg")), ownConfig + Exec);
        } else if (real == QStringLiteral("missing")) {
            QVERIFY(!QFileInfo::exists(folder));
        } else {
            QCOMPARE(readAll(inFolder(folder, "color.cfg")), ownScript);
            QCOMPARE(readAll(inFolder(folder, "config.cfg")), ownConfig);
        }
        if (twinScript == QStringLiteral("absent"))
            QVERIFY(!QFileInfo::exists(inFolder(twin, "color.cfg")));
        else
            QCOMPARE(readAll(inFolder(twin, "color.cfg")), script());
        const QMap<QString, QByteArray> configs{
            {QStringLiteral("exec"), Exec},
            {QStringLiteral("stale+exec"), StaleConfig + Exec},
            {QStringLiteral("own+exec"), ownConfig + Exec},
        };
        if (twinConfig == QStringLiteral("absent"))
            QVERIFY(!QFileInfo::exists(inFolder(twin, "config.cfg")));
        else
            QCOMPARE(readAll(inFolder(twin, "config.cfg")), configs.value(twinConfig));
        // Nothing is made where nothing is needed.
        if (copies == QStringLiteral("none") && !locked)
            QVERIFY(!QFileInfo::exists(twin));
    }
};

QTEST_GUILESS_MAIN(TestGameFolders)
#include "tst_gamefolders.moc"
