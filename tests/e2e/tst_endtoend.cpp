// SPDX-License-Identifier: MIT
#include "model/composition.h"
#include "model/glyphlist.h"
#include "model/palette.h"
#include "output/script/lines.h"
#include "support/files.h"
#include "support/goldenscripts.h"
#include "support/listeddata.h"
#include "ui/look/layout.h"
#include "xwindows.h"

#include <functional>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

using namespace tintforge;
using tintforge::testing::readAll;
using tintforge::testing::scriptOf;

namespace {

const QString Title = QStringLiteral("^Orv Vorlix's Tintforge$");
const QSize MainWindowSize{pixels(layout::MainWindowWidth), pixels(layout::MainWindowHeight)};

// The program under test: this tree's own, or the Windows program under Wine when the Windows
// test run names it, with the script that runs it in a prefix of its own.
struct Target {
    QString program;
    QStringList arguments;
    // The Wine prefix, or empty for the program of this tree.
    QString winePrefix;

    bool underWine() const { return !winePrefix.isEmpty(); }
    // A file's path as the program names it: under Wine on drive Z:, which is the root folder.
    QString pathFor(const QString &file) const
    {
        return underWine() ? QStringLiteral("Z:") + QString(file).replace(u'/', u'\\') : file;
    }
    // Where Make writes, below a fresh home folder for this tree's program.
    QString gameFolder(const QString &home) const
    {
        return underWine() ? winePrefix + QStringLiteral("/drive_c/Program Files/Raven/SOF/user")
                           : home + QStringLiteral("/.loki/sof");
    }
    // Where the game's installer puts it on 64-bit Windows: the folder for 32-bit programs, in
    // the test's prefix, or in ~/.wine for this tree's program.
    QString programs32Raven(const QString &home) const
    {
        return (underWine() ? winePrefix : home + QStringLiteral("/.wine")) +
               QStringLiteral("/drive_c/Program Files (x86)/Raven");
    }
};

const Target &target()
{
    static const Target chosen = [] {
        const QString windowsProgram = qEnvironmentVariable("TINTFORGE_WINDOWS_PROGRAM");
        if (windowsProgram.isEmpty())
            return Target{QStringLiteral(TINTFORGE_PROGRAM), {}, {}};
        const QString prefix = qEnvironmentVariable("TINTFORGE_WINE_PREFIX");
        return Target{qEnvironmentVariable("TINTFORGE_WINE_RUN"), {prefix, windowsProgram}, prefix};
    }();
    return chosen;
}

QByteArray run(const char *program, const QStringList &arguments, int timeoutMs = 20000)
{
    QProcess process;
    process.start(QString::fromLatin1(program), arguments);
    if (!process.waitForFinished(timeoutMs))
        qWarning() << program << arguments << "did not finish";
    return process.readAllStandardOutput();
}

QPoint swatchCentre(int position)
{
    return {16 + 16 * (position - 1) + 8, 168};
}

// Places in the main window, in its own pixels.
const QPoint ClanField{148, 201};
const QPoint NameField{280, 201};
const QPoint ClanSwitch{84, 200};
const QPoint NameOption{486, 184};
const QPoint AppendGlyph{60, 200};
const QPoint Make{260, 258};
const QPoint Chooser{528, 256};
const QPoint SaveInChooser{144, 216};
const QPoint FirstFolderInChooser{144, 42};

// A script the program made before, in a folder of its own.
struct MadeScript {
    QTemporaryDir folder;
    QByteArray bytes = tintforge::testing::goldenScript(QStringLiteral("positions-06-10.cfg"));
    QString path = folder.filePath(QStringLiteral("color.cfg"));

