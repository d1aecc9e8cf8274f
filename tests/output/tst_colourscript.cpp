// SPDX-License-Identifier: MIT
#include "model/composition.h"
#include "model/glyphlist.h"
#include "model/palette.h"
#include "output/colourchart.h"
#include "output/colourscript.h"
#include "output/scriptreader.h"
#include "support/files.h"

#include <algorithm>
#include <array>
#include <QByteArray>
#include <QDir>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace tintforge;

namespace {

QByteArray render(const Composition &c)
{
    const std::string script = renderColourScript(c);
    return QByteArray(script.data(), qsizetype(script.size()));
}

// Lines of a CR LF file, without their line ends.
QList<QByteArray> linesOf(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast(); // after the final line end
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
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

QByteArray goldenFile(const QString &name)
{
    return testing::readAll(QFINDTESTDATA(QStringLiteral("data/") + name));
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
        expected.selectSegment(id);
        expected.applyColour(segment.colourCode(),
                             first != Palette.end() ? PreviewColour(first->preview) : std::nullopt);
        expected.setSegmentText(id, segment.text());
    }
    expected.setClanSwitch(c.clanSwitch());
    expected.selectSegment(SegmentId::Clan);
    return expected;
}

// The worked example's script with its line starting `prefix` replaced by `line` (removed when
// `line` is empty), or `line` added before the last line when no line starts so.
QByteArray editedExample(const QByteArray &prefix, const QByteArray &line)
{
    QList<QByteArray> lines = linesOf(goldenFile(QStringLiteral("worked-example.cfg")));
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

using Positions = std::array<int, 5>;
using Texts = std::array<std::string, 5>;

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

Q_DECLARE_METATYPE(Positions)
Q_DECLARE_METATYPE(Texts)

class TestColourScript : public QObject
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
        QTest::newRow("positions 21-25, quotes as they stand")
            << QStringLiteral("positions-21-25.cfg") << Positions{21, 22, 23, 24, 25}
            << Texts{"\"q\"", "a\"b", "", "h\"", "\""} << true;
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
        const QByteArray bytes = goldenFile(golden);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(render(c), bytes);

        // Read back, the script gives the composition that made it, which makes the very same
        // bytes again.
        const auto read = readColourScript(bytes.toStdString());
        QVERIFY2(read, qPrintable(read ? QString() : read.error()));
        QVERIFY(read->unread.empty());
        QCOMPARE(read->composition, asReadBack(c));
        QCOMPARE(render(read->composition), bytes);
    }

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
        QTest::newRow("host line missing")
            << editedExample("hostname ", "") << example << true
            << start + "The host line is missing; left empty: host name.";
        QTest::newRow("message line twice")
            << editedExample("bind", "welcome_mess \"\x08"
                                     "again\"")
            << example << true
            << start + "The message line appears more than once; left empty: welcome message.";
        QTest::newRow("no closing quote")
            << editedExample("welcome_mess ", "welcome_mess \"\x08hi") << example << true
            << start + "The message line does not end with a quote; left empty: welcome message.";
        QTest::newRow("no code")
            << editedExample("welcome_mess ", "welcome_mess \"hi\"") << example << true
            << start + "The message line does not start with a colour code; left empty: "
                       "welcome message.";
    }
    void readsWhatCanBeReadExactly()
    {
        QFETCH(QByteArray, file);
        QFETCH(Texts, texts);
        QFETCH(bool, clanSwitch);
        QFETCH(QString, message);
        const auto read = readColourScript(file.toStdString());
        QVERIFY2(read, qPrintable(read ? QString() : read.error()));
        for (const SegmentId id : SegmentIds)
            QCOMPARE(read->composition.segment(id).text(), texts[segmentIndex(id)]);
        QCOMPARE(read->composition.clanSwitch(), clanSwitch);
        QCOMPARE(read->message(QStringLiteral("color.cfg")), message);
    }

    // What is no colour script at all is refused whole, with its reason; the file's own
    // faults (not a file, a device, a pipe, too large, missing) likewise, without reading on.
    void refusesWhatIsNoScript_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const QByteArray example = goldenFile(QStringLiteral("worked-example.cfg"));
        QTest::newRow("empty") << QByteArray() << QStringLiteral("the file is empty");
        const QString noCrLf = QStringLiteral("its lines do not end with CR LF, as a colour "
                                              "script's do");
        QTest::newRow("line feeds only") << QByteArray(example).replace("\r\n", "\n") << noCrLf;
        QTest::newRow("last line unended") << example.chopped(2) << noCrLf;
        QTest::newRow("a lone carriage return") << "a\rb\r\n" + example << noCrLf;
        QByteArray binary;
        for (int i = 0; i < 1024; ++i)
            binary += char(i * 7 % 256);
        QTest::newRow("binary") << binary << noCrLf;
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
        QCOMPARE(read.error(), reason);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("color.cfg"));
        testing::writeFile(path, file);
        const auto opened = openColourScript(path);
        QVERIFY(!opened);
        QCOMPARE(openFailureMessage(opened.error()),
                 QStringLiteral("Could not open \"%1\": %2.").arg(path, reason));
    }

    void opensOnlyOrdinaryFilesOfAScriptsSize_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
#ifdef Q_OS_WIN
        // Windows refuses to open a folder as a file at all.
        QTest::newRow("folder") << QStringLiteral("folder") << QString();
#else
        QTest::newRow("folder") << QStringLiteral("folder")
                                << QStringLiteral("it is not an ordinary file");
