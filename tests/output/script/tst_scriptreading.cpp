// SPDX-License-Identifier: MIT
// Reading a colour script back: what can be read exactly, what is named, what is refused.
#include "model/composition.h"
#include "output/script/scriptreading.h"
#include "support/goldenscripts.h"
#include "ui/words/filemessages.h"
#include "ui/words/reasons.h"

#include <algorithm>
#include <QByteArray>
#include <QList>
#include <QTest>

using namespace tintforge;
using tintforge::testing::goldenScript;
using tintforge::testing::linesOf;
using tintforge::testing::Texts;

namespace {

// The worked example's script with its line starting `prefix` replaced by `line` (removed when
// `line` is empty), or `line` added before the last line when no line starts so.
QByteArray editedExample(const QByteArray &prefix, const QByteArray &line)
{
    QList<QByteArray> lines = linesOf(goldenScript(QStringLiteral("worked-example.cfg")));
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [&](const QByteArray &l) { return l.startsWith(prefix); });
    if (at == lines.end())
        lines.insert(lines.size() - 1, line);
    else if (line.isEmpty())
        lines.erase(at);
    else
        *at = line;
    return lines.join("\r\n") + "\r\n";
}

} // namespace

class TestScriptReading : public QObject
{
    Q_OBJECT

private slots:
    // Files edited by hand: what the program could have written is read; each other part
    // leaves its segments empty and is named in the message. Never a guess.
    void readsWhatCanBeReadExactly_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<bool>("clanSwitch");
        QTest::addColumn<QString>("message");
        const Texts example{"XYZ", "Player", "", "", ""};
        const QString start = QStringLiteral("Not all of \"color.cfg\" could be read:\n");
        // Make writes the script anew: a line added or changed by hand is named, with its
        // control characters shown escaped; a line of Make's that is gone is simply written.
        const QString notKept = QStringLiteral("These lines of \"color.cfg\" are not kept: Make "
                                               "writes the script anew without them.\n");
        QTest::newRow("a line added, the header gone")
            << editedExample("//", "") + "bind x \"say hi\"\r\n"
            << example << true << notKept + QStringLiteral("  bind x \"say hi\"");
        QTest::newRow("a chart line changed")
            << editedExample("echo \"02", "echo \"02\x02 mine \xC0\"") << example << true
            << notKept + QStringLiteral("  echo \"02\\x02 mine \u00C0\"");
        QTest::newRow("text over its limit")
            << editedExample("name ", "name \"\x02XYZ\x05Player\x08" + QByteArray(16, 'b') + "\"")
            << example << true
            << start + "The name line's second name part is longer than 15 characters; left "
                       "empty: second name part.";
        QTest::newRow("more codes than segments")
            << editedExample("name ", "name \"\x02XYZ\x05Player\x08\x03x\"")
            << Texts{"", "", "", "", ""} << true
            << start + "The name line holds more colour codes than segments; left empty: clan "
                       "tag, name, second name part.";
        QTest::newRow("one code in the name line")
            << editedExample("name ", "name \"\x05Player\"") << Texts{"", "", "", "", ""} << true
            << start + "The name line holds fewer colour codes than segments; left empty: clan "
                       "tag, name, second name part.";
        QTest::newRow("clan off, a byte the fields do not take")
            << editedExample("name ", "name \"\x05Pl\x7F"
                                      "ayer\x08x\"")
            << Texts{"", "", "x", "", ""} << false
            << start + "The name line's name holds a character the fields do not take; left "
                       "empty: name.";
        QTest::newRow("a code no swatch writes, as a segment may hold it")
            << editedExample("hostname ", "hostname \"\x09x\"")
            << Texts{"XYZ", "Player", "", "x", ""} << true << QString();
        // Lines an editor ends with LF alone, a last line without its end, the binds and
        // settings of a script edited by hand (tens of KiB): read as the game reads them.
        const QByteArray longLine = "//" + QByteArray(60000, 'x');
        QTest::newRow("line feeds, a long line added, the last line unended")
            << editedExample("bind", longLine).replace("\r\n", "\n").chopped(1) << example << true
            << notKept + QStringLiteral("  ") + QString::fromLatin1(longLine);
        // What the game would not take is left out of a text, and the rest kept.
        QTest::newRow("quote and semicolon in the name line")
            << editedExample("name ", "name \"\x02X;Z\x05Pl\"ayer\x08\"")
            << Texts{"XZ", "Player", "", "", ""} << true
            << start + "The name line's clan tag holds ;, which the game does not take there; "
                       "left out.\nThe name line's name holds \", which the game does not take "
                       "there; left out.";
        QTest::newRow("host line missing")
            << editedExample("hostname ", "") << example << true
            << start + "The host line is missing; left empty: server host name.";
        QTest::newRow("message line twice")
            << editedExample("bind", "welcome_mess \"\x08"
                                     "again\"")
            << example << true
            << start +
                   "The message line appears more than once; left empty: server welcome message.";
        QTest::newRow("no closing quote")
            << editedExample("welcome_mess ", "welcome_mess \"\x08hi") << example << true
            << start + "The message line does not end with a quote; left empty: server welcome "
                       "message.";
        QTest::newRow("no code")
            << editedExample("welcome_mess ", "welcome_mess \"hi\"") << example << true
            << start + "The message line does not start with a colour code; left empty: "
                       "server welcome message.";
    }
    void readsWhatCanBeReadExactly()
    {
        QFETCH(QByteArray, file);
        QFETCH(Texts, texts);
        QFETCH(bool, clanSwitch);
        QFETCH(QString, message);
        const auto read = readColourScript(file.toStdString());
        QVERIFY(read);
        for (const SegmentId id : SegmentIds)
            QCOMPARE(read->composition.segment(id).text(), texts[segmentIndex(id)]);
        QCOMPARE(read->composition.clanSwitch(), clanSwitch);
        QCOMPARE(contentsMessage(*read, QStringLiteral("color.cfg")), message);
    }

    // What is no colour script at all is refused whole, with its reason.
    void refusesWhatIsNoScript_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const QByteArray example = goldenScript(QStringLiteral("worked-example.cfg"));
        QTest::newRow("empty") << QByteArray() << QStringLiteral("the file is empty");
        QTest::newRow("a lone carriage return")
            << "a\rb\r\n" + example
            << QStringLiteral("a carriage return in it ends no line, as in the lines a colour "
                              "script holds");
        QByteArray binary;
        for (int i = 0; i < 1024; ++i)
            binary += char(i * 7 % 256);
        QTest::newRow("binary") << binary
                                << QStringLiteral("it holds NUL bytes, as no text file does");
        QTest::newRow("none of the three lines")
            << QByteArray("bind x \"say hi\"\r\nexec other.cfg\r\n")
            << QStringLiteral("it holds no name, host name or welcome message line");
    }
    void refusesWhatIsNoScript()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const auto read = readColourScript(file.toStdString());
        QVERIFY(!read);
        QCOMPARE(reasonText(read.error()), reason);
    }
};

QTEST_APPLESS_MAIN(TestScriptReading)
#include "tst_scriptreading.moc"
