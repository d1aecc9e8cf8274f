// SPDX-License-Identifier: MIT
#include "model/composition.h"

#include <QTest>

using namespace tintforge;

namespace {

constexpr Rgb Red = Rgb::fromHex(0xFF0000);
constexpr Rgb Blue = Rgb::fromHex(0x0000FF);

std::string bytes(const char *text)
{
    return std::string(text);
}

} // namespace

class TestComposition : public QObject
{
    Q_OBJECT

private slots:
    void startsWithClanActiveSwitchOnAndCodeEight()
    {
        const Composition c;
        QCOMPARE(c.activeSegment(), SegmentId::Clan);
        QVERIFY(c.clanSwitch());
        for (const Segment &s : c.segments()) {
            QVERIFY(s.text().empty());
            QCOMPARE(s.colourCode(), '\x08');
            QVERIFY(!s.previewColour().has_value());
        }
    }

    void selectingChangesOnlyTheActiveSegment()
    {
        Composition c;
        c.setSegmentText(SegmentId::Clan, "ABC");
        c.applyColour(0x02, Red);
        Composition before = c;
        c.selectSegment(SegmentId::Host);
        QCOMPARE(c.activeSegment(), SegmentId::Host);
        c.selectSegment(SegmentId::Clan);
        QVERIFY(c == before);
    }

    void colourIsReplacedNeverAccumulated()
    {
        Composition c;
        c.selectSegment(SegmentId::Name);
        c.applyColour(0x02, Red);
        c.applyColour(0x05, Blue);
        QCOMPARE(c.segment(SegmentId::Name).colourCode(), '\x05');
        QCOMPARE(c.segment(SegmentId::Name).previewColour(), PreviewColour(Blue));
        QCOMPARE(c.segment(SegmentId::Clan).colourCode(), '\x08');
    }

    // Colour and glyphs go to the active segment and leave the other four as they were.
    void actionsGoToTheActiveSegmentOnly_data()
    {
        QTest::addColumn<int>("active");
        for (std::size_t i = 0; i < SegmentKinds.size(); ++i)
            QTest::newRow(SegmentKinds[i].key.data()) << int(i);
    }
    void actionsGoToTheActiveSegmentOnly()
    {
        QFETCH(int, active);
        Composition c;
        c.selectSegment(SegmentId(active));
        const Composition before = c;
        c.applyColour(0x02, Red);
        c.appendToActive("xy");
        for (std::size_t i = 0; i < SegmentKinds.size(); ++i) {
            const Segment &now = c.segments()[i];
            if (int(i) != active) {
                QVERIFY(now == before.segments()[i]);
                continue;
            }
            QCOMPARE(now.colourCode(), '\x02');
            QCOMPARE(now.previewColour(), PreviewColour(Red));
            QCOMPARE(now.text(), bytes("xy"));
        }
    }

