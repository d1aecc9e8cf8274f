// SPDX-License-Identifier: MIT
#include "model/composition.h"
#include "output/colourscript.h"
#include "output/gamefolder.h"
#include "output/nativefile.h"
#include "output/scriptflows.h"
#include "output/scriptwriter.h"
#include "support/files.h"
#include "support/gamefolder.h"

#include <filesystem>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tintforge;
using tintforge::testing::readAll;
using tintforge::testing::writeFile;

namespace {

const QByteArray Exec = "exec color.cfg\r\n";

QByteArray expectedScript(const Composition &c)
{
    return QByteArray::fromStdString(renderColourScript(c));
}

// Every entry of a folder with its content, so a test can see that nothing else changed and no
// temporary file was left behind.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    const QDir dir(folder);
    for (const QFileInfo &info :
         dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        // Not read when it is a FIFO or a device: that could wait for a writer for ever.
        const std::filesystem::file_status kind =
            std::filesystem::symlink_status(info.filePath().toStdU16String());
        entries.insert(info.fileName(),
                       info.isSymLink()                         ? info.symLinkTarget().toUtf8()
                       : std::filesystem::is_directory(kind)    ? QByteArray("<folder>")
                       : std::filesystem::is_regular_file(kind) ? readAll(info.filePath())
                                                                : QByteArray("<special>"));
    }
    return entries;
}

} // namespace

class TestScriptWriter : public QObject
{
    Q_OBJECT

private slots:
    // Folder names go to the system whole, in its own notation: spaces and letters beyond ASCII
    // name the same folder in the message and on the disk.
    void writesScriptAndCreatesConfig_data()
    {
        QTest::addColumn<QString>("subfolder");
        QTest::newRow("plain") << QString();
        QTest::newRow("spaces") << QStringLiteral("Raven Software/SOF user");
        QTest::newRow("letters beyond ASCII")
            << QStringLiteral("Jeux \u00E9t\u00E9 \u00C4\u00F6\u00FC/\u03A9\u03BB \u0416");
    }
    void writesScriptAndCreatesConfig()
    {
        QFETCH(QString, subfolder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(subfolder.isEmpty() ? QStringLiteral(".") : subfolder));
        const QString folder = QDir::toNativeSeparators(QDir(dir.path()).filePath(subfolder));
        const Composition c = testing::sampleComposition();
        QCOMPARE(writeColourScript(folder, c), std::nullopt);
        QMap<QString, QByteArray> expected;
        expected.insert(QStringLiteral("color.cfg"), expectedScript(c));
        expected.insert(QStringLiteral("config.cfg"), Exec);
        QCOMPARE(snapshot(folder), expected);
    }

    void writingTwiceReplacesScriptAndAddsSecondExecLine()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("color.cfg")), QByteArray(5000, 'o'));
        const Composition c = testing::sampleComposition();
        QCOMPARE(writeColourScript(dir.path(), c), std::nullopt);
        QCOMPARE(writeColourScript(dir.path(), c), std::nullopt);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), expectedScript(c));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))), Exec + Exec);
        QCOMPARE(snapshot(dir.path()).size(), 2);
    }

    void execLineStandsOnItsOwnLine_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty file") << QByteArray("") << Exec;
        QTest::newRow("ends with CR LF")
            << QByteArray("bind x\r\n") << QByteArray("bind x\r\n") + Exec;
        QTest::newRow("ends with LF") << QByteArray("bind x\n") << QByteArray("bind x\n") + Exec;
        QTest::newRow("no final break") << QByteArray("bind x") << QByteArray("bind x\r\n") + Exec;
        QTest::newRow("ends with CR")
            << QByteArray("bind x\r") << QByteArray("bind x\r\r\n") + Exec;
        QTest::newRow("exec already there") << Exec << Exec + Exec;
    }
    void execLineStandsOnItsOwnLine()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("config.cfg")), config);
        QCOMPARE(writeColourScript(dir.path(), testing::sampleComposition()), std::nullopt);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))), expected);
    }

    // Each fault is real and holds for root too. Whatever fails, the old files stay as they
    // were, no temporary file is left, and the error names the file that failed.
    void failuresLoseNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("failingFile");
        QTest::addColumn<bool>("scriptWritten");
        QTest::newRow("folder missing")
            << QStringLiteral("missing") << QStringLiteral("color.cfg") << false;
        QTest::newRow("folder through a regular file")
            << QStringLiteral("through-file") << QStringLiteral("color.cfg") << false;
        QTest::newRow("folder where the script goes")
            << QStringLiteral("script-is-folder") << QStringLiteral("color.cfg") << false;
        QTest::newRow("config is a folder")
            << QStringLiteral("config-is-folder") << QStringLiteral("config.cfg") << true;
        // A user who made the script read-only meant it not to change, also as root.
        QTest::newRow("script read-only")
            << QStringLiteral("script-read-only") << QStringLiteral("color.cfg") << false;
        if (testing::CanHoldWithoutSharing) {
            QTest::newRow("script held open by another program")
                << QStringLiteral("script-held") << QStringLiteral("color.cfg") << false;
            QTest::newRow("config held open by another program")
                << QStringLiteral("config-held") << QStringLiteral("config.cfg") << true;
        }
