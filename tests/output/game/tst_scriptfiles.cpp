// SPDX-License-Identifier: MIT
// Writing the script and the exec line into one folder: whole, or not at all, whatever fails.
#include "output/files/nativefile.h"
#include "output/files/paths.h"
#include "output/game/scriptfiles.h"
#include "output/script/execline.h"
#include "output/script/scriptwriting.h"
#include "support/files.h"
#include "ui/words/reasons.h"

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
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/syscall.h>
#include <sys/xattr.h>
#endif

using namespace tintforge;
using tintforge::testing::readAll;
using tintforge::testing::scriptOf;
using tintforge::testing::writeFile;

namespace {

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

class TestScriptFiles : public QObject
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
        QVERIFY(testing::succeeded(writeColourScript(folder, c)));
        QMap<QString, QByteArray> expected;
        expected.insert(QStringLiteral("color.cfg"), scriptOf(c));
        expected.insert(QStringLiteral("config.cfg"), testing::ExecLineBytes);
        QCOMPARE(snapshot(folder), expected);
    }

    void writingTwiceReplacesScriptAndAddsSecondExecLine()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("color.cfg")), QByteArray(5000, 'o'));
        const Composition c = testing::sampleComposition();
        QVERIFY(testing::succeeded(writeColourScript(dir.path(), c)));
        QVERIFY(testing::succeeded(writeColourScript(dir.path(), c)));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), scriptOf(c));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))),
                 testing::ExecLineBytes + testing::ExecLineBytes);
        QCOMPARE(snapshot(dir.path()).size(), 2);
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
        } else if (fault == QStringLiteral("config-full-pipe")) {
#ifdef Q_OS_UNIX
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("config.cfg"))));
            const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("config.cfg")));
            QCOMPARE(::mkfifo(fifo.constData(), 0666), 0);
            reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
            const int filler = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            QVERIFY(reader >= 0 && filler >= 0);
            const QByteArray block(4096, 'x');
            while (::write(filler, block.constData(), std::size_t(block.size())) > 0) {
            }
            ::close(filler);
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
        std::optional<Result<NativeFile, SystemError>> locker;
        if (fault == QStringLiteral("config-locked")) {
            locker.emplace(NativeFile::open(dir.filePath(QStringLiteral("config.cfg")),
                                            NativeFile::Mode::Read));
            QVERIFY(*locker && (*locker)->holdAgainstOurOtherWriters());
        }
        const FileStatus written = fault == QStringLiteral("size-limit")
                                       ? testing::writeInChildUnderFileSizeLimit(folder, c, 100)
                                       : writeColourScript(folder, c);

        QVERIFY(!written);
        const FileError &error = written.error();
        QCOMPARE(error.path, joinPath(folder, failingFile.toStdString()));
        QVERIFY(!reasonText(error.cause).isEmpty());
        QVERIFY(writeFailureMessage(error).contains(error.path));
        QVERIFY(writeFailureMessage(error).contains(reasonText(error.cause)));
        if (scriptWritten)
            expected.insert(QStringLiteral("color.cfg"), scriptOf(c));
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
        auto running = NativeFile::open(dir.filePath(others.last()), NativeFile::Mode::Read);
        QVERIFY(running && running->holdAgainstOurOtherWriters());

        QVERIFY(testing::succeeded(writeColourScript(dir.path(), testing::sampleComposition())));
        QStringList expected = others;
        expected << QStringLiteral("color.cfg") << QStringLiteral("config.cfg");
        expected.sort();
        QStringList found = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        found.sort();
        QCOMPARE(found, expected);
    }

    // A replaced script keeps who may read and write it, whatever the umask says, and no more:
    // the set-user-ID, set-group-ID and sticky bits are not taken over.
    void replacedScriptKeepsItsPermissionBits_data()
    {
        QTest::addColumn<uint>("before");
        QTest::addColumn<uint>("after");
        QTest::newRow("owner writes, group reads") << 0640u << 0640u;
        QTest::newRow("set-user-ID, set-group-ID and sticky") << 07777u << 0777u;
    }
    void replacedScriptKeepsItsPermissionBits()
    {
#ifdef Q_OS_UNIX
        QFETCH(uint, before);
        QFETCH(uint, after);
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("color.cfg"));
        writeFile(script, "old script\r\n");
        const QByteArray name = QFile::encodeName(script);
        QCOMPARE(::chmod(name.constData(), before), 0);
        QVERIFY(testing::succeeded(writeColourScript(dir.path(), testing::sampleComposition())));
        QCOMPARE(readAll(script), scriptOf(testing::sampleComposition()));
        struct stat status {
        };
        QCOMPARE(::stat(name.constData(), &status), 0);
        QCOMPARE(uint(status.st_mode & 07777), after);
#else
        QSKIP("Windows files carry no permission bits; the read-only attribute is tested above");