#endif
        QTest::newRow("missing") << QStringLiteral("missing") << QString();
        QTest::newRow("gigabytes")
            << QStringLiteral("huge") << QStringLiteral("it is larger than any colour script");
#ifdef Q_OS_UNIX
        QTest::newRow("device") << QStringLiteral("/dev/zero")
                                << QStringLiteral("it is not an ordinary file");
        QTest::newRow("pipe") << QStringLiteral("fifo")
                              << QStringLiteral("it is not an ordinary file");
#endif
    }
    void opensOnlyOrdinaryFilesOfAScriptsSize()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("color.cfg"));
        if (kind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QStringLiteral("huge")) {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.write(goldenFile(QStringLiteral("worked-example.cfg"))) > 0);
            QVERIFY(huge.resize(qint64(4) << 30)); // sparse: no disk is filled
        } else if (kind == QStringLiteral("fifo")) {
#ifdef Q_OS_UNIX
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        } else if (kind.startsWith(u'/')) {
            path = kind;
        }
        const auto opened = openColourScript(path);
        QVERIFY(!opened);
        QCOMPARE(opened.error().path, path);
        if (reason.isEmpty())
            QVERIFY(!opened.error().cause.reason.isEmpty());
        else
            QVERIFY2(opened.error().cause.reason.endsWith(reason),
                     qPrintable(opened.error().cause.reason));
    }

    void chartIs1282BytesStartingWithBrightWhite()
    {
        const std::string &chart = ColourChart();
        QCOMPARE(chart.size(), std::size_t(1282));
        const QByteArray firstLine =
            QByteArray::fromHex("6563686F202230310130312061626331323320636F6C6F723D464646464646"
                                "2062726967687420776869746522"
                                "0D0A");
        QCOMPARE(QByteArray(chart.data(), firstLine.size()), firstLine);
        QVERIFY(chart.ends_with("31 abc123 color=FF8020 orange\"\r\n"));
    }

    // The chart printed in the console shows, on line n, the code and name of swatch n.
    void swatchAtPositionNWritesChartLineNsCode()
    {
        const QList<QByteArray> lines = linesOf(QByteArray::fromStdString(ColourChart()));
        QCOMPARE(lines.size(), qsizetype(Palette.size()));
        for (std::size_t n = 0; n < Palette.size(); ++n) {
            const QByteArray &line = lines[qsizetype(n)];
            QCOMPARE(line.at(8), Palette[n].code);
            const QByteArray name(Palette[n].chartName.data(),
                                  qsizetype(Palette[n].chartName.size()));
            QVERIFY2(line.endsWith(' ' + name + '"'), line.constData());
        }
    }

    void workedExampleByteForByte()
    {
        const QByteArray file = render(workedExample());
        QCOMPARE(file.size(), 1417);
        const QList<QByteArray> lines = linesOf(file);
        QCOMPARE(lines.size(), 35);
        QCOMPARE(file.count("\r\n"), 35);
        QCOMPARE(file.count('\n'), 35);

        QCOMPARE(lines[0], QByteArray("//Generated by Vorlix[Ruk]'s Tintforge"));
        QCOMPARE(lines[0].size(), 38);
        QVERIFY(file.startsWith(lines[0] + "\r\n" +
                                QByteArray::fromHex("6E616D6520220258595A05506C61796572082"
                                                    "20D0A")));
        const QByteArray chart = QByteArray::fromStdString(ColourChart());
        const qsizetype chartAt = file.indexOf(chart);
        QCOMPARE(chartAt, 38 + 2 + 21);
        // The chart is followed by an empty line, then the host line.
        QCOMPARE(file.mid(chartAt + chart.size(), 16),
                 QByteArray::fromHex("0D0A686F73746E616D6520220822"
                                     "0D0A"));
        QCOMPARE(lines[31], QByteArray());
        QCOMPARE(lines[33], QByteArray("welcome_mess \"\x08\""));
        QCOMPARE(lines[34], lines[0]);
        QVERIFY(file.endsWith("Tintforge\r\n"));
    }

    void clanSwitchOffLeavesClanOutOfTheNameLine()
    {
        Composition c = workedExample();
        c.setClanSwitch(false);
        const QByteArray file = render(c);
        QCOMPARE(file.size(), 1413);
        QCOMPARE(linesOf(file)[1], QByteArray("name \"\x05Player\x08\""));
    }

    void textsAreWrittenAsTheyStand()
    {
        Composition c;
        c.selectSegment(SegmentId::Host);
        c.setSegmentText(SegmentId::Host, "a \"quoted\" \xE9\xFF");
        c.applyColour(0x1F, std::nullopt);
        QCOMPARE(linesOf(render(c))[32], QByteArray("hostname \"\x1F"
                                                    "a \"quoted\" \xE9\xFF\""));
    }

    void fullTextsStillGiveThirtyFiveLines()
    {
        Composition c;
        for (std::size_t i = 0; i < SegmentKinds.size(); ++i) {
            c.selectSegment(SegmentId(i));
            c.applyColour(0x1A, std::nullopt);
            for (std::size_t glyph = 0; glyph < 40; ++glyph)
                c.appendToActive(std::string_view(&GlyphList[glyph % GlyphList.size()], 1));
        }
        const QByteArray file = render(c);
        QCOMPARE(file.count("\r\n"), 35);
        QCOMPARE(file.count('\n'), 35);
        QCOMPARE(file.count('\r'), 35);
        QCOMPARE(file.size(), 1417 - 3 - 6 + 7 + 15 + 15 + 25 + 30);
    }
};

QTEST_APPLESS_MAIN(TestColourScript)
#include "tst_colourscript.moc"
