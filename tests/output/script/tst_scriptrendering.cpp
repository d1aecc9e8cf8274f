// SPDX-License-Identifier: MIT
// The colour script byte for byte, its chart, and reading it back.
#include "model/composition.h"
#include "model/glyphlist.h"
#include "model/palette.h"
#include "output/script/colourchart.h"
#include "output/script/lines.h"
#include "output/script/scriptreading.h"
#include "output/script/scriptrendering.h"
#include "support/goldenscripts.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#endif

using namespace tintforge;
using tintforge::testing::goldenScript;
using tintforge::testing::linesOf;
using tintforge::testing::Positions;
using tintforge::testing::Texts;

namespace {

QByteArray render(const Composition &c)
{
    const std::string script = renderColourScript(c);
    return QByteArray(script.data(), qsizetype(script.size()));
}

// Clan "XYZ" in code 2, name "Player" in code 5, everything else untouched.
Composition workedExample()
{
    Composition c;
    c.setSegmentText(SegmentId::Clan, "XYZ");
    c.applyColour(0x02, Rgb::fromHex(0xFF0000));
    c.selectSegment(SegmentId::Name);
    c.setSegmentText(SegmentId::Name, "Player");
    c.applyColour(0x05, Rgb::fromHex(0x0000FF));
    return c;
}

std::string glyphs(std::size_t from, std::size_t to)
{
    return std::string(GlyphList.begin() + from, GlyphList.begin() + to);
}

// The composition a script made from `c` reads back as: the written segments with the texts and
// codes they had, each code with the first swatch that writes it; with the clan switch off, the
// clan as it starts.
Composition asReadBack(const Composition &c)
{
    Composition expected;
    for (const SegmentId id : SegmentIds) {
        if (id == SegmentId::Clan && !c.clanSwitch())
            continue;
        const Segment &segment = c.segment(id);
        const auto first = std::find_if(Palette.begin(), Palette.end(), [&](const Swatch &s) {
            return s.code == segment.colourCode();
        });
        expected.setSegmentColour(id, segment.colourCode(),
                                  first != Palette.end() ? PreviewColour(first->preview)
                                                         : std::nullopt);
        expected.setSegmentText(id, segment.text());
    }
    expected.setClanSwitch(c.clanSwitch());
    return expected;
}

// Each segment takes the swatch at its palette position and then its text, appended (and so cut
// to its limit); then the clan switch.
Composition composedFrom(const Positions &positions, const Texts &texts, bool clanSwitch)
{
    Composition c;
    for (const SegmentId id : SegmentIds) {
        c.selectSegment(id);
        const Swatch &swatch = Palette[std::size_t(positions[segmentIndex(id)] - 1)];
        c.applyColour(swatch.code, swatch.preview);
        c.appendToActive(texts[segmentIndex(id)]);
    }
    c.setClanSwitch(clanSwitch);
    return c;
}

} // namespace

class TestScriptRendering : public QObject
{
    Q_OBJECT

private slots:
    // Whole scripts against files written out by hand from the tables: each segment takes the
    // swatch at the given palette position and then its text, appended (and so cut to its limit).
    // Between them the files use every palette position, every glyph and every text limit.
    void rendersGoldenScriptsAndReadsThemBack_data()
    {
        QTest::addColumn<QString>("golden");
        QTest::addColumn<Positions>("positions");
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<bool>("clanSwitch");
        QTest::newRow("worked example")
            << QStringLiteral("worked-example.cfg") << Positions{2, 5, 8, 8, 8}
            << Texts{"XYZ", "Player", "", "", ""} << true;
        QTest::newRow("worked example, clan off")
            << QStringLiteral("worked-example-clan-off.cfg") << Positions{2, 5, 8, 8, 8}
            << Texts{"XYZ", "Player", "", "", ""} << false;
        QTest::newRow("positions 1-5, every glyph, every limit")
            << QStringLiteral("positions-01-05-glyphs.cfg") << Positions{1, 2, 3, 4, 5}
            << Texts{glyphs(0, 10), glyphs(7, 22) + "!", glyphs(22, 37), glyphs(37, 62),
                     glyphs(62, 64) + std::string(40, 'x')}
            << true;
        QTest::newRow("positions 6-10")
            << QStringLiteral("positions-06-10.cfg") << Positions{6, 7, 8, 9, 10}
            << Texts{"[RUK]", "Orv", "Vorlix", "Soldier of Fortune server",
                     "Welcome, play fair and have fun"}
            << true;
        QTest::newRow("positions 11-15, empty texts")
            << QStringLiteral("positions-11-15.cfg") << Positions{11, 12, 13, 14, 15}
            << Texts{"", "", "", "", ""} << true;
        QTest::newRow("positions 16-20, over the limits")
            << QStringLiteral("positions-16-20.cfg") << Positions{16, 17, 18, 19, 20}
            << Texts{std::string(8, 'A'), std::string(16, 'B'), std::string(20, 'C'),
                     std::string(26, 'D'), std::string(31, 'E')}
            << true;
        // No text holds a quote, nor ';' or '\' but the welcome message, which takes both.
        QTest::newRow("positions 21-25, what the game refuses left out")
            << QStringLiteral("positions-21-25.cfg") << Positions{21, 22, 23, 24, 25}
            << Texts{"\"q\"", "a;b\\", "", "h\"", "\"a;b\\c\""} << true;
        QTest::newRow("positions 26-29, clan off")
            << QStringLiteral("positions-26-29-clan-off.cfg") << Positions{9, 26, 27, 28, 29}
            << Texts{"gone", "Zo\xEB", "\x80\x9F", "tab-free", "end"} << false;
    }
    void rendersGoldenScriptsAndReadsThemBack()
    {
        QFETCH(QString, golden);
        QFETCH(Positions, positions);
        QFETCH(Texts, texts);
        QFETCH(bool, clanSwitch);
        const Composition c = composedFrom(positions, texts, clanSwitch);
        const QByteArray bytes = goldenScript(golden);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(render(c), bytes);

        // Read back, the script gives the composition that made it, which makes the very same
        // bytes again.
        const auto read = readColourScript(bytes.toStdString());
        QVERIFY(read);
        QVERIFY(read->unread.empty());
        QCOMPARE(read->composition, asReadBack(c));
        QCOMPARE(render(read->composition), bytes);
    }

