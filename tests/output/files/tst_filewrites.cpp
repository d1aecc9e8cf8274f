// SPDX-License-Identifier: MIT
// Writing a file whole or adding to its end: what each leaves on the disk, also when it fails.
#include "output/files/filewrites.h"
#include "output/files/nativefile.h"
#include "output/files/paths.h"
#include "support/faults.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <csignal>
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
using tintforge::testing::writeFile;

namespace {

const QByteArray Script = "new script\r\n";
const QByteArray Line = "exec color.cfg\r\n";

bool replaceScript(const QString &folder)
{
    return replaceFile(folder, QStringLiteral("color.cfg"), Script.toStdString()).ok();
}

// Adds the line on a line of its own where the file may not end with a whole one.
FileStatus appendLine(const QString &folder)
{
    return appendToFile(folder, QStringLiteral("config.cfg"), [](bool endsWithWholeLine) {
        return (endsWithWholeLine ? "" : "\r\n") + Line.toStdString();
    });
}

bool writeBoth(const QString &folder)
{
    return replaceScript(folder) && appendLine(folder).ok();
}

} // namespace

class TestFileWrites : public QObject
{
    Q_OBJECT

private slots:
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

        QVERIFY(replaceScript(dir.path()));
        QStringList expected = others;
        expected << QStringLiteral("color.cfg");
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
        QVERIFY(replaceScript(dir.path()));
        QCOMPARE(readAll(script), Script);
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

        QVERIFY(replaceScript(dir.path()));
        QCOMPARE(readAll(script), Script);
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
        QVERIFY(writeBoth(dir.path()));
        // The files' owner writes again, where permission bits hold.
        for (const char *name : {".", "color.cfg", "config.cfg"})
            QVERIFY(testing::handOver(dir.filePath(QString::fromLatin1(name))));
        QVERIFY(testing::runWherePermissionsHold([&] { return writeBoth(dir.path()); }));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))), Line + Line);
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
        QVERIFY(writeBoth(folder));
        QCOMPARE(readAll(folder + QStringLiteral("/color.cfg")), Script);
        QCOMPARE(readAll(folder + QStringLiteral("/config.cfg")), Line);
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
                return writeBoth(dir.path());
            });
            const QMap<QString, QByteArray> left = testing::snapshot(dir.path());
            QVERIFY2(left.size() <= 2, qPrintable(left.keys().join(u' ')));
            QVERIFY(left.value(QStringLiteral("color.cfg")) == old ||
                    left.value(QStringLiteral("color.cfg")) == Script);
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
        QVERIFY(testing::runInChild(
            [&] { return testing::failSystemCall(SYS_fsync, ENOSPC) && !appendLine(dir.path()); }));
        QCOMPARE(readAll(config), QByteArray("bind x\r\n"));
#else
        QSKIP("needs a system call made to fail");