#ifdef Q_OS_UNIX
        // No open may wait: the window would freeze until a reader came.
        QTest::newRow("config a FIFO nobody reads")
            << QStringLiteral("config-fifo") << QStringLiteral("config.cfg") << true;
#endif
#ifdef Q_OS_LINUX
        QTest::newRow("config on a full device")
            << QStringLiteral("config-full") << QStringLiteral("config.cfg") << true;
        QTest::newRow("script cut short by file size limit")
            << QStringLiteral("size-limit") << QStringLiteral("color.cfg") << false;
#endif
    }
    void failuresLoseNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, failingFile);
        QFETCH(bool, scriptWritten);

        QTemporaryDir dir;
        QString folder = dir.path();
        const QByteArray oldScript = "old script\r\n";
        const QByteArray oldConfig = "bind x\r\n";
        if (fault == QStringLiteral("missing")) {
            folder = dir.filePath(QStringLiteral("missing"));
        } else if (fault == QStringLiteral("through-file")) {
            writeFile(dir.filePath(QStringLiteral("file")), "x");
            folder = dir.filePath(QStringLiteral("file/user"));
        } else {
            writeFile(dir.filePath(QStringLiteral("config.cfg")), oldConfig);
            writeFile(dir.filePath(QStringLiteral("color.cfg")), oldScript);
        }
        if (fault == QStringLiteral("script-is-folder")) {
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("color.cfg"))));
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("color.cfg")));
        } else if (fault == QStringLiteral("config-is-folder")) {
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("config.cfg"))));
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("config.cfg")));
        } else if (fault == QStringLiteral("config-fifo")) {
#ifdef Q_OS_UNIX
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("config.cfg"))));
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("config.cfg"))), 0666),
                     0);
#endif
        } else if (fault == QStringLiteral("config-full")) {
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("config.cfg"))));
            QVERIFY(QFile::link(QStringLiteral("/dev/full"),
                                dir.filePath(QStringLiteral("config.cfg"))));
        }

        const QString script = dir.filePath(QStringLiteral("color.cfg"));
        const auto writable = qScopeGuard(
            [&] { QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner); });
        if (fault == QStringLiteral("script-read-only"))
            QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ReadUser));
        const Composition c = testing::sampleComposition();
        QMap<QString, QByteArray> expected = snapshot(dir.path());
        std::optional<testing::HeldWithoutSharing> held;
        if (fault == QStringLiteral("script-held"))
            QVERIFY(held.emplace(script).isHeld());
        else if (fault == QStringLiteral("config-held"))
            QVERIFY(held.emplace(dir.filePath(QStringLiteral("config.cfg"))).isHeld());
        const std::optional<FileError> error =
            fault == QStringLiteral("size-limit")
                ? testing::writeInChildUnderFileSizeLimit(folder, c, 100)
                : writeColourScript(folder, c);

        QVERIFY(error.has_value());
        QCOMPARE(error->path, joinPath(folder, failingFile.toStdString()));
        QVERIFY(!error->reason.isEmpty());
        QVERIFY(error->message().contains(error->path));
        QVERIFY(error->message().contains(error->reason));
        if (scriptWritten)
            expected.insert(QStringLiteral("color.cfg"), expectedScript(c));
        held.reset();
        QCOMPARE(snapshot(dir.path()), expected);
    }

    // A writer killed before its rename leaves its temporary script behind (its hold ends with
    // it); the next write into the folder removes it, but never a temporary script that a running
    // writer holds, nor anybody else's file.
    void temporariesLeftByAKilledWriterAreRemoved()
    {
        QTemporaryDir dir;
        const QStringList left{QStringLiteral("color.cfg.0123456789abcdef.tmp"),
                               QStringLiteral("color.cfg.00000000deadbeef.tmp")};
        const QStringList others{
            QStringLiteral("color.cfg.0123.tmp"), QStringLiteral("color.cfg.0123456789abcdeg.tmp"),
            QStringLiteral("color.cfg.bak"),      QStringLiteral("config.cfg.0123456789abcdef.tmp"),
            QStringLiteral("notes.tmp"),          QStringLiteral("color.cfg.fedcba9876543210.tmp")};
        for (const QString &name : left + others)
            writeFile(dir.filePath(name), "half a script");
        NativeFile running(dir.filePath(others.last()), NativeFile::Mode::Read);
        running.holdAgainstOurOtherWriters();

        QCOMPARE(writeColourScript(dir.path(), testing::sampleComposition()), std::nullopt);
        QStringList expected = others;
        expected << QStringLiteral("color.cfg") << QStringLiteral("config.cfg");
        expected.sort();
        QStringList found = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        found.sort();
        QCOMPARE(found, expected);
    }

    // A replaced script keeps who may read and write it, whatever the umask says.
    void replacedScriptKeepsItsPermissionBits()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("color.cfg"));
        writeFile(script, "old script\r\n");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(script, mode));
        QCOMPARE(writeColourScript(dir.path(), testing::sampleComposition()), std::nullopt);
        QCOMPARE(readAll(script), expectedScript(testing::sampleComposition()));
        QCOMPARE(QFile::permissions(script) & ~(QFile::ReadUser | QFile::WriteUser), mode);