    void codesThatCouldBreakTheScriptAreRefused_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("nul") << 0;
        QTest::newRow("line feed") << 10;
        QTest::newRow("carriage return") << 13;
        QTest::newRow("blank") << 32;
        QTest::newRow("glyph") << 0xC0;
    }
    void codesThatCouldBreakTheScriptAreRefused()
    {
        QFETCH(int, code);
        Composition c;
        c.applyColour(static_cast<char>(code), Red);
        QCOMPARE(c.segment(SegmentId::Clan).colourCode(), '\x08');
        QVERIFY(!c.segment(SegmentId::Clan).previewColour());
    }

    void clanSwitchOffClearsTextKeepsColour()
    {
        Composition c;
        c.setSegmentText(SegmentId::Clan, "XYZ");
        c.applyColour(0x02, Red);
        c.setClanSwitch(false);
        const Segment &clan = c.segment(SegmentId::Clan);
        QVERIFY(clan.text().empty());
        QCOMPARE(clan.colourCode(), '\x02');
        QCOMPARE(clan.previewColour(), PreviewColour(Red));
        QCOMPARE(c.activeSegment(), SegmentId::Clan);

        c.setClanSwitch(true);
        QVERIFY(c.segment(SegmentId::Clan).text().empty());
    }

    void switchedOffClanStillTakesColourAndGlyphsButNoTyping()
    {
        Composition c;
        c.setClanSwitch(false);
        c.applyColour(0x05, Blue);
        c.appendToActive("\xC0");
        c.setSegmentText(SegmentId::Clan, "typed");
        QCOMPARE(c.segment(SegmentId::Clan).colourCode(), '\x05');
        QCOMPARE(c.segment(SegmentId::Clan).text(), bytes("\xC0"));
    }

    void textsAreCutToTheirLimit_data()
    {
        QTest::addColumn<int>("segment");
        QTest::addColumn<int>("limit");
        QTest::newRow("clan") << int(SegmentId::Clan) << 7;
        QTest::newRow("name") << int(SegmentId::Name) << 15;
        QTest::newRow("name2") << int(SegmentId::Name2) << 15;
        QTest::newRow("host") << int(SegmentId::Host) << 25;
        QTest::newRow("mess") << int(SegmentId::Mess) << 30;
    }
    void textsAreCutToTheirLimit()
    {
        QFETCH(int, segment);
        QFETCH(int, limit);
        const auto id = SegmentId(segment);
        const std::string longText(100, 'a');
        Composition c;
        c.setSegmentText(id, longText);
        const std::string &text = c.segment(id).text();
        QCOMPARE(int(text.size()), limit);

        // One short fills exactly; full stays full.
        c.selectSegment(id);
        c.setSegmentText(id, std::string(std::size_t(limit - 1), 'b'));
        c.appendToActive("xy");
        QCOMPARE(text, std::string(std::size_t(limit - 1), 'b') + 'x');
        c.appendToActive("z");
        QCOMPARE(text, std::string(std::size_t(limit - 1), 'b') + 'x');
    }

    // A text keeps only what the game takes in it (typing sets it through the same append): no
    // control code, no byte Windows-1252 gives no character, no quote, ';' or '\' but in the
    // welcome message, which is no information variable.
    void textsHoldOnlyWhatTheGameTakes_data()
    {
        QTest::addColumn<int>("segment");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::string>("kept");
        QTest::newRow("control codes") << int(SegmentId::Name)
                                       << std::string("a\tb\r\nc\x7f"
                                                      "d\x01\0",
                                                      10)
                                       << bytes("abcd");
        QTest::newRow("bytes without a character")
            << int(SegmentId::Host) << bytes("a\x81\x8D\x8F\x90\x9D\x80\x9F") << bytes("a\x80\x9F");
        QTest::newRow("clan") << int(SegmentId::Clan) << bytes("[\"a;\\]") << bytes("[a]");
        QTest::newRow("name") << int(SegmentId::Name) << bytes("\"x;y\\z\"\xFF")
                              << bytes("xyz\xFF");
        QTest::newRow("second name part") << int(SegmentId::Name2) << bytes("a;\\\"") << bytes("a");
        QTest::newRow("host") << int(SegmentId::Host) << bytes("a;b\\c\"d\"") << bytes("abcd");
        QTest::newRow("message") << int(SegmentId::Mess) << bytes("say \"hi\"; \\o/ \xFF\x80")
                                 << bytes("say hi; \\o/ \xFF\x80");
    }
    void textsHoldOnlyWhatTheGameTakes()
    {
        QFETCH(int, segment);
        QFETCH(std::string, text);
        QFETCH(std::string, kept);
        const auto id = SegmentId(segment);
        Composition c;
        c.selectSegment(id);
        c.appendToActive(text);
        QCOMPARE(c.segment(id).text(), kept);
    }
};

QTEST_APPLESS_MAIN(TestComposition)
#include "tst_composition.moc"
