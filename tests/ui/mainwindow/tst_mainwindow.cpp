// SPDX-License-Identifier: MIT
#include "model/palette.h"
#include "support/files.h"
#include "support/gamefolder.h"
#include "support/goldenscripts.h"
#include "support/heldcalls.h"
#include "support/listeddata.h"
#include "support/mainwindow.h"
#include "support/widgets.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tintforge;
using tintforge::testing::readAll;

namespace {

// A click where a person would click: on whatever lies at that point of the window.
void clickAt(QWidget &window, QPoint point)
{
    QWidget *target = window.childAt(point);
    QTest::mouseClick(target ? target : &window, Qt::LeftButton, {},
                      target ? target->mapFrom(&window, point) : point);
}

// Typing as a keyboard does, one key event a character, any character.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// A file dragged from a file manager and dropped at `at` on `target`: its address, and its path
// as text, as file managers offer both. Whether the target took the drag.
// Drag data that counts how often its files and links are fetched from the drag's source.
// Where it is given a list, it hands over those very bytes, as a drag from another program does.
class CountingMimeData : public QMimeData
{
public:
    mutable int fetches = 0;
    QByteArray list;

protected:
    QVariant retrieveData(const QString &type, QMetaType preferred) const override
    {
        const bool ofList = type == QStringLiteral("text/uri-list");
        fetches += ofList;
        return ofList && !list.isNull() ? QVariant(list) : QMimeData::retrieveData(type, preferred);
    }
};

// Drags the data over the target and drops it there: whether the drop was taken, and how often
// the files and links were fetched before the drop.
std::pair<bool, int> dragAndDrop(QWidget *target, QPoint at, const CountingMimeData &data)
{
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return {false, data.fetches};
    QDragMoveEvent move(at + QPoint(1, 0), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    const int fetched = data.fetches;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return {drop.isAccepted(), fetched};
}

bool dropFile(QWidget *target, QPoint at, const QString &path)
{
    CountingMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(path);
    return dragAndDrop(target, at, data).first;
}

// What was left out of a paste, "field: characters".
const QString LeftOut = QStringLiteral("Left out of the %1, which the game does not take there.");

QPoint squareTopLeft(int position)
{
    return {16 + 2 + 16 * (position - 1), 160 + 1};
}

// Each swatch's name, as the user sees and hears it, by position.
constexpr std::array<const char *, 29> SwatchNames{
    "bright white", "bright red",   "bright green", "bright yellow", "bright blue",
    "pink",         "bright cyan",  "black",        "brown",         "red",
    "green",        "yellow green", "blue",         "yellow grey",   "green grey",
    "aqua grey",    "navy blue",    "purple grey",  "dark purple",   "purple",
    "ash purple",   "red purple",   "brick red",    "light brown",   "ash yellow grey",
    "light aqua",   "grey orange",  "light orange", "orange"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> form;
    // What the window would have shown and launched; tests replace both so nothing waits or opens.
    QStringList messages;
    QList<QUrl> openedLinks;

    template <typename T = QWidget> T *control(const char *name)
    {
        return testing::control<T>(form.get(), name);
    }
    QString focusName() const { return QApplication::focusWidget()->objectName(); }

private slots:
    void initTestCase() { installFormStyle(); }
    void init()
    {
        messages.clear();
        openedLinks.clear();
        form = testing::shownMainWindow(&messages);
        QVERIFY(form);
        form->setLinkOpener([this](const QUrl &url) {
            openedLinks << url;
            return true;
        });
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    // A colour script dropped anywhere on the window, a field included, or chosen with Ctrl+O in
    // the folder Make writes into, fills the segments; the selected segment and the glyph box
    // stay. One that cannot be read changes nothing and is named in the message.
    void droppedScriptOpens_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("golden");
        QTest::addColumn<QString>("message");
        const QString example = QStringLiteral("worked-example.cfg");
        QTest::newRow("on the banner") << QString() << example << QString();
        QTest::newRow("on a field") << QStringLiteral("hostField") << example << QString();
        QTest::newRow("on the glyph box") << QStringLiteral("glyphBox") << example << QString();
        QTest::newRow("a folder") << QString() << QString()
                                  << QStringLiteral("Could not open \"%1\": %2.");
        QTest::newRow("chosen with Ctrl+O") << QStringLiteral("Ctrl+O") << example << QString();
        QTest::newRow("a folder chosen with Ctrl+O")
            << QStringLiteral("Ctrl+O") << QString()
            << QStringLiteral("Could not open \"%1\": %2.");
    }
    void droppedScriptOpens()
    {
        QFETCH(QString, where);
        QFETCH(QString, golden);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = golden.isEmpty() ? dir.path() : testing::goldenScriptIn(dir, golden);
        control<QRadioButton>("hostOption")->click();
        typeText(control<QLineEdit>("messageField"), QStringLiteral("before"));
        const Composition before = form->composition();

        if (where == QStringLiteral("Ctrl+O")) {
            testing::TestGameFolder game;
            QVERIFY(game.create());
            QString startedIn;
            form->setScriptChooser([&](QWidget *, const QString &folder) {
                startedIn = folder;
                return QString(path);
            });
            QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
            if (game.usable())
                QTRY_COMPARE(startedIn, game.path());
        } else {
            QWidget *target = where.isEmpty() ? form.get() : control(qPrintable(where));
            if (auto *box = qobject_cast<QComboBox *>(target))
                target = box->lineEdit();
            QVERIFY(dropFile(target, target->rect().center(), path));
        }
        if (!message.isEmpty()) {
            QTRY_COMPARE(messages.size(), 1);
            // The file named in the system's own form.
            QVERIFY(messages[0].startsWith(
                message.arg(QDir::toNativeSeparators(path), QString()).chopped(1)));
            QCOMPARE(form->composition(), before);
            return;
        }
        Composition expected = openColourScript(path)->contents.composition;
        expected.selectSegment(SegmentId::Host);
        QTRY_COMPARE(form->composition(), expected);
        QCOMPARE(control<QLineEdit>("nameField")->text(), QStringLiteral("Player"));
        QCOMPARE(form->findChild<QWidget *>(QStringLiteral("spokenNotice"))->accessibleName(),
                 QStringLiteral("Opened \"%1\", which holds the name XYZPlayer.")
                     .arg(QDir::toNativeSeparators(path)));
        QCOMPARE(control<QLineEdit>("nameField")->cursorPosition(), 0); // shown from its start
        QCOMPARE(control<QLineEdit>("hostField")->text(), QString());
        QCOMPARE(control<QComboBox>("glyphBox")->currentText(), QStringLiteral("\u00C0"));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    }

    // A drop that carries files or links is the program's wherever it lands: anything but one
    // file this computer can open is refused, the drag's source is told so, and no field takes
    // its text. Plain text still drops into a field. Whether it carries files is told without
    // fetching them from the drag's source, which may be slow to hand them over, or never do.
    // The list is judged by its own bytes; %1 stands for the address of a script that opens.
    void dropsOtherThanOneFileAreRefused_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("fieldText");
        QTest::addColumn<QString>("message");
        const auto cannotOpen = [](const char *name, const char *why) {
            return QStringLiteral("Could not open \"%1\": %2.")
                .arg(QDir::toNativeSeparators(QString::fromUtf8(name)), QLatin1StringView(why));
        };
        QTest::newRow("two files") << QByteArray("file:///tmp/a.cfg\r\nfile:///tmp/b.cfg\r\n")
                                   << QStringLiteral("# comment line") << false << QString()
                                   << QStringLiteral("Could not open the 2 dropped files: drop one "
                                                     "colour script at a time.");
        QTest::newRow("a web link")
            << QByteArray("http://example.com/color.cfg") << QString() << false << QString()
            << QStringLiteral("Could not open \"http://example.com/color.cfg\": it is not a file "
                              "on this computer.");
        // A name whose bytes are not UTF-8 would come out of the list as a look-alike.
        const char *notUtf8 =
            "its name is not valid UTF-8, which the program needs to name it exactly";
        QTest::newRow("a name not UTF-8, its byte as it stands")
            << QByteArray("file:///nowhere/inv\xFF.cfg\r\n") << QString() << false << QString()
            << cannotOpen("/nowhere/inv\\xFF.cfg", notUtf8);
        QTest::newRow("a NUL in the name")
            << QByteArray("file:///nowhere/one.cfg%00.x") << QString() << false << QString()
            << cannotOpen("/nowhere/one.cfg\\x00.x",
                          "its name holds a NUL character, which no file's name does");
        QTest::newRow("a slash in a name")
            << QByteArray("file:///nowhere/a%2Fb.cfg") << QString() << false << QString()
            << cannotOpen("/nowhere/a/b.cfg",
                          "its name holds a slash (%2F), which no file's name does");
        QTest::newRow("a name of no folder")
            << QByteArray("file:hello.cfg") << QString() << false << QString()
            << QStringLiteral("Could not open \"hello.cfg\": the address names no folder, so "
                              "which file it is cannot be told.");
#ifndef Q_OS_WIN
        QTest::newRow("a # and a ? in the name")
            << QByteArray("file:///nowhere/a#b?.cfg") << QString() << true << QString()
            << cannotOpen("/nowhere/a#b?.cfg", "No such file or directory");
        QTest::newRow("another computer")
            << QByteArray("file://server/share/color.cfg") << QString() << false << QString()
            << cannotOpen("//server/share/color.cfg", "it is on another computer, server");
#endif
        QTest::newRow("this computer by name, comments skipped")
            << QByteArray("# a comment\r\nfile://LOCALHOST%1\r\n") << QString() << true << QString()
            << QString();
        QTest::newRow("only comments")
            << QByteArray("# a comment\r\n\r\n") << QString() << false << QString()
            << QStringLiteral("There was nothing to open in what was dropped.");
        QTest::newRow("nothing handed over")
            << QByteArray("") << QString() << false << QString()
            << QStringLiteral("Could not open what was dropped: the program it was dragged from "
                              "never handed it over.");
        QTest::newRow("plain text")
            << QByteArray() << QStringLiteral("Orv") << true << QStringLiteral("Orv") << QString();
    }
    void dropsOtherThanOneFileAreRefused()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QString, fieldText);
        QFETCH(QString, message);
        const QTemporaryDir dir;
        const QString script = testing::goldenScriptIn(dir, QStringLiteral("worked-example.cfg"));
        CountingMimeData data;
        if (!list.isNull()) {
            data.list = list.replace("%1", QUrl::fromLocalFile(script).path().toUtf8());
            data.setData(QStringLiteral("text/uri-list"), {});
        }
        data.setText(text);
        auto *name = control<QLineEdit>("nameField");
        const auto [dropped, fetchedBeforeDrop] = dragAndDrop(name, QPoint(5, 5), data);
        QCOMPARE(dropped, accepted);
        QCOMPARE(fetchedBeforeDrop, 0);
        QCOMPARE(name->text(), fieldText);
        if (!message.isEmpty())
            QTRY_COMPARE(messages, QStringList{message});
        QCOMPARE(messages.size(), message.isEmpty() ? 0 : 1);
    }

    void windowIsFixedWithItsCaption()
    {
        QCOMPARE(form->size(), QSize(545, 270));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->windowTitle(), QStringLiteral("Orv Vorlix's Tintforge"));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(form->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    }

    void controlsLieAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        const auto row = [](const char *name, int x, int y, int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h);
        };
        row("webLink", 8, 72, 81, 73);
        row("mailLink", 328, 120, 105, 17);
        row("clanOption", 480, 160, 41, 17);
        row("nameOption", 480, 176, 49, 17);
        row("name2Option", 480, 192, 57, 17);
        row("hostOption", 480, 208, 49, 17);
        row("messageOption", 480, 224, 65, 17);
        row("glyphBox", 8, 192, 33, 21);
        row("appendGlyphButton", 48, 192, 25, 17);
        row("clanSwitch", 80, 192, 41, 17);
        row("clanField", 120, 192, 57, 19);
        row("nameCaption", 184, 192, 33, 17);
        row("nameField", 216, 192, 129, 19);
        row("name2Field", 344, 192, 129, 19);
        row("hostCaption", 8, 224, 57, 17);
        row("hostField", 72, 224, 129, 19);
        row("messageCaption", 208, 224, 89, 17);
        row("messageField", 296, 224, 177, 19);
        row("makeButton", 8, 248, 505, 21);
        row("saveAsButton", 520, 248, 17, 17);
        row("swatch1", 16, 160, 17, 17);
        row("swatch8", 128, 160, 17, 17);
        row("swatch29", 464, 160, 17, 17);
    }
    void controlsLieAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(control(name.toLatin1().constData())->geometry(), pixels);
    }

    void startsOnClanWithSwitchOnAndFocusOnMake()
    {
        QVERIFY(control<QRadioButton>("clanOption")->isChecked());
        QVERIFY(control<QCheckBox>("clanSwitch")->isChecked());
        QCOMPARE(focusName(), QStringLiteral("makeButton"));
        for (const char *field :
             {"clanField", "nameField", "name2Field", "hostField", "messageField"}) {
            auto *edit = control<QLineEdit>(field);
            QVERIFY(edit->isEnabled() && edit->text().isEmpty());
            QCOMPARE(edit->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
            // Text shows in bold, from the first character typed.
            edit->setFocus();
            typeText(edit, QStringLiteral("x"));
            QVERIFY(edit->font().bold());
            QCOMPARE(edit->font().pixelSize(), 11);
        }
    }

    void eachSwatchAppliesItsColourToTheActiveSegment()
    {
        clickAt(*form, control("hostOption")->geometry().center()); // Host
        QCOMPARE(form->composition().activeSegment(), SegmentId::Host);
        for (const Swatch &swatch : Palette) {
            // The black frame of the area counts as much as the square.
            clickAt(*form, squareTopLeft(swatch.position) + QPoint(-1, 15));
            const Segment &host = form->composition().segment(SegmentId::Host);
            QCOMPARE(host.colourCode(), swatch.code);
            QCOMPARE(host.previewColour(), PreviewColour(swatch.preview));
            QCOMPARE(control<QLineEdit>("hostField")->palette().color(QPalette::Text).rgb() &
                         0xFFFFFF,
                     swatch.preview.hex());
            // Heard by the chart's name, spelled as a colour; the field tells the same name.
            const QString heard =
                QString::fromLatin1(SwatchNames.at(std::size_t(swatch.position) - 1));
            QCOMPARE(control(qPrintable(QStringLiteral("swatch%1").arg(swatch.position)))
                         ->accessibleName(),
                     heard);
            QCOMPARE(control("hostField")->accessibleDescription(), heard);
        }
        QCOMPARE(form->composition().segment(SegmentId::Clan).colourCode(), '\x08');
    }

    void clicksOutsideTheAreasChangeNothing_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("strip row 17") << QPoint(24, 177);
        QTest::newRow("strip row 18") << QPoint(300, 178);
        QTest::newRow("grey bar left of strip") << QPoint(10, 172);
        QTest::newRow("grey bar below strip") << QPoint(200, 182);
        QTest::newRow("banner") << QPoint(300, 40);
        QTest::newRow("printed web address") << QPoint(274, 60);
        QTest::newRow("caption Name:") << QPoint(190, 198);
        QTest::newRow("caption Starting Message:") << QPoint(230, 230);
    }
    void clicksOutsideTheAreasChangeNothing()
    {
        QFETCH(QPoint, point);
        const Composition before = form->composition();
        clickAt(*form, point);
        QVERIFY(form->composition() == before);
        QVERIFY(openedLinks.isEmpty());
    }

    // The strip's last pixel column lies under the "Clan" and "Name" option buttons: a click
    // there selects that segment and colours nothing. Checked from another selected segment, so
    // that the selection shows the click was taken.
    void stripsLastColumnBelongsToTheOptionButtons_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("selected");
        QTest::newRow("under Clan") << QPoint(481, 165) << int(SegmentId::Clan);
        QTest::newRow("under Name") << QPoint(481, 177) << int(SegmentId::Name);
    }
    void stripsLastColumnBelongsToTheOptionButtons()
    {
        QFETCH(QPoint, point);
        QFETCH(int, selected);
        control<QRadioButton>("messageOption")->click();
        QCOMPARE(form->composition().activeSegment(), SegmentId::Mess);
        Composition expected = form->composition();
        expected.selectSegment(SegmentId(selected));
        clickAt(*form, point);
        QVERIFY(form->composition() == expected);
    }

    void eachLinkClickLaunchesOnce()
    {
        const Composition before = form->composition();
        clickAt(*form, QPoint(48, 110));
        clickAt(*form, QPoint(380, 128));
        clickAt(*form, QPoint(380, 128));
        QCOMPARE(openedLinks.size(), 3);
        QCOMPARE(openedLinks[0].scheme(), QStringLiteral("https"));
        QCOMPARE(openedLinks[1].scheme(), QStringLiteral("mailto"));
        QCOMPARE(openedLinks[1], openedLinks[2]);
        QVERIFY(form->composition() == before);
        QVERIFY(messages.isEmpty());
    }

    void aLinkWithNoHandlerSaysSo()
    {
        form->setLinkOpener([](const QUrl &) { return false; });
        clickAt(*form, QPoint(48, 110));
        // The click, or a screen reader's press, returns at once; the message follows.
        QVERIFY(messages.isEmpty());
        QTRY_COMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("https://")));
        QVERIFY(form->isVisible());
    }

    void paletteStripPixelsAreExact()
    {
        const QImage shot = form->grab().toImage();
        const auto at = [&shot](QPoint p) { return shot.pixel(p) & 0xFFFFFF; };
        const QList<QRgb> colours =
            testing::listedSwatchColours(QFINDTESTDATA("data/swatch-colours.tsv"));
        QCOMPARE(colours.size(), 29);
        for (const Swatch &swatch : Palette) {
            const QPoint corner = squareTopLeft(swatch.position);
            const QRgb listed = colours[swatch.position - 1];
            for (const QPoint inside : {QPoint(0, 0), QPoint(11, 0), QPoint(0, 15), QPoint(11, 15)})
                QCOMPARE(at(corner + inside), listed);
            QCOMPARE(at(corner + QPoint(12, 7)), 0u); // the gap to the right
            QCOMPARE(at(corner + QPoint(5, -1)), 0u); // row 0
            QCOMPARE(at(corner + QPoint(5, 16)), 0u); // row 17
        }
        QCOMPARE(at(QPoint(10, 170)), 0xE0E0E0u);  // the grey bar left of the strip
        QCOMPARE(at(QPoint(200, 181)), 0xE0E0E0u); // and below it
        QCOMPARE(at(QPoint(540, 200)), 0u);
    }

    void clanSwitchGreysAndEmptiesTheClanField()
    {
        auto *clan = control<QLineEdit>("clanField");
        auto *box = control<QCheckBox>("clanSwitch");
        typeText(clan, QStringLiteral("XYZ"));
        clickAt(*form, squareTopLeft(2) + QPoint(4, 4));
        box->click();
        QVERIFY(!clan->isEnabled());
        QVERIFY(clan->text().isEmpty());
        QCOMPARE(clan->palette().color(QPalette::Disabled, QPalette::Base),
                 QColor(0x80, 0x80, 0x80));
        QCOMPARE(form->composition().segment(SegmentId::Clan).colourCode(), '\x02');
        QVERIFY(control<QRadioButton>("clanOption")->isChecked());

        // A glyph still goes into the switched-off clan segment and shows in its field.
        control<QPushButton>("appendGlyphButton")->click();
        QCOMPARE(clan->text(), QStringLiteral("À"));
        box->click();
        QVERIFY(clan->isEnabled());
        QCOMPARE(clan->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    }

    // What the game cannot show, or would refuse in that text, never enters a field; a paste
    // that loses characters names them, those past the limit too (%1: "takes N characters"); a
    // key is only refused, or said to find the field full.
    void fieldsTakeOnlyWhatTheGameCanShowUpToTheLimit_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("leftOut");
        const QString cut = QStringLiteral("Left out of the %1, which %2: %3");
        QTest::newRow("clan stops at 7") << "clanField"
                                         << "ABCDEFGHIJ"
                                         << "ABCDEFG" << cut.arg(u"clan tag", u"%1", u"HIJ");
        QTest::newRow("name stops at 15") << "nameField" << QString(20, u'n') << QString(15, u'n')
                                          << cut.arg(u"name", u"%1", QString(5, u'n'));
        QTest::newRow("message stops at 30")
            << "messageField" << QString(40, u'm') << QString(30, u'm')
            << cut.arg(u"server welcome message", u"%1", QString(10, u'm'));
        QTest::newRow("code page letters kept") << "name2Field"
                                                << "Zoë €5 ÿ"
                                                << "Zoë €5 ÿ" << QString();
        QTest::newRow("other scripts dropped") << "hostField"
                                               << "a☺bЖc☺"
                                               << "abc" << LeftOut.arg(u"server host name: ☺ Ж");
        QTest::newRow("control characters dropped")
            << "hostField"
            << "a\tb\u0085c"
            << "abc" << LeftOut.arg(u"server host name: \\x09 \\x85");
        QTest::newRow("accents composed before dropping") << "nameField"
                                                          << "Jose\u0301 Zoe\u0308"
                                                          << "Jos\u00E9 Zo\u00EB" << QString();
        QTest::newRow("dropped before the limit cuts")
            << "clanField"
            << "\U0001F600ABCDEFG"
            << "ABCDEFG" << LeftOut.arg(u"clan tag: \U0001F600");
        QTest::newRow("what the name would refuse") << "nameField"
                                                    << "a\"b;c\\d"
                                                    << "abcd" << LeftOut.arg(u"name: \" ; \\");
    }
    void fieldsTakeOnlyWhatTheGameCanShowUpToTheLimit()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, leftOut);
        auto *edit = control<QLineEdit>(field.toLatin1().constData());
        edit->setFocus();
        edit->insert(typed); // as a paste does
        QCOMPARE(edit->text(), shown);
        const QString takes = QStringLiteral("takes %1 characters").arg(shown.size());
        if (!leftOut.isEmpty())
            QTRY_COMPARE(messages,
                         QStringList{leftOut.contains(u"%1") ? leftOut.arg(takes) : leftOut});
        messages.clear();
        edit->clear();
        typeText(edit, typed);
        QCOMPARE(edit->text(), shown);
        QTest::qWait(0);
        QCOMPARE(messages, QStringList());
        if (leftOut.contains(u"%1"))
            QCOMPARE(form->findChild<QWidget *>(QStringLiteral("spokenNotice"))->accessibleName(),
                     QStringLiteral("The %1 is full: it %2.")
                         .arg(leftOut.section(u',', 0, 0).mid(16), takes));
    }

    void typedTextReachesTheModelAsCodePageBytes()
    {
        typeText(control("nameField"), QStringLiteral("Zoë€"));
        QCOMPARE(form->composition().segment(SegmentId::Name).text(), std::string("Zo\xEB\x80"));
    }

    // The glyph box is small, but its edit field shows the whole of a wide glyph.
    void glyphBoxShowsTheWholeGlyph()
    {
        auto *edit = control<QComboBox>("glyphBox")->lineEdit();
        QVERIFY(edit);
        const int widest = edit->fontMetrics().horizontalAdvance(QStringLiteral("\u00C6"));
        // The edit field's own margins, two pixels each side, and the text cursor.
        QVERIFY2(edit->width() >= widest + 2 * 2 + 1, qPrintable(QString::number(edit->width())));
        QVERIFY(control<QComboBox>("glyphBox")->geometry() == QRect(8, 192, 33, 21));
    }

    void glyphBoxAppendsAndResets()
    {
        auto *combo = control<QComboBox>("glyphBox");
        QCOMPARE(combo->count(), 64);
        QCOMPARE(combo->currentText(), QStringLiteral("À"));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->itemText(63), QStringLiteral("ÿ"));

        clickAt(*form, control("nameOption")->geometry().center()); // Name
        combo->setCurrentIndex(63);
        control<QPushButton>("appendGlyphButton")->click();
        // The press resets the box to À, so a second press appends À.
        QCOMPARE(combo->currentText(), QStringLiteral("À"));
        control<QPushButton>("appendGlyphButton")->click();
        combo->lineEdit()->selectAll();
        typeText(combo->lineEdit(), QStringLiteral("x☺\";y"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        control<QPushButton>("appendGlyphButton")->click();
        // The box takes what some segment takes; the name then leaves out its ';'.
        QCOMPARE(form->composition().segment(SegmentId::Name).text(), std::string("\xFF\xC0xy"));
        QTRY_COMPARE(messages, QStringList{LeftOut.arg(QStringLiteral("name: ;"))});
        // Heard once: what went in; what was left out is in the message.
        QCOMPARE(form->findChild<QWidget *>(QStringLiteral("spokenNotice"))->accessibleName(),
                 QStringLiteral("xy added to the name."));
        QCOMPARE(combo->count(), 64);
    }

    // The list is built when first opened, not with the window; opened from the keyboard it
    // drops down with the 64 glyphs and a scroll bar, and a choice lands in the edit field.
    void glyphListIsBuiltWhenFirstOpened()
    {
        auto *combo = control<QComboBox>("glyphBox");
        QVERIFY(!combo->findChild<QAbstractItemView *>());

        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_F4);
        QAbstractItemView *list = combo->findChild<QAbstractItemView *>();
        QVERIFY(list);
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->model()->rowCount(), 64);
        QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QVERIFY(list->verticalScrollBar()->maximum() > 0);

        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(combo->currentText(), QStringLiteral("Â"));
        QCOMPARE(combo->lineEdit()->text(), QStringLiteral("Â"));
    }

    // The box lists the 64 glyphs in order, as the data file has them, and keeps its text.
    void glyphBoxHoldsTheListedGlyphs()
    {
        const QByteArray glyphs = readAll(QFINDTESTDATA("../../model/data/glyphs.bin"));
        QVERIFY(!glyphs.isEmpty());
        auto *combo = control<QComboBox>("glyphBox");
        QCOMPARE(combo->count(), int(glyphs.size()));
        for (int i = 0; i < combo->count(); ++i)
            QCOMPARE(combo->itemText(i), QString(QChar(uchar(glyphs[i]))));
        QCOMPARE(combo->currentText(), QStringLiteral("À"));
    }

    void tabFollowsTheFocusOrderBothWays_data()
    {
        QTest::addColumn<bool>("clanOn");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("at start") << true << "clanOption"
                                  << QStringList{"makeButton",        "nameField",   "clanSwitch",
                                                 "clanOption",        "clanField",   "glyphBox",
                                                 "appendGlyphButton", "name2Field",  "hostField",
                                                 "messageField",      "saveAsButton"};
        QTest::newRow("clan off, Message chosen")
            << false << "messageOption"
            << QStringList{"makeButton",        "nameField",   "clanSwitch", "glyphBox",
                           "appendGlyphButton", "name2Field",  "hostField",  "messageField",
                           "messageOption",     "saveAsButton"};
    }
    void tabFollowsTheFocusOrderBothWays()
    {
        QFETCH(bool, clanOn);
        QFETCH(QString, selected);
        QFETCH(QStringList, order);
        control<QCheckBox>("clanSwitch")->setChecked(clanOn);
        control<QRadioButton>(selected.toLatin1().constData())->click();
        control("makeButton")->setFocus();
        for (qsizetype i = 1; i <= order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusName(), order[i % order.size()]);
        }
        for (qsizetype i = order.size() - 1; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(focusName(), order[i]);
        }
    }

    void arrowKeysChooseAnotherSegment()
    {
        control("clanOption")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(form->composition().activeSegment(), SegmentId::Name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(form->composition().activeSegment(), SegmentId::Name2);
        QVERIFY(control<QRadioButton>("name2Option")->isChecked());
    }

    void enterOrSpaceOnMakeWritesTheScript_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("space") << int(Qt::Key_Space);
    }
    void enterOrSpaceOnMakeWritesTheScript()
    {
        QFETCH(int, key);
        testing::TestGameFolder game;
        if (!game.usable())
            QSKIP("the game is installed in its standard folder; the test leaves it alone");
        QVERIFY(game.create());
        typeText(control("clanField"), QStringLiteral("XYZ"));
        control("makeButton")->setFocus();
        QTest::keyClick(control("makeButton"), Qt::Key(key));
        QTRY_COMPARE(readAll(game.file("color.cfg")), testing::scriptOf(form->composition()));
        QCOMPARE(readAll(game.file("config.cfg")), testing::ExecLineBytes);
        QVERIFY(messages.isEmpty());
    }

    void failedMakeSaysWhyAndKeepsTheComposition()
    {
        testing::TestGameFolder game; // not created
        if (!game.usable())
            QSKIP("the game is installed in its standard folder; the test leaves it alone");
        typeText(control("nameField"), QStringLiteral("Player"));
        const Composition before = form->composition();
        control<QPushButton>("makeButton")->click();
        QTRY_COMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith(
            QStringLiteral("Could not write \"%1\": ").arg(game.file("color.cfg"))));