#else
        QSKIP("Windows files carry no permission bits; the read-only attribute is tested above");
#endif
    }

    // The name in the folder is replaced; a link's target, wherever it is, is never written.
    void linkedScriptIsReplacedNotFollowed()
    {
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("precious.txt"));
        writeFile(target, "keep me\n");
        QVERIFY(QFile::link(target, dir.filePath(QStringLiteral("color.cfg"))));

        QCOMPARE(writeColourScript(dir.path(), testing::sampleComposition()), std::nullopt);
        const QFileInfo script(dir.filePath(QStringLiteral("color.cfg")));
        QVERIFY(!script.isSymLink());
        QVERIFY(script.isFile());
        QCOMPARE(readAll(script.filePath()), expectedScript(testing::sampleComposition()));
        QCOMPARE(readAll(target), QByteArray("keep me\n"));
    }

    // Two programs pressing Make at once: every exec line arrives whole, none overwrites another.
    void concurrentWritersKeepEveryExecLine()
    {
        QTemporaryDir dir;
        constexpr int Rounds = 300;
        const Composition c = testing::sampleComposition();
        const auto makeRepeatedly = [&] {
            for (int i = 0; i < Rounds; ++i)
                writeColourScript(dir.path(), c);
        };
        constexpr int Writers = 3;
        std::vector<std::thread> writers;
        writers.reserve(Writers);
        for (int i = 0; i < Writers; ++i)
            writers.emplace_back(makeRepeatedly);
        for (std::thread &writer : writers)
            writer.join();
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))),
                 Exec.repeated(qsizetype{Writers} * Rounds));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), expectedScript(c));
        QCOMPARE(snapshot(dir.path()).size(), 2);
    }

    // A full disk part-way through the exec line: config.cfg is cut back to what it was.
    void failedAppendLeavesConfigAsItWas()
    {
        if (!testing::CanLimitFileSize)
            QSKIP("needs a file size limit to fail a write part-way");
        QTemporaryDir dir;
        const QByteArray oldConfig = QByteArray(2000, 'b') + "\r\nbind x";
        writeFile(dir.filePath(QStringLiteral("config.cfg")), oldConfig);
        const Composition c = testing::sampleComposition();
        const auto error =
            testing::writeInChildUnderFileSizeLimit(dir.path(), c, unsigned(oldConfig.size()) + 5);
        QVERIFY(error.has_value());
        QCOMPARE(error->path, dir.filePath(QStringLiteral("config.cfg")));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))), oldConfig);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), expectedScript(c));
    }

    // A failed append is cut back only while config.cfg ends with its own bytes: a line another
    // program (the game) has appended before or after them stays.
    void cutBackNeverRemovesAnotherProgramsLines_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("ownBytesLast");
        QTest::newRow("nobody else wrote") << QByteArray() << QByteArray() << true;
        QTest::newRow("another program appended first")
            << QByteArray("seta name x\n") << QByteArray() << false;
        QTest::newRow("another program appended after")
            << QByteArray() << QByteArray("seta name x\n") << false;
    }
    void cutBackNeverRemovesAnotherProgramsLines()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, ownBytesLast);
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("config.cfg"));
        const QByteArray oldConfig = "bind x\r\n";
        writeFile(config, oldConfig);
        const auto appendAsAnotherProgram = [&](const QByteArray &bytes) {
            QFile other(config);
            QVERIFY(other.open(QIODevice::Append));
            QCOMPARE(other.write(bytes), bytes.size());
        };

        NativeFile ours(config, NativeFile::Mode::Append);
        const std::optional<std::int64_t> oldSize = ours.regularFileSize();
        QCOMPARE(oldSize, oldConfig.size());
        appendAsAnotherProgram(before);
        const QByteArray partial = "exec co";
        QVERIFY(ours.writeAll(partial.toStdString()));
        appendAsAnotherProgram(after);
        QCOMPARE(ours.endsWhereOurWritesLeftIt(*oldSize), ownBytesLast);
        QCOMPARE(readAll(config), oldConfig + before + partial + after);
    }

    // A config.cfg the user may append to but not read: its last byte is unknown, so the exec line
    // starts on a line of its own.
    void writeOnlyConfigGetsExecLineOnALineOfItsOwn()
    {
#ifndef Q_OS_UNIX
        QSKIP("write-only files need POSIX permission bits");
#else
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("config.cfg"));
        writeFile(config, "bind x");
        QVERIFY(testing::handOver(dir.path()));
        QVERIFY(testing::handOver(config));
        QVERIFY(QFile::setPermissions(config, QFile::WriteOwner));
        const Composition c = testing::sampleComposition();
        QVERIFY(testing::runWherePermissionsHold([&] {
            const bool unreadable = ::access(QFile::encodeName(config).constData(), R_OK) != 0;
            return unreadable && !writeColourScript(dir.path(), c).has_value();
        }));
        QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(readAll(config), QByteArray("bind x\r\n") + Exec);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), expectedScript(c));
