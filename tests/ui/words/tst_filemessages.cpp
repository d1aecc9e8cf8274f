// SPDX-License-Identifier: MIT
// What the user is told about a file: its name as it is.
#include "ui/words/filemessages.h"
#include "ui/words/windowwords.h"

#include <QTest>

using namespace tintforge;

class TestFileMessages : public QObject
{
    Q_OBJECT

private slots:
    // A name shows in a message as it is but for control characters, which stand escaped: a
    // crafted name cannot add a line of its own to the message, nor take in what follows it.
    void namesShowWithControlCharactersEscaped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("/home/orv/M\u00FCller")
                               << QStringLiteral("\"/home/orv/M\u00FCller\"");
        QTest::newRow("a line break") << QStringLiteral("/tmp/a\nUse \"...\"")
                                      << QStringLiteral("\"/tmp/a\\x0AUse \"...\"\"");
        QTest::newRow("escape, delete and C1")
            << QStringLiteral("\x1B[31m\x7F\u009B") << QStringLiteral("\"\\x1B[31m\\x7F\\x9B\"");
        QTest::newRow("placeholders")
            << QStringLiteral("/tmp/%2 %1") << QStringLiteral("\"/tmp/%2 %1\"");
    }
    void namesShowWithControlCharactersEscaped()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(writeFailureMessage({name, {QStringLiteral("reason")}}),
                 QStringLiteral("Could not write %1: reason.").arg(shown));
        QVERIFY(notAnsweringMessage(name, std::chrono::seconds(3), Waiting::Writing)
                    .startsWith(
                        QStringLiteral("Nothing has come back from %1 for 3 seconds").arg(shown)));
    }
};

QTEST_GUILESS_MAIN(TestFileMessages)
#include "tst_filemessages.moc"
