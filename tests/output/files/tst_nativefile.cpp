// SPDX-License-Identifier: MIT
// The native file: a failed write's signal held off, and a cut-back that spares others' lines.
#include "output/files/nativefile.h"
#include "support/faults.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <cstring>
#include <unistd.h>
#endif

using namespace tintforge;
using tintforge::testing::readAll;
using tintforge::testing::writeFile;

class TestNativeFile : public QObject
{
    Q_OBJECT

private slots:
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
            const Status written = file->writeAll(std::string("exec color.cfg\r\n"));
            const auto *error = written ? nullptr : std::get_if<SystemError>(&written.error());
            return error && error->code == EPIPE &&
                   error->reason == QString::fromUtf8(std::strerror(EPIPE));
        }));
#else
        QSKIP("Windows has no SIGPIPE");
#endif
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
};

QTEST_GUILESS_MAIN(TestNativeFile)
#include "tst_nativefile.moc"
