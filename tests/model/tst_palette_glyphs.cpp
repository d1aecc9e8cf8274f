// SPDX-License-Identifier: MIT
#include "model/composition.h"
#include "model/glyphlist.h"
#include "model/palette.h"

#include <QFile>
#include <QTest>
#include <set>
#include <vector>

using namespace tintforge;

namespace {

// A glyph box without a window: what the drop-down will hold.
class ListGlyphBox : public GlyphBox
{
public:
    std::string text() const override { return m_text; }
    void setText(std::string_view text) override { m_text = text; }
    void addEntry(std::string_view entry) override { entries.emplace_back(entry); }

    std::string m_text{FirstGlyph};
    std::vector<std::string> entries;
};

} // namespace

class TestPaletteGlyphs : public QObject
{
    Q_OBJECT

private slots:
    // The palette against a copy of the document's table, field by field.
    void paletteMatchesTheTable()
    {
        QFile file(QFINDTESTDATA("data/palette.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        std::size_t row = 0;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().chopped(1);
            if (line.startsWith('#'))
                continue;
            const QList<QByteArray> fields = line.split('\t');
            QCOMPARE(fields.size(), 6);
            QVERIFY(row < Palette.size());
            const Swatch &swatch = Palette[row++];
            QCOMPARE(swatch.position, fields[0].toInt());
            QCOMPARE(QByteArray(swatch.label.data(), qsizetype(swatch.label.size())), fields[1]);
            QCOMPARE(int(swatch.code), fields[2].toInt());
            QCOMPARE(swatch.preview.hex(), fields[3].toUInt(nullptr, 16));
            QCOMPARE(swatch.swatchColour.hex(), fields[4].toUInt(nullptr, 16));
            QCOMPARE(QByteArray(swatch.chartName.data(), qsizetype(swatch.chartName.size())),
                     fields[5]);
        }
        QCOMPARE(row, Palette.size());
    }

    void glyphBoxIsFilledWithTheListedBytes()
    {
        QFile file(QFINDTESTDATA("data/glyphs.bin"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected = file.readAll();
        QCOMPARE(expected.size(), 64);
        ListGlyphBox box;
        fillGlyphList(box);
        QByteArray filled;
        for (const std::string &entry : box.entries)
            filled += QByteArray::fromStdString(entry);
        QCOMPARE(filled, expected);
    }

    void paletteUsesEveryCodeButNineTenThirteen()
    {
        std::multiset<int> codes;
        std::set<std::string_view> labels;
        for (std::size_t i = 0; i < Palette.size(); ++i) {
            QCOMPARE(Palette[i].position, int(i) + 1);
            codes.insert(Palette[i].code);
            labels.insert(Palette[i].label);
        }
        QCOMPARE(labels.size(), std::size_t(29));
        for (int n = 2; n <= 30; ++n)
            QVERIFY(labels.count("Label" + std::to_string(n)));
        for (int code = 1; code <= 31; ++code) {
            const std::size_t expected = (code == 9 || code == 10 || code == 13) ? 0
                                         : code == 26                            ? 2
                                                                                 : 1;
            QCOMPARE(codes.count(code), expected);
        }
    }

    void codeTwentySixTwiceSameSwatchOtherPreview()
    {
        const Swatch &brown = Palette[8];
        const Swatch &lightBrown = Palette[23];
        QCOMPARE(brown.label, std::string_view("Label17"));
        QCOMPARE(lightBrown.label, std::string_view("Label22"));
        QCOMPARE(brown.code, lightBrown.code);
        QCOMPARE(brown.swatchColour, lightBrown.swatchColour);
        QCOMPARE(brown.preview.hex(), 0x804000u);
        QCOMPARE(lightBrown.preview.hex(), 0x800000u);
    }

    void blackSwatchOnFreshSegmentKeepsCodeSetsPreview()
    {
        Composition c;
        const Swatch &black = Palette[7];
        c.applyColour(black.code, black.preview);
        c.applyColour(black.code, black.preview);
        QCOMPARE(c.segment(SegmentId::Clan).colourCode(), '\x08');
        QCOMPARE(c.segment(SegmentId::Clan).previewColour(), PreviewColour(Rgb{}));
    }

    void glyphListRunsFrom192To255()
    {
        QCOMPARE(GlyphList.size(), std::size_t(64));
        for (std::size_t n = 0; n < GlyphList.size(); ++n)
            QCOMPARE(static_cast<unsigned char>(GlyphList[n]), 192 + n);
        QCOMPARE(FirstGlyph, std::string_view("\xC0"));
    }

    void fillingAddsAllGlyphsAndKeepsTheText()
    {
        ListGlyphBox box;
        box.setText("q");
        fillGlyphList(box);
        QCOMPARE(box.entries.size(), std::size_t(64));
        QCOMPARE(box.entries.front(), std::string("\xC0"));
        QCOMPARE(box.entries[23], std::string("\xD7"));
        QCOMPARE(box.entries.back(), std::string("\xFF"));
        QCOMPARE(box.text(), std::string("q"));
    }

    void appendingAGlyph_data()
    {
        QTest::addColumn<QByteArray>("active");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("boxText");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("untouched box appends A grave")
            << QByteArray("name") << QByteArray("") << QByteArray("\xC0") << QByteArray("\xC0");
        QTest::newRow("e acute after Abc") << QByteArray("name") << QByteArray("Abc")
                                           << QByteArray("\xE9") << QByteArray("Abc\xE9");
        QTest::newRow("empty box")
            << QByteArray("host") << QByteArray("h") << QByteArray("") << QByteArray("h");
        QTest::newRow("typed text fits")
            << QByteArray("mess") << QByteArray("m") << QByteArray("xy") << QByteArray("mxy");
        QTest::newRow("clan one short") << QByteArray("clan") << QByteArray("123456")
                                        << QByteArray("xy") << QByteArray("123456x");
        QTest::newRow("full segment") << QByteArray("clan") << QByteArray("1234567")
                                      << QByteArray("\xFF") << QByteArray("1234567");
        QTest::newRow("unknown key")
            << QByteArray("Name") << QByteArray("") << QByteArray("\xFF") << QByteArray("");
    }
    void appendingAGlyph()
    {
        QFETCH(QByteArray, active);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, boxText);
        QFETCH(QByteArray, after);
        Composition c;
        c.setSegmentText("name", before.toStdString());
        c.setSegmentText("clan", before.toStdString());
        c.setSegmentText("host", before.toStdString());
        c.setSegmentText("mess", before.toStdString());
        c.selectSegment(active.toStdString());
        Composition expected = c;
        const std::string target = active == "Name" ? "name" : active.toStdString();
        expected.setSegmentText(target, after.toStdString());

        ListGlyphBox box;
        box.setText(boxText.toStdString());
        appendGlyph(c, box);
        QVERIFY(c == expected);
        QCOMPARE(box.text(), std::string(FirstGlyph));
    }

    void secondPressAfterChoosingYAppendsAGrave()
    {
        Composition c;
        ListGlyphBox box;
        box.setText("\xFF");
        appendGlyph(c, box);
        appendGlyph(c, box);
        QCOMPARE(c.segment(SegmentId::Clan).text(), std::string("\xFF\xC0"));
    }
};

QTEST_APPLESS_MAIN(TestPaletteGlyphs)
#include "tst_palette_glyphs.moc"
