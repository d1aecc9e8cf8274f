// SPDX-License-Identifier: MIT
// Writing the script and the exec line into one folder: whole, or not at all, whatever fails.
#include "output/files/nativefile.h"
#include "output/files/paths.h"
#include "output/game/scriptwriting.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tintforge;
using tintforge::testing::readAll;
using tintforge::testing::scriptOf;
using tintforge::testing::writeFile;

class TestScriptWriting : public QObject
{
    Q_OBJECT

private slots:
    // Folder names go to the system whole, in its own notation: spaces and letters beyond ASCII
    // name the same folder in the message and on the disk. A second write replaces the script and
    // adds a second exec line; a script replaced that held lines of the player's own (or none
    // of the program's) is kept as color.cfg.bak, one the program wrote is not.
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
        QVERIFY(testing::succeeded(writeColourScript(folder, c)));
        QMap<QString, QByteArray> expected;
        expected.insert(QStringLiteral("color.cfg"), scriptOf(c));
        expected.insert(QStringLiteral("config.cfg"), testing::ExecLineBytes);
        QCOMPARE(testing::snapshot(folder), expected);

        const QString script = QDir(folder).filePath(QStringLiteral("color.cfg"));
        for (const QByteArray &own : {QByteArray(5000, 'o'), scriptOf(c) + "bind x \"say\"\r\n"}) {
            writeFile(script, own);
            const auto kept = replaceScript(folder, scriptOf(c).toStdString());
            QVERIFY(kept && *kept == joinPath(folder, std::string_view("color.cfg.bak")));
            expected.insert(QStringLiteral("color.cfg.bak"), own);
            QCOMPARE(testing::snapshot(folder), expected);
        }
        QVERIFY(testing::succeeded(writeColourScript(folder, c)));
        expected.insert(QStringLiteral("config.cfg"), testing::ExecLineBytes.repeated(2));
        QCOMPARE(testing::snapshot(folder), expected);
    }

    void execLineStandsOnItsOwnLine_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty file") << QByteArray("") << testing::ExecLineBytes;
        QTest::newRow("ends with CR LF")
            << QByteArray("bind x\r\n") << QByteArray("bind x\r\n") + testing::ExecLineBytes;
        QTest::newRow("ends with LF")
            << QByteArray("bind x\n") << QByteArray("bind x\n") + testing::ExecLineBytes;
        QTest::newRow("no final break")
            << QByteArray("bind x") << QByteArray("bind x\r\n") + testing::ExecLineBytes;
        QTest::newRow("ends with CR")
            << QByteArray("bind x\r") << QByteArray("bind x\r\r\n") + testing::ExecLineBytes;
        QTest::newRow("exec already there")
            << testing::ExecLineBytes << testing::ExecLineBytes + testing::ExecLineBytes;
    }
    void execLineStandsOnItsOwnLine()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("config.cfg")), config);
        QVERIFY(testing::succeeded(writeColourScript(dir.path(), testing::sampleComposition())));
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
        // Another program's lock never freezes the window: after a bounded wait the file is
        // reported as in use.
        QTest::newRow("config locked by another program")
            << QStringLiteral("config-locked") << QStringLiteral("config.cfg") << true;
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
        // Nor may a write: a pipe whose reader stopped reading fails it at once.
        QTest::newRow("config a full pipe")
            << QStringLiteral("config-full-pipe") << QStringLiteral("config.cfg") << true;
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
#ifdef Q_OS_UNIX
        int reader = -1; // the reader of a FIFO, which never reads
        const auto stopReading = qScopeGuard([&] {
            if (reader >= 0)
                ::close(reader);
        });
#endif
        QString folder = dir.path();
        const QString script = dir.filePath(QStringLiteral("color.cfg"));
        const QString config = dir.filePath(QStringLiteral("config.cfg"));
        if (fault == QStringLiteral("missing")) {
            folder = dir.filePath(QStringLiteral("missing"));
        } else if (fault == QStringLiteral("through-file")) {
            writeFile(dir.filePath(QStringLiteral("file")), "x");
            folder = dir.filePath(QStringLiteral("file/user"));
        } else {
            writeFile(config, "bind x\r\n");
            writeFile(script, "old script\r\n");
        }
        // The file in the way takes the place of the old one.
        const QString inTheWay = fault == QStringLiteral("script-is-folder") ? script : config;
        if (QStringList{QStringLiteral("script-is-folder"), QStringLiteral("config-is-folder"),
                        QStringLiteral("config-fifo"), QStringLiteral("config-full-pipe"),
                        QStringLiteral("config-full")}
                .contains(fault))
            QVERIFY(QFile::remove(inTheWay));
        if (fault.endsWith(QStringLiteral("-is-folder")))
            QVERIFY(QDir().mkdir(inTheWay));
        else if (fault == QStringLiteral("config-full"))
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), config));
#ifdef Q_OS_UNIX
        const QByteArray fifo = QFile::encodeName(config);
        if (fault == QStringLiteral("config-fifo") || fault == QStringLiteral("config-full-pipe"))
            QCOMPARE(::mkfifo(fifo.constData(), 0666), 0);
        if (fault == QStringLiteral("config-full-pipe")) {
            reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
            const int filler = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            QVERIFY(reader >= 0 && filler >= 0);
            const QByteArray block(4096, 'x');
            while (::write(filler, block.constData(), std::size_t(block.size())) > 0) {
            }
            ::close(filler);
        }
#endif
        const auto writable = qScopeGuard(
            [&] { QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner); });
        if (fault == QStringLiteral("script-read-only"))
            QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ReadUser));
        const Composition c = testing::sampleComposition();
        QMap<QString, QByteArray> expected = testing::snapshot(dir.path());
        std::optional<testing::HeldWithoutSharing> held;
        if (fault == QStringLiteral("script-held"))
            QVERIFY(held.emplace(script).isHeld());
        else if (fault == QStringLiteral("config-held"))
            QVERIFY(held.emplace(config).isHeld());
        std::optional<Result<NativeFile, FileCause>> locker;
        if (fault == QStringLiteral("config-locked")) {
            locker.emplace(NativeFile::open(config, NativeFile::Mode::Read));
            QVERIFY(*locker && (*locker)->holdAgainstOurOtherWriters());
        }
        const FileStatus written = fault == QStringLiteral("size-limit")
                                       ? testing::writeInChildUnderFileSizeLimit(folder, c, 100)
                                       : writeColourScript(folder, c);

        QVERIFY(!written);
        const FileError &error = written.error();
        QCOMPARE(error.path, joinPath(folder, failingFile.toStdString()));
        const auto *system = std::get_if<SystemError>(&error.cause);
        QVERIFY(!system || !system->reason.isEmpty());
        if (scriptWritten && expected.contains(QStringLiteral("color.cfg")))
            expected.insert(QStringLiteral("color.cfg.bak"), expected.value("color.cfg"));
        if (scriptWritten)
            expected.insert(QStringLiteral("color.cfg"), scriptOf(c));
        held.reset();
        QCOMPARE(testing::snapshot(dir.path()), expected);
    }
};

QTEST_GUILESS_MAIN(TestScriptWriting)
#include "tst_scriptwriting.moc"
