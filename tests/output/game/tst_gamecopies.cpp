// SPDX-License-Identifier: MIT
// The copies of the files that the game reads: every one written, and the one opened.
#include "output/game/gamecopies.h"
#include "output/game/make.h"
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
using tintforge::testing::inFolder;
using tintforge::testing::readAll;
using tintforge::testing::scriptOf;
#ifdef Q_OS_WIN
using tintforge::testing::programs32Game;
using tintforge::testing::virtualStoreOf;
#endif
using tintforge::testing::writeFile;

namespace {

const QByteArray OldScript = "//old script\r\n";
const QByteArray OwnConfig = "seta own 1\r\n";
const QByteArray StaleScript = "//stale script\r\n";
const QByteArray StaleConfig = "seta stale 1\r\n";

// Whether this process may create a file in the folder.
bool canWriteInto(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/probe-XXXXXX"));
    return probe.open();
}

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

class TestGameCopies : public QObject
{
    Q_OBJECT

private slots:
    // Where Windows redirects the game's writes, each file goes into every copy the game reads:
    // its copy in the player's VirtualStore where one exists or where the player may not write
    // the real one, the real one where the player may. Under Windows this is Make into the
    // folder for 32-bit programs; elsewhere the same rules with a folder and its twin. A real
    // folder the player may not write needs a standard user: root drops to one for it, and under
    // Wine it runs in a prefix of that user's (tst_gamecopies_standard_user).
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
            writeWhereTheGameReads(CopyPlan(folder, twin), testing::sampleComposition());
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
                  "user (tst_gamecopies_standard_user)");
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
        const MakeDestination destination = makeDestination();
        QCOMPARE(destination.search.folder.path, folder);
        QCOMPARE(destination.reads, reads);
        const WriteStatus made = makeScript(testing::sampleComposition());
        QVERIFY(testing::succeeded(made));
        QCOMPARE(made->folder, reads);
        QCOMPARE(scriptTheGameReads(inFolder(folder, "color.cfg")), inFolder(reads, "color.cfg"));
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
                writeWhereTheGameReads(CopyPlan(folder, twin), testing::sampleComposition());
            return written && written->folder == reads;
        };
        const auto writeAsTold = [&] {
            return folderTheGameReads(CopyPlan(folder, twin)) == reads && write();
        };
        QVERIFY(locked ? testing::runWherePermissionsHold(
                             [&] { return !canWriteInto(folder) && writeAsTold(); })
                       : writeAsTold());
        QCOMPARE(scriptTheGameReads(inFolder(folder, "color.cfg"), CopyPlan(folder, twin)),
                 inFolder(reads, "color.cfg"));
#endif

        if (realWritten) {
            QCOMPARE(readAll(inFolder(folder, "color.cfg")), scriptOf());
            QCOMPARE(readAll(inFolder(folder, "config.cfg")), ownConfig + testing::ExecLineBytes);
        } else if (real == QStringLiteral("missing")) {
            QVERIFY(!QFileInfo::exists(folder));
        } else {
            QCOMPARE(readAll(inFolder(folder, "color.cfg")), ownScript);
            QCOMPARE(readAll(inFolder(folder, "config.cfg")), ownConfig);
        }
        if (twinScript == QStringLiteral("absent"))
            QVERIFY(!QFileInfo::exists(inFolder(twin, "color.cfg")));
        else
            QCOMPARE(readAll(inFolder(twin, "color.cfg")), scriptOf());
        const QMap<QString, QByteArray> configs{
            {QStringLiteral("exec"), testing::ExecLineBytes},
            {QStringLiteral("stale+exec"), StaleConfig + testing::ExecLineBytes},
            {QStringLiteral("own+exec"), ownConfig + testing::ExecLineBytes},
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

QTEST_GUILESS_MAIN(TestGameCopies)
#include "tst_gamecopies.moc"