    // The chart printed in the console, line by line as written out by hand: on line n, the
    // code and chart name of swatch n.
    void theChartIsTheOneWrittenOut()
    {
        QCOMPARE(QByteArray::fromStdString(colourChart()),
                 testing::readAll(QFINDTESTDATA("data/chart.cfg")));
    }

    // The worked example counted by hand, and with the clan left out or every text full: 35
    // lines, each ended by CR LF, the header first and last, the name line second.
    void scriptsKeepTheirThirtyFiveLines_data()
    {
        QTest::addColumn<bool>("clanSwitch");
        QTest::addColumn<bool>("fullTexts");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("nameLine");
        QTest::newRow("worked example")
            << true << false << 1417
            << QByteArray::fromHex("6E616D6520220258595A05506C617965720822");
        QTest::newRow("clan off") << false << false << 1413
                                  << QByteArray("name \"\x05Player\x08\"");
        QTest::newRow("full texts")
            << true << true << 1417 - 3 - 6 + 7 + 15 + 15 + 25 + 30 << QByteArray();
    }
    void scriptsKeepTheirThirtyFiveLines()
    {
        QFETCH(bool, clanSwitch);
        QFETCH(bool, fullTexts);
        QFETCH(int, size);
        QFETCH(QByteArray, nameLine);
        Composition c = workedExample();
        for (std::size_t i = 0; fullTexts && i < SegmentKinds.size(); ++i) {
            c.selectSegment(SegmentId(i));
            c.applyColour(0x1A, std::nullopt);
            for (std::size_t glyph = 0; glyph < 40; ++glyph)
                c.appendToActive(std::string_view(&GlyphList[glyph % GlyphList.size()], 1));
        }
        c.setClanSwitch(clanSwitch);
        const QByteArray file = render(c);
        QCOMPARE(file.size(), size);
        QCOMPARE(file.count("\r\n"), 35);
        QCOMPARE(file.count('\n'), 35);
        QCOMPARE(file.count('\r'), 35);
        const QList<QByteArray> lines = linesOf(file);
        QCOMPARE(lines[0], QByteArray("//Generated by Vorlix[Ruk]'s Tintforge"));
        QCOMPARE(lines[34], lines[0]);
        QVERIFY(nameLine.isEmpty() || lines[1] == nameLine);
    }

    // The chart, 1282 bytes from bright white to orange, stands after the header and the name
    // line; an empty line and the host line follow it.
    void chartStandsBetweenTheNameAndTheHostLine()
    {
        const QByteArray chart = QByteArray::fromStdString(colourChart());
        QCOMPARE(chart.size(), 1282);
        QVERIFY(chart.startsWith(
            QByteArray::fromHex("6563686F202230310130312061626331323320636F6C6F723D464646464646"
                                "20627269676874207768697465220D0A")));
        QVERIFY(chart.endsWith("31 abc123 color=FF8020 orange\"\r\n"));
        const QByteArray file = render(workedExample());
        QCOMPARE(file.indexOf(chart), 38 + 2 + 21);
        QCOMPARE(file.mid(38 + 2 + 21 + chart.size(), 16),
                 QByteArray::fromHex("0D0A686F73746E616D65202208220D0A"));
        const QList<QByteArray> lines = linesOf(file);
        QCOMPARE(lines[31], QByteArray());
        QCOMPARE(lines[33], QByteArray("welcome_mess \"\x08\""));
    }

    void textsAreWrittenAsTheyStand()
    {
        Composition c;
        c.selectSegment(SegmentId::Host);
        c.setSegmentText(SegmentId::Host, "a $name // \xE9\xFF");
        c.applyColour(0x1F, std::nullopt);
        QCOMPARE(linesOf(render(c))[32], QByteArray("hostname \"\x1F"
                                                    "a $name // \xE9\xFF\""));
    }
};

QTEST_APPLESS_MAIN(TestScriptRendering)
#include "tst_scriptrendering.moc"
