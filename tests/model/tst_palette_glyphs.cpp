// SPDX-License-Identifier: MIT
#include "model/composition.h"
#include "model/glyphlist.h"
#include "model/palette.h"
#include "support/filebytes.h"

#include <QFile>
#include <QTest>
#include <set>

using namespace tintforge;

class TestPaletteGlyphs : public QObject
{
    Q_OBJECT

private slots:
    // The palette against its table written out by hand, field by field.
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
            QCOMPARE(fields.size(), 3);
            QVERIFY(row < Palette.size());
            const Swatch &swatch = Palette[row++];
            QCOMPARE(swatch.position, fields[0].toInt());
            QCOMPARE(int(swatch.code), fields[1].toInt());
            QCOMPARE(swatch.preview.hex(), fields[2].toUInt(nullptr, 16));
        }
        QCOMPARE(row, Palette.size());
    }

    void glyphListIsTheListedBytes()
    {
        QCOMPARE(QByteArray(GlyphList.data(), qsizetype(GlyphList.size())),
                 testing::readAll(QFINDTESTDATA("data/glyphs.bin")));
    }

    void paletteUsesEveryCodeButNineTenThirteen()
    {
        std::multiset<int> codes;
        for (std::size_t i = 0; i < Palette.size(); ++i) {
            QCOMPARE(Palette[i].position, int(i) + 1);
            codes.insert(Palette[i].code);
        }
        for (int code = 1; code <= 31; ++code) {
            const std::size_t expected = (code == 9 || code == 10 || code == 13) ? 0
                                         : code == 26                            ? 2
                                                                                 : 1;
            QCOMPARE(codes.count(code), expected);
        }
    }

    void codeTwentySixTwiceOtherPreview()
    {
        const Swatch &brown = Palette[8];
        const Swatch &lightBrown = Palette[23];
        QCOMPARE(brown.code, lightBrown.code);
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

    void appendingTheGlyphBoxText_data()
    {
        QTest::addColumn<int>("active");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("boxText");
        QTest::addColumn<QByteArray>("after");
        const int name = int(SegmentId::Name);
        const int clan = int(SegmentId::Clan);
        QTest::newRow("untouched box appends A grave")
            << name << QByteArray("") << QByteArray("\xC0") << QByteArray("\xC0");
        QTest::newRow("e acute after Abc")
            << name << QByteArray("Abc") << QByteArray("\xE9") << QByteArray("Abc\xE9");
        QTest::newRow("empty box")
            << int(SegmentId::Host) << QByteArray("h") << QByteArray("") << QByteArray("h");
        QTest::newRow("typed text fits")
            << int(SegmentId::Mess) << QByteArray("m") << QByteArray("xy") << QByteArray("mxy");
        QTest::newRow("clan one short")
            << clan << QByteArray("123456") << QByteArray("xy") << QByteArray("123456x");
        QTest::newRow("full segment")
            << clan << QByteArray("1234567") << QByteArray("\xFF") << QByteArray("1234567");
        QTest::newRow("second name") << int(SegmentId::Name2) << QByteArray("N")
                                     << QByteArray("\xFF") << QByteArray("N\xFF");
    }
    // Only the active segment changes; the others keep the same text.
    void appendingTheGlyphBoxText()
    {
        QFETCH(int, active);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, boxText);
        QFETCH(QByteArray, after);
        Composition c;
        for (std::size_t i = 0; i < SegmentKinds.size(); ++i)
            c.setSegmentText(SegmentId(i), before.toStdString());
        c.selectSegment(SegmentId(active));
        Composition expected = c;
        expected.setSegmentText(SegmentId(active), after.toStdString());

        c.appendToActive(boxText.toStdString());
        QVERIFY(c == expected);
    }
};

QTEST_APPLESS_MAIN(TestPaletteGlyphs)
#include "tst_palette_glyphs.moc"
