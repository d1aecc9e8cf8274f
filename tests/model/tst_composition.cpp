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
        QCOMPARE(c.activeKey(), bytes("clan"));
        QVERIFY(c.clanSwitch());
        for (const Segment &s : c.segments()) {
            QVERIFY(s.text().empty());
            QCOMPARE(s.colourCode(), '\x08');
            QVERIFY(!s.previewColour().has_value());
        }
        QCOMPARE(c.segment(SegmentId::Mess).key(), bytes("mess"));
    }

    void selectingChangesOnlyTheActiveKey()
    {
        Composition c;
        c.setSegmentText("clan", "ABC");
        c.applyColour(0x02, Red);
        Composition before = c;
        c.selectSegment("host");
        QCOMPARE(c.activeKey(), bytes("host"));
        c.selectSegment("clan");
        QVERIFY(c == before);
    }

    void colourIsReplacedNeverAccumulated()
    {
        Composition c;
        c.selectSegment("name");
        c.applyColour(0x02, Red);
        c.applyColour(0x05, Blue);
        QCOMPARE(c.segment(SegmentId::Name).colourCode(), '\x05');
        QCOMPARE(c.segment(SegmentId::Name).previewColour(), PreviewColour(Blue));
        QCOMPARE(c.segment(SegmentId::Clan).colourCode(), '\x08');
    }

    void actionsOnAnUnknownKeyDoNothing_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("capital") << QByteArray("Clan");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("trailing blank") << QByteArray("mess ");
        QTest::newRow("prefix") << QByteArray("nam");
        QTest::newRow("other") << QByteArray("seta");
    }
    void actionsOnAnUnknownKeyDoNothing()
    {
        QFETCH(QByteArray, key);
        Composition c;
        c.selectSegment(key.toStdString());
        const Composition before = c;
        c.applyColour(0x02, Red);
        c.appendToActive("xy");
        QVERIFY(c == before);
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
        c.setSegmentText("clan", "XYZ");
        c.applyColour(0x02, Red);
        c.setClanSwitch(false);
        const Segment &clan = c.segment(SegmentId::Clan);
        QVERIFY(clan.text().empty());
        QCOMPARE(clan.colourCode(), '\x02');
        QCOMPARE(clan.previewColour(), PreviewColour(Red));
        QCOMPARE(c.activeKey(), bytes("clan"));

        c.setClanSwitch(true);
        QVERIFY(c.segment(SegmentId::Clan).text().empty());
    }

    void switchedOffClanStillTakesColourAndGlyphsButNoTyping()
    {
        Composition c;
        c.setClanSwitch(false);
        c.applyColour(0x05, Blue);
        c.appendToActive("\xC0");
        c.setSegmentText("clan", "typed");
        QCOMPARE(c.segment(SegmentId::Clan).colourCode(), '\x05');
        QCOMPARE(c.segment(SegmentId::Clan).text(), bytes("\xC0"));
    }

    void textsAreCutToTheirLimit_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("limit");
        for (const SegmentKind &kind : SegmentKinds)
            QTest::newRow(kind.key.data()) << QByteArray(kind.key.data()) << int(kind.maxLength);
    }
    void textsAreCutToTheirLimit()
    {
        QFETCH(QByteArray, key);
        QFETCH(int, limit);
        const std::string longText(100, 'a');
        Composition c;
        c.setSegmentText(key.toStdString(), longText);
        const Segment *segment = c.findSegment(key.toStdString());
        QVERIFY(segment);
        QCOMPARE(int(segment->text().size()), limit);

        // One short fills exactly; full stays full.
        c.selectSegment(key.toStdString());
        c.setSegmentText(key.toStdString(), std::string(limit - 1, 'b'));
        c.appendToActive("xy");
        QCOMPARE(segment->text(), std::string(limit - 1, 'b') + 'x');
        c.appendToActive("z");
        QCOMPARE(segment->text(), std::string(limit - 1, 'b') + 'x');
    }

    void controlCodesNeverEnterAText()
    {
        Composition c;
        c.setSegmentText("name", std::string("a\tb\r\nc\x7f"
                                             "d\x01",
                                             9));
        QCOMPARE(c.segment(SegmentId::Name).text(), bytes("abcd"));
        c.selectSegment("name");
        c.appendToActive(std::string("\0e\x1f", 3));
        QCOMPARE(c.segment(SegmentId::Name).text(), bytes("abcde"));
    }

    void quotesAndHighBytesAreKept()
    {
        Composition c;
        c.setSegmentText("mess", "say \"hi\" \xFF\x80");
        QCOMPARE(c.segment(SegmentId::Mess).text(), bytes("say \"hi\" \xFF\x80"));
    }
};

QTEST_APPLESS_MAIN(TestComposition)
#include "tst_composition.moc"