#endif
    }

    // ... and its whole access control list, where the file system keeps one: the named entry
    // stays, and the group bits stay the list's mask.
    void replacedScriptKeepsItsAccessControlList()
    {
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("color.cfg"));
        writeFile(script, "old script\r\n");
        QVERIFY(
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        // setfacl -m u:nobody:rw, as the file system keeps it: a version, then tag, permissions
        // and id of each entry (the owner, nobody, the group, the mask, the others).
        const auto entry = [](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
            QByteArray bytes;
            bytes.append(reinterpret_cast<const char *>(&tag), 2);
            bytes.append(reinterpret_cast<const char *>(&perm), 2);
            bytes.append(reinterpret_cast<const char *>(&id), 4);
            return bytes;
        };
        constexpr std::uint32_t None = 0xFFFFFFFF;
        const QByteArray list = QByteArray::fromHex("02000000") + entry(0x01, 6, None) +
                                entry(0x02, 6, testing::UnprivilegedId) + entry(0x04, 4, None) +
                                entry(0x10, 6, None) + entry(0x20, 0, None);
        const QByteArray path = QFile::encodeName(script);
        const char *name = "system.posix_acl_access";
        if (::setxattr(path.constData(), name, list.constData(), std::size_t(list.size()), 0) != 0)
            QSKIP("the file system here keeps no access control lists");
        const QFile::Permissions before = QFile::permissions(script);

        QVERIFY(testing::succeeded(writeColourScript(dir.path(), testing::sampleComposition())));
        QCOMPARE(readAll(script), scriptOf(testing::sampleComposition()));
        QByteArray kept(256, '\0');
        const ssize_t size =
            ::getxattr(path.constData(), name, kept.data(), std::size_t(kept.size()));
        QCOMPARE(kept.left(size), list);
        QCOMPARE(QFile::permissions(script), before);
#else
        QSKIP("access control lists are tested where the writer copies them, on Linux");
#endif
    }

    // A restrictive umask never locks the program out of the files it made.
    void filesItMakesStayWritableWhateverTheUmask()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const mode_t old = ::umask(0277);
        const auto restore = qScopeGuard([old] { ::umask(old); });
        QVERIFY(testing::succeeded(writeColourScript(dir.path(), testing::sampleComposition())));
        // The files' owner writes again, where permission bits hold.
        for (const char *name : {".", "color.cfg", "config.cfg"})
            QVERIFY(testing::handOver(dir.filePath(QString::fromLatin1(name))));
        QVERIFY(testing::runWherePermissionsHold(
            [&] { return writeColourScript(dir.path(), testing::sampleComposition()).ok(); }));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))),
                 testing::ExecLineBytes + testing::ExecLineBytes);
#else
        QSKIP("Windows has no umask");
#endif
    }

    // Near the path length limit the temporary name beside the script would not fit as a path;
    // the writer names every file in the folder it has opened.
    void writesIntoAFolderNearThePathLengthLimit()
    {
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        constexpr qsizetype Length = 4070;
        QString folder = dir.path();
        while (folder.size() + 201 < Length - 50)
            folder += u'/' + QString(200, u'd');
        folder += u'/' + QString(Length - folder.size() - 1, u'e');
        QCOMPARE(folder.size(), Length);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(testing::succeeded(writeColourScript(folder, testing::sampleComposition())));
        QCOMPARE(readAll(folder + QStringLiteral("/color.cfg")),
                 scriptOf(testing::sampleComposition()));
        QCOMPARE(readAll(folder + QStringLiteral("/config.cfg")), testing::ExecLineBytes);
#else
        QSKIP("the path length limit is tested where names are resolved in the opened folder");
#endif
    }

    // Whatever the number of files the program may still open, a write either succeeds or fails
    // cleanly: the old script stays whole and no temporary file is left.
    void runningOutOfDescriptorsLeavesNoTemporary()
    {
#ifdef Q_OS_UNIX
        for (int spare = 1; spare <= 4; ++spare) {
            QTemporaryDir dir;
            const QByteArray old = "old script\r\n";
            writeFile(dir.filePath(QStringLiteral("color.cfg")), old);
            testing::runInChild([&] {
                const int lowest = ::dup(0);
                ::close(lowest);
                rlimit few{};
                ::getrlimit(RLIMIT_NOFILE, &few);
                few.rlim_cur = rlim_t(lowest) + rlim_t(spare);
                ::setrlimit(RLIMIT_NOFILE, &few);
                return writeColourScript(dir.path(), testing::sampleComposition()).ok();
            });
            const QMap<QString, QByteArray> left = snapshot(dir.path());
            QVERIFY2(left.size() <= 2, qPrintable(left.keys().join(u' ')));
            QVERIFY(left.value(QStringLiteral("color.cfg")) == old ||
                    left.value(QStringLiteral("color.cfg")) ==
                        scriptOf(testing::sampleComposition()));
        }
#else
        QSKIP("needs a limit on open files");
#endif
    }

    // A flush that fails after the exec line was written is a failed write: config.cfg is cut
    // back, so the next Make adds one line, not a second.
    void failedFlushOfConfigLeavesItAsItWas()
    {
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("config.cfg"));
        writeFile(config, "bind x\r\n");
        QVERIFY(testing::runInChild([&] {
            return testing::failSystemCall(SYS_fsync, ENOSPC) && !appendExecLine(dir.path()).ok();
        }));
        QCOMPARE(readAll(config), QByteArray("bind x\r\n"));