    MadeScript() { tintforge::testing::writeFile(path, bytes); }
};

// One run of the program with its own home and current folder, driven through the X server.
class Session
{
public:
    // With a screen reader, the program offers itself on the desktop's accessibility bus. A file
    // given is named on the program's command line.
    // A launcher given starts the program, named after it with its arguments.
    explicit Session(bool withGameFolder = true, bool screenReader = false,
                     const QString &file = {}, const QStringList &launcher = {})
        : m_gameFolder(target().gameFolder(m_home.path()))
    {
        QDir(m_gameFolder).removeRecursively();
        if (withGameFolder)
            QDir().mkpath(m_gameFolder);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.remove(QStringLiteral("WINEPREFIX"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (screenReader)
            env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        m_program.setProcessEnvironment(env);
        m_program.setWorkingDirectory(m_work.path());
        QStringList arguments = target().arguments;
        if (!file.isEmpty())
            arguments << target().pathFor(file);
        if (launcher.isEmpty())
            m_program.start(target().program, arguments);
        else
            m_program.start(launcher.first(),
                            launcher.mid(1) + QStringList{target().program} + arguments);
        m_program.waitForStarted();
        m_window = findWindow(Title).value(0);
        m_origin = originOf(m_window);
    }
    ~Session()
    {
        m_program.kill();
        m_program.waitForFinished();
        QDir(m_gameFolder).removeRecursively();
    }

    bool started() const { return !m_window.isEmpty(); }
    // Closes the main window as a window manager would and waits for the program to end.
    bool closeAndWait()
    {
        return askWindowToClose(m_window.toULong()) && m_program.waitForFinished(20000);
    }
    QProcess &program() { return m_program; }
    unsigned long window() const { return m_window.toULong(); }
    bool running() const { return m_program.state() == QProcess::Running; }
    QPoint origin() const { return m_origin; }
    QString gameFile(const char *name) const
    {
        return m_gameFolder + u'/' + QString::fromLatin1(name);
    }
    QString workFile(const char *name) const { return m_work.filePath(QString::fromLatin1(name)); }
    QString home() const { return m_home.path(); }

    static QStringList findWindow(const QString &pattern)
    {
        // A start under the sanitizers on a busy machine may take its time. A window that closes
        // while xdotool looks at it (the last run's, going) ends that search with an X error, so
        // the search starts again until a window is found or the time is up.
        const QDeadlineTimer deadline(90000);
        do {
            const QByteArray out =
                run(XDOTOOL,
                    {QStringLiteral("search"), QStringLiteral("--sync"),
                     QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern},
                    int(std::max<qint64>(1, deadline.remainingTime())));
            QStringList found = QString::fromLatin1(out).split(u'\n', Qt::SkipEmptyParts);
            if (!found.isEmpty())
                return found;
            QThread::msleep(100);
        } while (!deadline.hasExpired());
        return {};
    }
    // Where the window's own area starts on the screen; under a window manager that is inside
    // the frame it adds.
    // A window that the window manager leaves alone (Wine's tool windows) carries the frame its
    // own system draws: then the window's own area of `size` sits at the bottom, between equal
    // borders.
    static QPoint originOf(const QString &window, QSize size = MainWindowSize)
    {
        const std::optional<FrameRect> area = areaOf(window.toULong());
        if (!area)
            return {};
        const int border = std::max(0, (area->width - size.width()) / 2);
        const int top = std::max(0, area->height - size.height() - border);
        return {area->x + border, area->y + top};
    }

    void clickAt(QPoint windowOrigin, QPoint point) const
    {
        const QPoint at = windowOrigin + point;
        run(XDOTOOL, {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                      QStringLiteral("click"), QStringLiteral("1")});
    }
    void click(QPoint point) const { clickAt(m_origin, point); }
    void type(const QString &text) const
    {
        run(XDOTOOL, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"),
                      QStringLiteral("--"), text});
    }
    // Keys by their X names, one argument each: "Tab", "shift+Tab", "space".
    void key(const QString &keys) const
    {
        run(XDOTOOL,
            QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} +
                keys.split(u' ', Qt::SkipEmptyParts));
    }
    QString programOutput()
    {
        return QStringLiteral("exit %1 (%2, error %3): ")
                   .arg(m_program.exitCode())
                   .arg(m_program.exitStatus())
                   .arg(m_program.error()) +
               QString::fromLocal8Bit(m_program.readAllStandardError());
    }

private:
    QTemporaryDir m_home;
    QTemporaryDir m_work;
    QString m_gameFolder;
    QProcess m_program;
    QString m_window;
    QPoint m_origin;
};

// What a screen reader sees and does, through the accessibility bus: the client's output lines.
QStringList screenReader(const QStringList &command)
{
    QProcess client;
    client.start(
        QStringLiteral(ATSPI_PYTHON),
        QStringList{QStringLiteral(ATSPI_CLIENT), QStringLiteral("Orv Vorlix's Tintforge")} +
            command);
    if (!client.waitForFinished(30000) || client.exitCode() != 0)
        qWarning() << "accessibility client" << command << client.readAllStandardOutput()
                   << client.readAllStandardError();
    return QString::fromUtf8(client.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// What a screen reader is told while `act` runs: one line per event of the program, as the
// client prints them ("focus: 0 | text | name").
QStringList heardWhile(const std::function<void()> &act, int seconds)
{
    QProcess listener;
    listener.start(QStringLiteral(ATSPI_PYTHON),
                   {QStringLiteral(ATSPI_CLIENT), QStringLiteral("Orv Vorlix's Tintforge"),
                    QStringLiteral("listen"), QString::number(seconds)});
    if (!QTest::qWaitFor(
            [&] {
                listener.waitForReadyRead(100);
                return listener.peek(10).startsWith("listening");
            },
            20000))
        return {QStringLiteral("the listener did not start")};
    act();
    listener.waitForFinished((seconds + 20) * 1000);
    return QString::fromUtf8(listener.readAllStandardOutput())
        .split(u'\n', Qt::SkipEmptyParts)
        .mid(1);
}

QImage screenshot()
{
    return QImage::fromData(
        run(IMPORT, {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}));
}

// The composition a person builds in the typical run: a red clan tag, a blue name with a glyph.
Composition typicalRun()
{
    Composition c;
    c.setSegmentText(SegmentId::Clan, "XYZ");
    c.applyColour(Palette[1].code, Palette[1].preview);
    c.selectSegment(SegmentId::Name);
    c.setSegmentText(SegmentId::Name, "Player");
    c.applyColour(Palette[4].code, Palette[4].preview);
    c.appendToActive(FirstGlyph);
    return c;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

    void doTypicalRun(const Session &s)
    {
        s.click(ClanField);
        s.type(QStringLiteral("XYZ"));
        s.click(swatchCentre(2));
        s.click(NameOption);
        s.click(NameField);
        s.type(QStringLiteral("Player"));
        s.click(swatchCentre(5));
        s.click(AppendGlyph);
    }

    QProcess m_windowManager;

    // Waits until openbox has finished starting, not only announced itself: a window mapped while
    // it still takes over the screen may never be shown.
    bool startWindowManager()
    {
        QTemporaryDir dir;
        const QString ready = dir.filePath(QStringLiteral("ready"));
        m_windowManager.start(QStringLiteral(OPENBOX),
                              {QStringLiteral("--startup"), QStringLiteral("touch ") + ready});
        return m_windowManager.waitForStarted() &&
               QTest::qWaitFor([&] { return QFileInfo::exists(ready); }, 10000) &&
               windowManagerRunning();
    }

private slots:
    // The Windows program runs under a window manager throughout, as on a desktop, in a prefix
    // made once before the first start.
    void initTestCase()
    {
        if (!target().underWine())
            return;
        QVERIFY(startWindowManager());
        QProcess prepare;
        prepare.start(target().program, {target().winePrefix, QStringLiteral("wineboot.exe")});
        QVERIFY(prepare.waitForFinished(120000));
    }
    void cleanupTestCase()
    {
        m_windowManager.terminate();
        m_windowManager.waitForFinished();
    }

    void typicalRunWithTheKeyboardForMake()
    {
        Session s;
        QVERIFY(s.started());
        doTypicalRun(s);
        // Make is one Shift+Tab before the name field; the space bar presses it.
        s.click(NameField);
        s.key(QStringLiteral("shift+Tab"));
        s.key(QStringLiteral("space"));
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.gameFile("config.cfg")), testing::ExecLineBytes, 5000);
        QCOMPARE(readAll(s.gameFile("color.cfg")), scriptOf(typicalRun()));

        // What the person sees: the palette squares, silver fields, black background.
        const QImage shot = screenshot();
        const auto at = [&](QPoint p) { return shot.pixel(s.origin() + p) & 0xFFFFFF; };
        const QList<QRgb> colours =
            testing::listedSwatchColours(QFINDTESTDATA("../ui/mainwindow/data/swatch-colours.tsv"));
        QCOMPARE(colours.size(), 29);
        for (const Swatch &swatch : Palette)
            QCOMPARE(at(swatchCentre(swatch.position)), colours[swatch.position - 1]);
        QCOMPARE(at(QPoint(460, 230)), 0xC0C0C0u); // message field, right of any text
        QCOMPARE(at(QPoint(170, 201)), 0xC0C0C0u); // clan field, right of "XYZ"
        QCOMPARE(at(QPoint(540, 200)), 0x000000u);
        QCOMPARE(at(QPoint(535, 215)), 0x000000u);

        // Unticked, the clan switch greys the clan field and leaves the tag out of the name.
        s.click(ClanSwitch);
        s.click(Make);
        Composition clanOff = typicalRun();
        clanOff.setClanSwitch(false);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.gameFile("color.cfg")), scriptOf(clanOff), 5000);
        QCOMPARE(screenshot().pixel(s.origin() + QPoint(170, 201)) & 0xFFFFFF, 0x808080u);
    }

    // Walked with Tab, the controls take what is typed up to each segment's limit, "^>" included.
    void tabWalksTheFocusOrder()
    {
        Session s;
        QVERIFY(s.started());
        // From Make, Tab reaches the name field; three more the clan field.
        s.click(QPoint(300, 40)); // the banner: the window takes the keyboard, nothing else
        s.key(QStringLiteral("Tab"));
        s.type(QStringLiteral("Nm"));
        s.key(QStringLiteral("Tab Tab Tab"));
        s.type(QStringLiteral("ABCDEF"));
        // Past the glyph box to "^>", pressed twice for the clan tag, whose limit the second
        // press meets: its message names what was left out. Then the second name part.
        s.key(QStringLiteral("Tab Tab space space"));
        QTRY_COMPARE_WITH_TIMEOUT(Session::findWindow(Title).size(), 2, 10000);
        s.key(QStringLiteral("Return"));
        QTRY_COMPARE_WITH_TIMEOUT(Session::findWindow(Title).size(), 1, 5000);
        s.key(QStringLiteral("Tab"));
        s.type(QStringLiteral("0123456789abcdefgh"));
        // Back past Make to "...", the last stop, then forward again to Make.
        s.key(QStringLiteral("shift+Tab ").repeated(8) + QStringLiteral("Tab Return"));
        Composition expected;
        expected.setSegmentText(SegmentId::Name, "Nm");
        expected.setSegmentText(SegmentId::Clan, "ABCDEF\xC0");
        expected.setSegmentText(SegmentId::Name2, "0123456789abcde");
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.gameFile("color.cfg")), scriptOf(expected), 5000);
    }

    // The Menu key opens the field's menu once: one Escape closes it again.
    void theMenuKeyOpensOneMenu()
    {
        const auto visibleWindows = [] {
            return run(XDOTOOL, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), QStringLiteral(".*")})
                .count('\n');
        };
        Session s;
        QVERIFY(s.started());
        s.click(NameField);
        const qsizetype before = visibleWindows();
        s.key(QStringLiteral("Menu"));
        QTRY_COMPARE(visibleWindows(), before + 1);
        QTest::qWait(500); // time enough for a second menu to show, were there one
        QCOMPARE(visibleWindows(), before + 1);
        s.key(QStringLiteral("Escape"));
        QTRY_COMPARE(visibleWindows(), before);
    }

    // The chooser opens on the program's current folder; opening its subfolder from the keyboard
    // and pressing Save writes there.
    void chooserSavesIntoTheFolderOpenedInIt()
    {
        Session s;
        QVERIFY(s.started());
        QVERIFY(QDir(s.workFile(".")).mkdir(QStringLiteral("user")));
        doTypicalRun(s);
        s.click(Chooser);
        const QStringList chooser = Session::findWindow(QStringLiteral("^Save as\\.\\.\\.$"));
        QCOMPARE(chooser.size(), 1);
        const QPoint origin = Session::originOf(chooser[0], QSize(289, 228));
        // The drive list and the folder list are black, in every style.
        const auto blackAt = [&](QPoint p) {
            return (screenshot().pixel(origin + p) & 0xFFFFFF) == 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(blackAt(QPoint(200, 20)), 5000);
        QVERIFY(blackAt(QPoint(150, 180)));
        // The current folder's only subfolder is the list's last entry.
        s.clickAt(origin, FirstFolderInChooser);
        s.key(QStringLiteral("End Return"));
        s.clickAt(origin, SaveInChooser);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.workFile("user/color.cfg")), scriptOf(typicalRun()),
                                  5000);
        QCOMPARE(readAll(s.workFile("user/config.cfg")), testing::ExecLineBytes);
        QVERIFY(!QFileInfo::exists(s.workFile("color.cfg")));
        QVERIFY(!QFileInfo::exists(s.gameFile("color.cfg")));
        QTRY_VERIFY(run(XDOTOOL, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--name"), QStringLiteral("^Save as")})
                        .isEmpty());
    }

    // Through the desktop's accessibility bus, as a screen reader works: every swatch is a button
    // it can press by name, the controls are named and captioned, and pressing works.
    void aScreenReaderSeesAndPressesTheControls()
    {
        if (target().underWine())
            QSKIP("Wine offers no bridge to the desktop's accessibility bus");
        Session s(true, true);
        QVERIFY(s.started());
        const QStringList tree = screenReader({QStringLiteral("tree")});
        for (const char *line :
             {"1 frame | Orv Vorlix's Tintforge |  | ", "2 push button | bright red |  | Press",
              "2 push button | ash yellow grey |  | Press", "2 push button | orange |  | Press",
              "2 push button | mail to the maker |  | Press",
              "2 combo box | \u00C0 | special character | ShowMenu,Press",
              "2 text | name | Name: | SetFocus",
              "2 text | server host name | Host Name: | SetFocus",
              "2 text | server welcome message | Starting Message: | SetFocus",
              "2 push button | append special character |  | Press,SetFocus",
              "2 push button | save in another folder |  | Press,SetFocus"})
            QVERIFY2(tree.contains(QString::fromUtf8(line)), line);
        int swatches = 0;
        for (const QString &line : tree)
            swatches += line.startsWith(QStringLiteral("2 push button |")) &&
                        line.endsWith(QStringLiteral("|  | Press"));
        QCOMPARE(swatches, 29 + 2); // and the two links

        screenReader({QStringLiteral("press"), QStringLiteral("bright red")});
        screenReader({QStringLiteral("press"), QStringLiteral("Make")});
        Composition expected;
        expected.applyColour(Palette[1].code, Palette[1].preview);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.gameFile("color.cfg")), scriptOf(expected), 5000);
    }

    // A normal end: closing the window ends the program with status 0 and nothing on stderr,
    // which under the sanitizer build also means no leak and no error report.
    // A screen reader reads a field's whole text, asks for any piece of it at any offset and
    // gets an answer, and walks its attribute runs over every character.
    void aScreenReaderReadsAFieldWhole()
    {
        if (target().underWine())
            QSKIP("Wine offers no bridge to the desktop's accessibility bus");
        Session s(true, true);
        QVERIFY(s.started());
        s.click(NameField);
        s.type(QStringLiteral("Player"));
        const QStringList lines = screenReader({QStringLiteral("text"), QStringLiteral("name")});
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.first(), QStringLiteral("text | Player"));
        // Six kinds of boundary at the seven offsets 0 to 6, then seven attribute runs.
        QCOMPARE(lines.size(), 1 + 6 * 7 + 7);
        for (int offset = 0; offset <= 6; ++offset)
            QVERIFY(lines.contains(QStringLiteral("attributes %1 | 0 6").arg(offset)));
        QVERIFY(lines.contains(QStringLiteral("char 5 | r 5 6 | e 4 5 |  6 6")));
    }

    // Every field is heard on every visit, the first one too, from either direction: its visit
    // starts with the focus report, once, and taking or losing the focus says nothing of its
    // caret or selection. The glyph box's focus is its edit field's, whose caret the reader
    // then follows. A field's menu is heard item by item.
    void aScreenReaderHearsEveryFieldOnEveryVisit()
    {
        if (target().underWine())
            QSKIP("Wine offers no bridge to the desktop's accessibility bus");
        Session s(true, true);
        QVERIFY(s.started());
        s.click(QPoint(300, 40)); // the banner: the keyboard stays on Make
        // Eleven stops round the window from Make and back; then the glyph box, last visited.
        const QStringList heard = heardWhile(
            [&] {
                s.key(QStringLiteral("Tab ").repeated(11));
                s.key(QStringLiteral("shift+Tab ").repeated(11));
                s.key(QStringLiteral("Tab Tab Tab Tab Tab End Home"));
            },
            12);
        const QStringList visit{QStringLiteral("object:state-changed:focused 1"),
                                QStringLiteral("focus: 0"),
                                QStringLiteral("object:state-changed:focused 0")};
        // End drops the selection that Tab made, Home moves the caret.
        const QStringList lastVisit =
            visit.mid(0, 2) + QStringList{QStringLiteral("object:text-selection-changed 0"),
                                          QStringLiteral("object:text-caret-moved 0")};
        const std::pair<const char *, QStringList> fields[] = {
            {"| text | clan tag", visit + visit + visit},
            {"| text | name", visit + visit + visit},
            {"| text | second name part", visit + visit},
            {"| text | server host name", visit + visit},
            {"| text | server welcome message", visit + visit},
            {"| text | ", visit + visit + lastVisit}, // the glyph box's edit field
        };
        for (const auto &[name, expected] : fields) {
            QStringList events;
            for (const QString &event : heard) {
                if (event.endsWith(QString::fromLatin1(name)))
                    events << event.left(event.indexOf(u'|')).trimmed();
            }
            QVERIFY2(events == expected,
                     qPrintable(QString::fromLatin1(name) + u'\n' + events.join(u'\n')));
        }
        QVERIFY2(heard.filter(QStringLiteral("| combo box |")).isEmpty(),
                 qPrintable(heard.join(u'\n')));

        // The field's menu, the keyboard's way to colour, is heard item by item. It stays open
        // while the reader listens: the reader asks each item for its name after the event, and
        // a closed menu's items no longer answer.
        s.key(QStringLiteral("shift+Tab")); // back to the clan field
        QStringList menu;
        for (const QString &event :
             heardWhile([&] { s.key(QStringLiteral("shift+F10 Up Right Down")); }, 5)) {
            if (event.startsWith(QStringLiteral("focus:")))
                menu << event.mid(event.indexOf(u'|') + 2);
        }
        s.key(QStringLiteral("Escape Escape"));
        QCOMPARE(menu, QStringList({QStringLiteral("menu item | Colour"),
                                    QStringLiteral("menu item | bright white"),
                                    QStringLiteral("menu item | bright red")}));
        QVERIFY2(!s.programOutput().contains(QStringLiteral("Cannot create accessible")),
                 qPrintable(s.programOutput()));
    }

    // A drive change refills the folder list without moving a screen reader into it: the
    // keyboard stays on the drive list, and so does what is heard. The program gets a drive of
    // its own, a file system mounted for it alone.
    void aScreenReaderStaysOnTheDriveListAsTheFoldersChange()
    {
        if (target().underWine())
            QSKIP("Wine offers no bridge to the desktop's accessibility bus");
        if (geteuid() != 0)
            QSKIP("a file system mounted for the program alone needs root");
        const QTemporaryDir drive;
        Session s(true, true, {},
                  {QStringLiteral(UNSHARE), QStringLiteral("--mount"),
                   QStringLiteral("--propagation"), QStringLiteral("private"), QStringLiteral("sh"),
                   QStringLiteral("-c"),
                   QStringLiteral("mount -t tmpfs tintforge \"$0\" && exec \"$@\""), drive.path()});
        QVERIFY(s.started());
        s.click(Chooser);
        const QStringList chooser = Session::findWindow(QStringLiteral("^Save as\\.\\.\\.$"));
        QCOMPARE(chooser.size(), 1);
        s.clickAt(Session::originOf(chooser[0], QSize(289, 228)), FirstFolderInChooser);
        s.key(QStringLiteral("Tab")); // from the folder list to the drive list
        const QStringList heard = heardWhile([&] { s.key(QStringLiteral("End")); }, 4);
        QVERIFY2(heard.filter(QStringLiteral("| list item |")).isEmpty() &&
                     heard.filter(QStringLiteral("focus:")).isEmpty(),
                 qPrintable(heard.join(u'\n')));
        QVERIFY2(!heard.filter(QStringLiteral("accessible-description 0 | combo box |")).isEmpty(),
                 qPrintable(QStringLiteral("the drive list changed:\n") + heard.join(u'\n')));
    }

    // What an action did is said where nothing on a screen reader's way says it (Make and Save
    // show nothing when they succeed); in the chooser, Enter says the folder it opened.
    void aScreenReaderHearsWhatEachActionDid()
    {
        if (target().underWine())
            QSKIP("Wine offers no bridge to the desktop's accessibility bus");
        Session s(true, true);
        QVERIFY(s.started());
        s.click(QPoint(300, 40)); // the banner: the keyboard stays on Make
        const auto chooser = [&s] {
            s.click(Chooser);
            return Session::originOf(
                Session::findWindow(QStringLiteral("^Save as\\.\\.\\.$")).value(0),
                QSize(289, 228));
        };
        const QStringList heard = heardWhile(
            [&] {
                s.key(QStringLiteral("space"));
                // The listener reads a notice's text when it gets to the event: a second notice
                // within that time would be read twice.
                QTest::qWait(500);
                s.click(AppendGlyph); // to the clan tag, selected at the start
                s.click(ClanSwitch);
                s.click(NameOption);
                s.click(swatchCentre(2));
                s.click(NameField);
                s.key(QStringLiteral("Menu Escape"));
                QTest::qWait(500);
                s.type(QStringLiteral("\""));
                s.clickAt(chooser(), SaveInChooser);
                QTest::qWait(500);
                s.clickAt(chooser(), FirstFolderInChooser);
                s.key(QStringLiteral("Return")); // on the root
                QTest::qWait(500);
                s.type(QStringLiteral("t"));
            },
            12);
        const QString notice = QStringLiteral("object:state-changed:showing 1 | notification | ");
        const QString wrote = notice + QStringLiteral("Wrote color.cfg into \"%1\".");
        // A write slower than a moment is said to wait too, as a loaded machine may make one.
        QCOMPARE(heard.filter(QRegularExpression(QStringLiteral(
                     "^focus: .*list item|showing 1 \\| notification \\| (?!Writing, waiting)"))),
                 (QStringList{wrote.arg(QFileInfo(s.gameFile("color.cfg")).path()),
                              notice + QStringLiteral("\u00C0 added to the clan tag."),
                              notice + QStringLiteral("Clan tag left out, its text cleared."),
                              notice + QStringLiteral("The name is now bright red."),
                              notice + QStringLiteral("Menu of the name field."),
                              notice + QStringLiteral("\" not taken in the name."),
                              wrote.arg(QFileInfo(s.workFile("color.cfg")).path()),
                              QStringLiteral("focus: 0 | list item | /"), // clicked
                              QStringLiteral("focus: 0 | list item | /"), // listed again
                              notice + QStringLiteral("current folder /"),
                              QStringLiteral("focus: 0 | list item | tmp")}));
        QVERIFY(QFileInfo::exists(s.workFile("color.cfg")));
    }

    void closingTheWindowEndsTheProgramCleanly()
    {
        Session s;
        QVERIFY(s.started());
        doTypicalRun(s);
        s.click(Make);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.gameFile("color.cfg")), scriptOf(typicalRun()), 5000);
        QVERIFY(s.closeAndWait());
        QCOMPARE(s.program().exitStatus(), QProcess::NormalExit);
        QVERIFY2(s.program().exitCode() == 0, qPrintable(s.programOutput()));
    }

    // A game folder on a mount that stopped answering holds neither the window nor its end: Make
    // tells which folder does not answer, and closing the window ends the program while the
    // call still hangs. The mount is a FUSE file system that no one serves, which answers no
    // call at all, as a dead network mount does; it lives in the program's own mount namespace,
    // so that nothing else on the machine meets it.
    void aMountThatDoesNotAnswerHoldsNeitherTheWindowNorItsEnd()
    {
        if (target().underWine() || ::geteuid() != 0 || ::access("/dev/fuse", R_OK | W_OK) != 0)
            QSKIP("needs the administrator and /dev/fuse to mount a file system");
        const QTemporaryDir mounts;
        Session s(false, false, {},
                  {QStringLiteral(UNSHARE), QStringLiteral("--mount"),
                   QStringLiteral("--propagation"), QStringLiteral("private"), QStringLiteral("sh"),
                   QStringLiteral("-c"),
                   QStringLiteral("exec 3<>/dev/fuse && mkdir \"$0/hung\" && mount -i -t fuse -o "
                                  "fd=3,rootmode=40000,user_id=0,group_id=0 dead \"$0/hung\" && "
                                  "WINEPREFIX=\"$0/hung\" exec \"$@\""),
                   mounts.path()});
        QVERIFY2(s.started(), qPrintable(s.programOutput()));
        s.click(Make);
        // The message box carries the program's title too.
        QTRY_COMPARE_WITH_TIMEOUT(Session::findWindow(Title).size(), 2, 10000);
        s.key(QStringLiteral("Return"));
        QTRY_COMPARE_WITH_TIMEOUT(Session::findWindow(Title).size(), 1, 5000);
        QVERIFY(s.closeAndWait());
        QVERIFY2(s.program().exitCode() == 0, qPrintable(s.programOutput()));
    }

    // Named on the command line, a script made before comes back whole: Make writes its very
    // bytes again.
    void aScriptNamedAtStartComesBack()
    {
        const MadeScript made;
        QVERIFY(!made.bytes.isEmpty());
        Session s(true, false, made.path);
        QVERIFY(s.started());
        s.click(Make);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.gameFile("color.cfg")), made.bytes, 5000);
    }

    // A name on the command line that is not valid UTF-8 is refused with the reason: shown as
    // text it would name its look-alike beside it, which must not open.
    void aScriptNamedInexactlyAtStartIsRefused()
    {
        if (target().underWine())
            QSKIP("Windows hands the program its command line as UTF-16");
        const MadeScript made;
        tintforge::testing::writeFile(
            QFileInfo(made.path).path() + QStringLiteral("/inv\uFFFD.cfg"), made.bytes);
        Session s(true, true, {},
                  {QStringLiteral("sh"), QStringLiteral("-c"),
                   QStringLiteral("exec \"$1\" \"$0/inv$(printf '\\377').cfg\""),
                   QFileInfo(made.path).path()});
        QVERIFY(s.started());
        QTRY_COMPARE_WITH_TIMEOUT(Session::findWindow(Title).size(), 2, 10000);
        const QString message =
            QStringLiteral("Could not open \"%1/inv\\xFF.cfg\": its name is not "
                           "valid UTF-8, which the program needs to name it exactly.")
                .arg(QFileInfo(made.path).path());
        // The message box breaks a line too wide for it.
        QVERIFY2(screenReader({QStringLiteral("tree")}).join(u' ').simplified().contains(message),
                 qPrintable(message));
        s.key(QStringLiteral("Return"));
        QTRY_COMPARE_WITH_TIMEOUT(Session::findWindow(Title).size(), 1, 5000);
        s.click(Make);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.gameFile("color.cfg")), scriptOf(Composition()), 5000);
    }

    // Dragged out of a file manager and dropped on a field, a script made before comes back
    // whole, and the field does not take the file's name as text.
    void aScriptDroppedOnTheWindowComesBack()
    {
        const MadeScript made;
        Session s;
        QVERIFY(s.started());
        QProcess source;
        source.start(QStringLiteral(DRAGSOURCE), {made.path});
        const QStringList sources = Session::findWindow(QStringLiteral("^drag source$"));
        QVERIFY(!sources.isEmpty());
        const QPoint from = Session::originOf(sources[0], QSize(120, 80)) + QPoint(60, 40);
        const QPoint to = s.origin() + NameField;
        const QPoint halfway = (from + to) / 2;
        // Pauses long enough for the two programs to agree on each step of the drag.
        run(XDOTOOL, QStringLiteral("mousemove %1 %2 mousedown 1 sleep 0.5 mousemove %3 %4 "
                                    "sleep 0.5 mousemove %5 %6 sleep 0.5 mousemove %7 %8 "
                                    "sleep 0.5 mouseup 1")
                         .arg(from.x())
                         .arg(from.y())
                         .arg(halfway.x())
                         .arg(halfway.y())
                         .arg(to.x() + 2)
                         .arg(to.y())
                         .arg(to.x())
                         .arg(to.y())
                         .split(u' '));
        QVERIFY(source.waitForFinished(10000));
        QCOMPARE(source.exitCode(), 0);
        s.click(Make);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(s.gameFile("color.cfg")), made.bytes, 5000);
    }

    // With no game folder anywhere, Make says so and the program and the composition stay; once
    // the game is where its installer puts it on 64-bit Windows, Make finds it there.
    void failedMakeKeepsTheProgramAndTheComposition()
    {
        Session s(false);
        QVERIFY(s.started());
        doTypicalRun(s);
        s.click(Make);
        // The message box carries the program's title too: two such windows now.
        QTRY_COMPARE_WITH_TIMEOUT(Session::findWindow(Title).size(), 2, 5000);
        s.key(QStringLiteral("Return"));
        QTRY_COMPARE_WITH_TIMEOUT(Session::findWindow(Title).size(), 1, 5000);
        QVERIFY2(s.running(), qPrintable(s.programOutput()));
        QVERIFY(!QFileInfo::exists(s.gameFile("color.cfg")));

        const QString raven = target().programs32Raven(s.home());
        const QString folder = raven + QStringLiteral("/SOF/user/");
        QVERIFY(QDir().mkpath(folder));
        const auto removeGame = qScopeGuard([&] { QDir(raven).removeRecursively(); });
        s.click(Make);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(folder + QStringLiteral("color.cfg")),
                                  scriptOf(typicalRun()), 5000);
        QCOMPARE(readAll(folder + QStringLiteral("config.cfg")), testing::ExecLineBytes);
    }

    // Last, since it leaves a window manager behind for no other test: under openbox, with a
    // title bar, the whole frame is centred on the screen, not just the client area. The window
    // carries the program's icon for the title bar and the task list.
    void underAWindowManagerTheFrameIsCentred()
    {
        QVERIFY(windowManagerRunning() || startWindowManager());
        Session s;
        QVERIFY(s.started());
        std::optional<FrameRect> frame;
        QTRY_VERIFY_WITH_TIMEOUT((frame = frameOf(s.window())).has_value(), 5000);
        // Placed again once the frame is known. Under Wine the program centres the frame that
        // Windows' own measures give, which may differ from the window manager's by a pixel or two.
        const int slack = target().underWine() ? 3 : 1;
        QTRY_VERIFY_WITH_TIMEOUT(
            (frame = frameOf(s.window()), std::abs(frame->y - (768 - frame->height) / 2) <= slack),
            5000);
        QVERIFY2(frame->height > MainWindowSize.height(),
                 "the window manager gave the window a title bar");
        QVERIFY(std::abs(frame->x - (1024 - frame->width) / 2) <= slack);
        const std::optional<FrameRect> area = areaOf(s.window());
        QVERIFY(area.has_value());
        QCOMPARE(QSize(area->width, area->height), MainWindowSize);
        const std::optional<std::pair<int, int>> icon = iconSizeOf(s.window());
        QVERIFY2(icon && icon->first >= 16 && icon->first == icon->second,
                 "the window has its icon");
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
