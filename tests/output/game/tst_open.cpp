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

class TestOpen : public QObject
{
    Q_OBJECT

private slots:
    // A file's own faults (not a file, a device, a pipe, too large, missing, no colour script)
    // refuse it whole, with the file and the reason, without reading on.
    void opensOnlyOrdinaryFilesOfAScriptsSize_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Refusal>("refusal"); // None: the system's own reason
#ifdef Q_OS_WIN
        // Windows refuses to open a folder as a file at all.
        QTest::newRow("folder") << QStringLiteral("folder") << Refusal::None;
#else
        QTest::newRow("folder") << QStringLiteral("folder") << Refusal::NotOrdinaryFile;
#endif
        QTest::newRow("missing") << QStringLiteral("missing") << Refusal::None;
        QTest::newRow("no colour script") << QStringLiteral("empty") << Refusal::Empty;
        QTest::newRow("gigabytes") << QStringLiteral("huge") << Refusal::LargerThanAnyScript;
#ifdef Q_OS_UNIX
        QTest::newRow("device") << QStringLiteral("/dev/zero") << Refusal::NotOrdinaryFile;
        QTest::newRow("pipe") << QStringLiteral("fifo") << Refusal::NotOrdinaryFile;
#endif
    }
    void opensOnlyOrdinaryFilesOfAScriptsSize()
    {
        QFETCH(QString, kind);
        QFETCH(Refusal, refusal);
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
        const FileError &error = opened.error().error;
        QCOMPARE(error.path, path);
        QCOMPARE(error.cause.refusal, refusal);
        QVERIFY(refusal != Refusal::None || !error.cause.reason.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestOpen)
#include "tst_open.moc"