#else
        QSKIP("needs a system call made to fail");
#endif
    }

    // A pipe whose reader has gone fails the write; the signal that would end the program, and
    // with it the composition, is held off.
    void aPipeWithoutItsReaderFailsTheWrite()
    {
#ifdef Q_OS_LINUX
        QVERIFY(testing::runInChild([] {
            std::signal(SIGPIPE, SIG_DFL);
            int ends[2];
            if (::pipe(ends) != 0)
                return false;
            auto file = NativeFile::open(QStringLiteral("/proc/self/fd/%1").arg(ends[1]),
                                         NativeFile::Mode::Append);
            ::close(ends[0]);
            if (!file)
                return false;
            const Status written = file->writeAll(testing::ExecLineBytes.toStdString());
            return !written && written.error().code == EPIPE &&
                   written.error().reason == QString::fromUtf8(std::strerror(EPIPE));
        }));
#else
        QSKIP("Windows has no SIGPIPE");
#endif
    }

    // config.cfg as a symbolic link is followed only where the system would trust it in a shared
    // folder: the player's own link, or any link in a folder nobody else may write to. Someone
    // else's link in a folder others may write to may have been planted there to lead the exec
    // line out of it: refused, naming the file.
    void configLinkIsFollowedOnlyWhereTrusted_data()
    {
        QTest::addColumn<bool>("strangersLink");
        QTest::addColumn<bool>("sharedFolder");
        QTest::addColumn<bool>("followed");
        QTest::newRow("the player's own link, shared folder") << false << true << true;
        QTest::newRow("a stranger's link, the player's folder") << true << false << true;
        QTest::newRow("a stranger's link, shared folder") << true << true << false;
    }
    void configLinkIsFollowedOnlyWhereTrusted()
    {
#ifdef Q_OS_UNIX
        QFETCH(bool, strangersLink);
        QFETCH(bool, sharedFolder);
        QFETCH(bool, followed);
        if (::geteuid() != 0)
            QSKIP("giving a link to another user takes root");
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("outside.txt"));
        writeFile(target, "mine\r\n");
        const QString folder = dir.filePath(QStringLiteral("user"));
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), sharedFolder ? 0770 : 0755), 0);
        const QByteArray link = QFile::encodeName(folder + QStringLiteral("/config.cfg"));
        QCOMPARE(::symlink(QFile::encodeName(target).constData(), link.constData()), 0);
        if (strangersLink)
            QCOMPARE(::lchown(link.constData(), 65534, 65534), 0);

        const FileStatus written = writeColourScript(folder, testing::sampleComposition());
        if (followed) {
            QVERIFY(testing::succeeded(written));
            QCOMPARE(readAll(target), "mine\r\n" + testing::ExecLineBytes);
            return;
        }
        QVERIFY(!written);
        QCOMPARE(written.error().path, joinPath(folder, ConfigFileName));
        QVERIFY(reasonText(written.error().cause).contains(QStringLiteral("symbolic link")));
        QCOMPARE(readAll(target), QByteArray("mine\r\n"));
#else
        QSKIP("Windows lets only administrators make symbolic links");
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

        QVERIFY(testing::succeeded(writeColourScript(dir.path(), testing::sampleComposition())));
        const QFileInfo script(dir.filePath(QStringLiteral("color.cfg")));
        QVERIFY(!script.isSymLink());
        QVERIFY(script.isFile());
        QCOMPARE(readAll(script.filePath()), scriptOf(testing::sampleComposition()));
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
                (void)writeColourScript(dir.path(), c); // the files show every write's outcome
        };
        constexpr int Writers = 3;
        std::vector<std::thread> writers;
        writers.reserve(Writers);
        for (int i = 0; i < Writers; ++i)
            writers.emplace_back(makeRepeatedly);
        for (std::thread &writer : writers)
            writer.join();
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))),
                 testing::ExecLineBytes.repeated(qsizetype{Writers} * Rounds));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), scriptOf(c));
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
        const FileStatus written =
            testing::writeInChildUnderFileSizeLimit(dir.path(), c, unsigned(oldConfig.size()) + 5);
        QVERIFY(!written);
        QCOMPARE(written.error().path, dir.filePath(QStringLiteral("config.cfg")));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))), oldConfig);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), scriptOf(c));
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

        auto ours = NativeFile::open(config, NativeFile::Mode::Append);
        QVERIFY(ours);
        const std::optional<std::int64_t> oldSize = ours->regularFileSize();
        QCOMPARE(oldSize, oldConfig.size());
        appendAsAnotherProgram(before);
        const QByteArray partial = "exec co";
        QVERIFY(ours->writeAll(partial.toStdString()));
        appendAsAnotherProgram(after);
        QCOMPARE(ours->endsWhereOurWritesLeftIt(*oldSize), ownBytesLast);
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
            return unreadable && writeColourScript(dir.path(), c).ok();
        }));
        QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(readAll(config), QByteArray("bind x\r\n") + testing::ExecLineBytes);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), scriptOf(c));
#endif
    }
};

QTEST_GUILESS_MAIN(TestScriptFiles)
#include "tst_scriptfiles.moc"