#ifndef Q_OS_WIN
        // In the system's own words, in whatever language it speaks.
        QVERIFY(messages[0].contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
#endif
        QVERIFY(form->composition() == before);
        QCOMPARE(control<QLineEdit>("nameField")->text(), QStringLiteral("Player"));
        QVERIFY(!QFileInfo::exists(game.path()));
    }

    // A game folder that does not answer holds only the write: the press returns at once, a
    // second one writes nothing more, the user is told which folder does not answer, and the
    // outcome comes once it does, for the composition as it was at the press.
    void aFolderThatDoesNotAnswerHoldsOnlyTheWrite_data()
    {
        QTest::addColumn<bool>("goneMeanwhile");
        QTest::newRow("written late") << false;
        QTest::newRow("failed late") << true;
    }
    void aFolderThatDoesNotAnswerHoldsOnlyTheWrite()
    {
        QFETCH(bool, goneMeanwhile);
        testing::TestGameFolder game;
        if (!game.usable())
            QSKIP("the game is installed in its standard folder; the test leaves it alone");
        QVERIFY(game.create());
        for (FileWork *work : form->findChildren<FileWork *>())
            work->setPatience(std::chrono::milliseconds(300));
        typeText(control("nameField"), QStringLiteral("Pressed"));
        const QByteArray pressed = testing::scriptOf(form->composition());
        auto *make = control<QPushButton>("makeButton");
        const auto tip = [make] {
            QHelpEvent ask(QEvent::ToolTip, QPoint(5, 5), make->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(make, &ask);
            return make->accessibleDescription();
        };
        {
            testing::HeldFolder held(game.path());
            make->click();
            typeText(control("nameField"), QStringLiteral(" later"));
            QTRY_COMPARE(make->accessibleName(), QStringLiteral("Make, busy"));
            QWidget *notice = form->findChild<QWidget *>(QStringLiteral("spokenNotice"));
            QCOMPARE(notice->accessibleName(),
                     QStringLiteral("Writing, waiting for the file system to answer."));
            make->click();
            QVERIFY(notice->accessibleName().startsWith(u"A write is still under way"));
            QCOMPARE(tip(), QStringLiteral("Looking up where Make writes."));
            QTRY_COMPARE(messages.size(), 1);
            QVERIFY(messages[0].startsWith(
                QStringLiteral(
                    "Nothing has come back from \"%1\" for 0 seconds: the file system it "
                    "is on does not answer. The script is written once it answers")
                    .arg(game.path())));
            QTRY_VERIFY(make->accessibleDescription().contains(QStringLiteral("does not answer")));
            if (goneMeanwhile)
                QVERIFY(QDir(game.path()).removeRecursively());
        }
        QVERIFY(testing::workDone());
        QCOMPARE(make->accessibleName(), QString());
        QCOMPARE(messages.size(), goneMeanwhile ? 2 : 1);
        if (goneMeanwhile) {
            QVERIFY(messages[1].startsWith(
                QStringLiteral("Could not write \"%1\": ").arg(game.file("color.cfg"))));
            return;
        }
        QCOMPARE(readAll(game.file("color.cfg")), pressed);
        QCOMPARE(readAll(game.file("config.cfg")), testing::ExecLineBytes);
        QCOMPARE(form->findChild<QWidget *>(QStringLiteral("spokenNotice"))->accessibleName(),
                 QStringLiteral("Wrote color.cfg into \"%1\".").arg(game.path()));
    }

    // Make's tip and description say where it will write, as things stand when they are shown
    // and after each Make.
    void makeSaysWhereItWillWrite()
    {
        testing::TestGameFolder game; // not created yet
        if (!game.usable())
            QSKIP("the game is installed in its standard folder; the test leaves it alone");
        // Not looked up before it is wanted: the search may wait on a stalled file system.
        MainWindow fresh;
        QCOMPARE(testing::control<QPushButton>(&fresh, "makeButton")->toolTip(), QString());
        auto *make = control<QPushButton>("makeButton");
        const auto shown = [make] {
            QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), make->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(make, &tip);
            return testing::workDone() ? make->accessibleDescription() : QString();
        };
        QVERIFY(shown().startsWith(
            QStringLiteral("The game's folder was not found in \"%1\"").arg(game.path())));
        QVERIFY(shown().endsWith(
            QStringLiteral("Use \"...\" (save in another folder) to choose another folder.")));
        QVERIFY(game.create());
        make->click();
        QVERIFY(testing::workDone());
        QCOMPARE(make->accessibleDescription(),
                 QStringLiteral("Writes color.cfg into \"%1\".").arg(game.path()));
        QCOMPARE(shown(), make->accessibleDescription());
        QVERIFY(make->toolTip().contains(game.path().toHtmlEscaped()));
    }

    // The box the user sees shows the message as it stands, markup and all.
    void theMessageBoxShowsPlainText()
    {
        testing::TestGameFolder game; // not created
        if (!game.usable())
            QSKIP("the game is installed in its standard folder; the test leaves it alone");
        MainWindow window; // with the message box of its own
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer poll; // until the box shows, once the write has failed
        poll.callOnTimeout(&window, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                poll.stop();
                shown = box->text();
                format = box->textFormat();
                box->accept();
            }
        });
        poll.start(10);
        testing::control<QPushButton>(&window, "makeButton")->click();
        QTRY_VERIFY(!shown.isEmpty());
        // Wrapped to the screen, at a space where there is one.
        QString expected = QStringLiteral("Could not write\"%1\":").arg(game.file("color.cfg"));
        QVERIFY2(shown.remove(u'\n').remove(u' ').startsWith(expected.remove(u' ')),
                 qPrintable(shown));
        QCOMPARE(format, Qt::PlainText);
    }

    void scaledDisplayKeepsLayoutWithCrispStrip()
    {
        if (form->devicePixelRatioF() != 2.0)
            QSKIP("needs QT_SCALE_FACTOR=2");
        QCOMPARE(form->size(), QSize(545, 270));
        QCOMPARE(control("messageField")->geometry(), QRect(296, 224, 177, 19));
        const QImage shot = form->grab().toImage();
        QCOMPARE(shot.size(), QSize(1090, 540));
        // Every device pixel of a square is the square's colour: nothing smoothed at the edges.
        const QList<QRgb> colours =
            testing::listedSwatchColours(QFINDTESTDATA("data/swatch-colours.tsv"));
        QCOMPARE(colours.size(), 29);
        for (const Swatch &swatch : Palette) {
            const QPoint corner = squareTopLeft(swatch.position) * 2;
            const QRgb listed = colours[swatch.position - 1];
            QCOMPARE(shot.pixel(corner) & 0xFFFFFF, listed);
            QCOMPARE(shot.pixel(corner + QPoint(23, 31)) & 0xFFFFFF, listed);
            QCOMPARE(shot.pixel(corner + QPoint(24, 31)) & 0xFFFFFF, 0u);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
