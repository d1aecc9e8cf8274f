// SPDX-License-Identifier: MIT
// Opening a script: only an ordinary file of a script's size that holds one.
#include "output/game/open.h"
#include "support/files.h"
#include "support/goldenscripts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace tintforge;
using tintforge::testing::goldenScript;

Q_DECLARE_METATYPE(tintforge::OpenCause)

class TestOpen : public QObject
{
    Q_OBJECT

private slots:
    // A file's own faults (not a file, a device, a pipe, too large, missing, no colour script)
    // refuse it whole, with the file and the reason, without reading on.
    void opensOnlyOrdinaryFilesOfAScriptsSize_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<OpenCause>("cause"); // a SystemError: the system's own reason
        const OpenCause system = FileCause(SystemError{});
        const OpenCause notOrdinary = FileCause(FileRefusal::NotOrdinaryFile);
#ifdef Q_OS_WIN
        // Windows refuses to open a folder as a file at all.
        QTest::newRow("folder") << QStringLiteral("folder") << system;
#else
        QTest::newRow("folder") << QStringLiteral("folder") << notOrdinary;
#endif
        QTest::newRow("missing") << QStringLiteral("missing") << system;
        QTest::newRow("no colour script")
            << QStringLiteral("empty") << OpenCause(ScriptRefusal::Empty);
        QTest::newRow("gigabytes")
            << QStringLiteral("huge") << OpenCause(OpenRefusal::LargerThanAnyScript);
#ifdef Q_OS_UNIX
        QTest::newRow("device") << QStringLiteral("/dev/zero") << notOrdinary;
        QTest::newRow("pipe") << QStringLiteral("fifo") << notOrdinary;
#endif
    }
    void opensOnlyOrdinaryFilesOfAScriptsSize()
    {
        QFETCH(QString, kind);
        QFETCH(OpenCause, cause);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("color.cfg"));
        if (kind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QStringLiteral("huge")) {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.write(goldenScript(QStringLiteral("worked-example.cfg"))) > 0);
            QVERIFY(huge.resize(qint64(4) << 30)); // sparse: no disk is filled
        } else if (kind == QStringLiteral("empty")) {
            testing::writeFile(path, {});
        } else if (kind == QStringLiteral("fifo")) {
#ifdef Q_OS_UNIX
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        } else if (kind.startsWith(u'/')) {
            path = kind;
        }
        const auto opened = openColourScript(path);
        QVERIFY(!opened);
        const FailedFile<OpenCause> &error = opened.error().error;
        QCOMPARE(error.path, path);
        if (cause == OpenCause(FileCause(SystemError{}))) {
            const auto *file = std::get_if<FileCause>(&error.cause);
            QVERIFY(file && !std::get<SystemError>(*file).reason.isEmpty());
        } else {
            QVERIFY(error.cause == cause);
        }
    }
};

QTEST_APPLESS_MAIN(TestOpen)
#include "tst_open.moc"