#endif
    }

    // config.cfg as a symbolic link is followed only where the system would trust it in a shared
    // folder: the player's own link, or any link in a folder nobody else may write to. Someone
    // else's link in a folder others may write to may have been planted there to lead the exec
    // line out of it: refused, naming the file. A link that leads nowhere is named with where it
    // points, and nothing is made there.
    void configLinkIsFollowedOnlyWhereTrusted_data()
    {
        QTest::addColumn<bool>("strangersLink");
        QTest::addColumn<bool>("sharedFolder");
        QTest::addColumn<bool>("leadsNowhere");
        QTest::addColumn<bool>("followed");
        QTest::newRow("the player's own link, shared folder") << false << true << false << true;
        QTest::newRow("a stranger's link, the player's folder") << true << false << false << true;
        QTest::newRow("a stranger's link, shared folder") << true << true << false << false;
        QTest::newRow("the player's own link to nothing") << false << false << true << false;
    }
    void configLinkIsFollowedOnlyWhereTrusted()
    {
#ifdef Q_OS_UNIX
        QFETCH(bool, strangersLink);
        QFETCH(bool, sharedFolder);
        QFETCH(bool, leadsNowhere);
        QFETCH(bool, followed);
        if (::geteuid() != 0)
            QSKIP("giving a link to another user takes root");
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("outside.txt"));
        if (!leadsNowhere)
            writeFile(target, "mine\r\n");
        const QString folder = dir.filePath(QStringLiteral("user"));
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), sharedFolder ? 0770 : 0755), 0);
        const QByteArray link = QFile::encodeName(folder + QStringLiteral("/config.cfg"));
        QCOMPARE(::symlink(QFile::encodeName(target).constData(), link.constData()), 0);
        if (strangersLink)
            QCOMPARE(::lchown(link.constData(), 65534, 65534), 0);

        const FileStatus written = appendLine(folder);
        if (followed) {
            QVERIFY(written);
            QCOMPARE(readAll(target), "mine\r\n" + Line);
            return;
        }
        QVERIFY(!written);
        QCOMPARE(written.error().path, joinPath(folder, std::string_view("config.cfg")));
        QVERIFY(written.error().cause == (leadsNowhere ? FileCause(DanglingLink{target})
                                                       : FileCause(FileRefusal::ForeignLink)));
        QCOMPARE(readAll(target), leadsNowhere ? QByteArray() : QByteArray("mine\r\n"));
        QCOMPARE(QFileInfo::exists(target), !leadsNowhere);
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

        QVERIFY(replaceScript(dir.path()));
        const QFileInfo script(dir.filePath(QStringLiteral("color.cfg")));
        QVERIFY(!script.isSymLink());
        QVERIFY(script.isFile());
        QCOMPARE(readAll(script.filePath()), Script);
        QCOMPARE(readAll(target), QByteArray("keep me\n"));
    }

    // Two programs pressing Make at once: every exec line arrives whole, none overwrites another.
    void concurrentWritersKeepEveryExecLine()
    {
        QTemporaryDir dir;
        constexpr int Rounds = 300;
        const auto makeRepeatedly = [&] {
            for (int i = 0; i < Rounds; ++i)
                (void)writeBoth(dir.path()); // the files show every write's outcome
        };
        constexpr int Writers = 3;
        std::vector<std::thread> writers;
        writers.reserve(Writers);
        for (int i = 0; i < Writers; ++i)
            writers.emplace_back(makeRepeatedly);
        for (std::thread &writer : writers)
            writer.join();
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))),
                 Line.repeated(qsizetype{Writers} * Rounds));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), Script);
        QCOMPARE(testing::snapshot(dir.path()).size(), 2);
    }

    // A full disk part-way through the exec line: config.cfg is cut back to what it was.
    void failedAppendLeavesConfigAsItWas()
    {
        if (!testing::CanLimitFileSize)
            QSKIP("needs a file size limit to fail a write part-way");
        QTemporaryDir dir;
        const QByteArray oldConfig = QByteArray(2000, 'b') + "\r\nbind x";
        writeFile(dir.filePath(QStringLiteral("config.cfg")), oldConfig);
#ifdef Q_OS_UNIX
        // SIGXFSZ at its default, as in a program started from a shell with "ulimit -f".
        QVERIFY(testing::runInChild([&] {
            std::signal(SIGXFSZ, SIG_DFL);
            testing::limitFileSize(unsigned(oldConfig.size()) + 5);
            const FileStatus written = appendLine(dir.path());
            return !written && written.error().path == dir.filePath(QStringLiteral("config.cfg"));
        }));
#endif
        QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))), oldConfig);
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
        QVERIFY(testing::runWherePermissionsHold([&] {
            const bool unreadable = ::access(QFile::encodeName(config).constData(), R_OK) != 0;
            return unreadable && appendLine(dir.path());
        }));
        QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(readAll(config), QByteArray("bind x\r\n") + Line);
#endif
    }
};

QTEST_GUILESS_MAIN(TestFileWrites)
#include "tst_filewrites.moc"
