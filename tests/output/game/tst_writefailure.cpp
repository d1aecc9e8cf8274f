// SPDX-License-Identifier: MIT
// What the user is told about a file that could not be written.
#include "output/game/writefailure.h"

#include <QTest>

using namespace tintforge;

class TestWriteFailure : public QObject
{
    Q_OBJECT

private slots:
    // A name shows in a message as it is but for control characters, which stand escaped: a
    // crafted name cannot add a line of its own to the message.
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
    }
    void namesShowWithControlCharactersEscaped()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(writeFailureMessage({name, {QStringLiteral("reason")}}),
                 QStringLiteral("Could not write %1: reason.").arg(shown));
    }
};

QTEST_GUILESS_MAIN(TestWriteFailure)
#include "tst_writefailure.moc"
