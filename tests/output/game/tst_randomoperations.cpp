// SPDX-License-Identifier: MIT
// Random operations on a composition, written and read back, keep every invariant.
#include "support/files.h"
#include "support/operations.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <vector>

using namespace tintforge;
using namespace tintforge::testing;

namespace {} // namespace

class TestProperties : public QObject
{
    Q_OBJECT

private slots:
    void randomOperationsKeepEveryInvariant_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= 12; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void randomOperationsKeepEveryInvariant()
    {
        QFETCH(unsigned, seed);
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(20000);
        for (auto &b : bytes)
            b = static_cast<std::uint8_t>(random());
        ByteStream in(bytes.data(), bytes.size());

        QTemporaryDir dir;
        Composition c;
        std::string glyphBox(FirstGlyph);
        int operations = 0;
        int writes = 0;
        while (!in.atEnd()) {
            applyNextOperation(c, glyphBox, in);
            const std::string broken = brokenInvariant(c);
            QVERIFY2(broken.empty(), broken.c_str());
            const std::string unmatched = brokenRoundTrip(c);
            QVERIFY2(unmatched.empty(), unmatched.c_str());
            if (++operations % 60 != 0)
                continue;

            if (CanLimitFileSize && operations % 300 == 0) {
                // A failure part-way through leaves the last good script and config as they were.
                const QByteArray script = readAll(dir.filePath(QStringLiteral("color.cfg")));
                const QByteArray config = readAll(dir.filePath(QStringLiteral("config.cfg")));
                QVERIFY(!writeUnderFileSizeLimit(dir.path(), c, 64).ok());
                QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), script);
                QCOMPARE(readAll(dir.filePath(QStringLiteral("config.cfg"))), config);
            } else {
                QVERIFY(testing::succeeded(writeColourScript(dir.path(), c)));
                ++writes;
                QCOMPARE(readAll(dir.filePath(QStringLiteral("color.cfg"))), testing::scriptOf(c));
            }
            QCOMPARE(
                readAll(dir.filePath(QStringLiteral("config.cfg"))).count(testing::ExecLineBytes),
                writes);
            QCOMPARE(QDir(dir.path())
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                         .size(),
                     writes > 0 ? 2 : 0);
        }
        QVERIFY(writes > 10);
    }
};

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_randomoperations.moc"