#endif
    }

    void joinsWithOneSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
#ifdef Q_OS_WIN
        QTest::newRow("drive root") << QStringLiteral("C:\\") << QStringLiteral("C:\\color.cfg");
        QTest::newRow("folder") << QStringLiteral("C:\\Games\\SOF")
                                << QStringLiteral("C:\\Games\\SOF\\color.cfg");
#else
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/color.cfg");
        QTest::newRow("folder") << QStringLiteral("/games/sof")
                                << QStringLiteral("/games/sof/color.cfg");
        QTest::newRow("trailing separator")
            << QStringLiteral("/games/sof/") << QStringLiteral("/games/sof/color.cfg");
#endif
    }
    void joinsWithOneSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(joinPath(folder, ScriptFileName), expected);
    }

    // Make writes into the game's own user folder, and only when it is there.
    void makeWritesIntoTheGameFolder()
    {
        testing::TestGameFolder game;
        if (!game.usable())
            QSKIP("the game is installed in its standard folder; the test leaves it alone");
        QCOMPARE(DefaultGameFolder().path, game.path());

        // No game folder yet: Make reports it and creates nothing.
        const std::optional<WriteFailure> missing = makeScript(testing::sampleComposition());
        QVERIFY(missing.has_value());
        QCOMPARE(missing->files.size(), 1u);
        QCOMPARE(missing->files[0].path, game.file("color.cfg"));
        QVERIFY(!QFileInfo::exists(QFileInfo(game.path()).path()));

        QVERIFY(game.create());
        QCOMPARE(makeScript(testing::sampleComposition()), std::nullopt);
        QCOMPARE(readAll(game.file("color.cfg")), expectedScript(testing::sampleComposition()));
        QCOMPARE(readAll(game.file("config.cfg")), Exec);
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
            error = makeScript(testing::sampleComposition());
        }
        QVERIFY(error.has_value());
        QCOMPARE(error->files.size(), 1u);
        QVERIFY(error->files[0].path.endsWith(QStringLiteral("/.loki/sof/color.cfg")));
        QVERIFY(error->message().contains(QStringLiteral("home folder")));
        for (const std::string &home : {named, lookAlike})
            QVERIFY(std::filesystem::is_empty(home + "/.loki/sof"));
#else
        QSKIP("Windows names are UTF-16 as the program holds them: every name is held exactly");
#endif
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
        QCOMPARE(DefaultGameFolder().path, expected);
#else
        QSKIP("Windows has no HOME: Make writes into the standard install path");
#endif
    }
};

QTEST_GUILESS_MAIN(TestScriptWriter)
#include "tst_scriptwriter.moc"
