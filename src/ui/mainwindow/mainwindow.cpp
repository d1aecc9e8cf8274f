// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "codepagetext.h"
#include "codepagevalidator.h"
#include "colournames.h"
#include "editabledropdown.h"
#include "lettermenu.h"
#include "links.h"
#include "model/glyphlist.h"
#include "model/palette.h"
#include "output/files/shownname.h"
#include "output/game/gamecopies.h"
#include "output/game/make.h"
#include "output/game/open.h"
#include "ui/accessibility/accessibility.h"
#include "ui/accessibility/clickarea.h"
#include "ui/accessibility/spokennotice.h"
#include "ui/accessibility/textfield.h"
#include "ui/background/busybutton.h"
#include "ui/background/filework.h"
#include "ui/folderchooser/saveaswindow.h"
#include "ui/identity.h"
#include "ui/look/banner.h"
#include "ui/look/layout.h"
#include "ui/look/palettestrip.h"
#include "ui/look/placement.h"
#include "ui/look/windowlook.h"
#include "ui/messages/messagebox.h"
#include "ui/reopening/droppedscript.h"
#include "ui/reopening/scriptdialog.h"
#include "ui/words/filemessages.h"
#include "ui/words/windowwords.h"

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStringList>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

namespace tintforge {

namespace {

// Which controls show and select each segment, in the composition's segment order.
struct SegmentControls {
    const ControlPlace &field;
    const ControlPlace &option;
    const char *optionCaption;
};

constexpr PerSegment<SegmentControls> SegmentControlTable{{{
    {layout::clanField, layout::clanOption, "Clan"},
    {layout::nameField, layout::nameOption, "Name"},
    {layout::name2Field, layout::name2Option, "Name2"},
    {layout::hostField, layout::hostOption, "Host"},
    {layout::messageField, layout::messageOption, "Message"},
}}};

constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Grey = 0x808080;
constexpr QRgb LightGrey = 0xE0E0E0;

// Shows a window in front, restoring it first when it was minimised: raising alone leaves a
// minimised window where it is.
void bringBack(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_showMessage(showMessageBox), m_openLink(QDesktopServices::openUrl),
      m_chooseScript(chooseScriptInDialog), m_paletteStrip(paletteStripImage())
{
    registerAccessibleRoles();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(ProgramTitle);
    setAccessibleName(ProgramTitle);
    setWindowIcon(programIcon());
    setFixedSize(pixels(layout::MainWindowWidth), pixels(layout::MainWindowHeight));
    setAutoFillBackground(true);
    setPalette(surfacePalette());
    setFont(controlFont(false));
    // A colour script dropped on the window opens (see takeFileDrop).
    setAcceptDrops(true);

    // Later siblings lie above earlier ones: click areas first, then everything that takes the
    // focus, so a control that touches a click area wins the click.
    createClickAreas();
    createControls();
    m_notice = new SpokenNotice(this);
    setTabOrder();
    createFileWork();
    connectEvents();

    // What the window's load does: fill the glyph box, nothing else.
    fillGlyphBox();
    refresh();
    m_make->setFocus();
    placeOnScreen(this);
    keepAtItsSize(this);
}

MainWindow::~MainWindow()
{
    delete m_chooser;
}

void MainWindow::createClickAreas()
{
    for (const Swatch &swatch : Palette) {
        auto *area = new ClickArea(QStringLiteral("swatch%1").arg(swatch.position), this);
        area->setGeometry(layout::swatchRect(swatch.position));
        area->setAccessibleName(swatchName(swatch));
        connect(area, &ClickArea::clicked, this, [this, &swatch] { colourActive(swatch); });
    }
    auto *web = place(new ClickArea(QString(), this), layout::webLink);
    web->setAccessibleName(controlName(ControlName::WebPage));
    connect(web, &ClickArea::clicked, this, [this] { openLink(QUrl(MakerWebAddress)); });
    auto *mail = place(new ClickArea(QString(), this), layout::mailLink);
    mail->setAccessibleName(controlName(ControlName::MailToMaker));
    connect(mail, &ClickArea::clicked, this,
            [this] { openLink(QUrl(QStringLiteral("mailto:") + MakerMailAddress)); });
}

// Made in this order, which is also the order in which they lie one above another.
void MainWindow::createControls()
{
    const std::array<QLabel *, 3> captions = createCaptions();
    createGlyphBox();
    m_clanSwitch = place(new QCheckBox(QStringLiteral("clan"), this), layout::clanSwitch);
    styleCaption(m_clanSwitch);
    for (const SegmentId id : SegmentIds)
        createSegmentRow(id);
    createButtons();
    // Each caption names the field beside it.
    captions[0]->setBuddy(m_fields[SegmentId::Name]);
    captions[1]->setBuddy(m_fields[SegmentId::Host]);
    captions[2]->setBuddy(m_fields[SegmentId::Mess]);
}

// The captions of the name, host and message fields.
std::array<QLabel *, 3> MainWindow::createCaptions()
{
    const auto caption = [this](const ControlPlace &where, const char *text) {
        auto *label = place(new QLabel(QString::fromLatin1(text), this), where);
        styleCaption(label);
        return label;
    };
    return {caption(layout::nameCaption, "Name:"), caption(layout::hostCaption, "Host Name:"),
            caption(layout::messageCaption, "Starting Message:")};
}

// The glyph box and the button that appends its text.
void MainWindow::createGlyphBox()
{
    m_glyphCombo = place(new EditableDropDown(this), layout::glyphBox);
    m_glyphCombo->setInsertPolicy(QComboBox::NoInsert);
    m_glyphCombo->setCompleter(nullptr);
    // Its text may go to any segment, each of which takes what it takes when it comes.
    auto *validator = new CodePageValidator(takenByAnySegment, -1, m_glyphCombo);
    m_glyphCombo->lineEdit()->setValidator(validator);
    connect(validator, &CodePageValidator::leftOut, this,
            [this](const QString &refused, const QString &, bool withOthers) {
                tellLeftOut({controlName(ControlName::SpecialCharacterBox), -1}, refused, {},
                            withOthers);
            });
    m_glyphCombo->setPalette(fieldPalette(QColor::fromRgb(Silver), defaultTextColour()));
    nameDropDown(m_glyphCombo, controlName(ControlName::SpecialCharacter));
    m_glyphCombo->setEditText(fromCodePage(FirstGlyph));
    m_glyphCombo->lineEdit()->installEventFilter(this); // a file dropped on it opens

    m_appendGlyph = place(new QPushButton(QStringLiteral("^>"), this), layout::appendGlyphButton);
    styleButton(m_appendGlyph);
    m_appendGlyph->setAccessibleName(controlName(ControlName::AppendSpecialCharacter));
}

// A segment's field, with its menu of colours, and its option button.
void MainWindow::createSegmentRow(SegmentId id)
{
    const SegmentControls &controls = SegmentControlTable[id];
    QLineEdit *field = place(new TextField(this), controls.field);
    const SegmentKind &kind = segmentKind(id);
    auto *validator = new CodePageValidator([&kind](char byte) { return takesByte(kind, byte); },
                                            qsizetype(kind.maxLength), field);
    field->setValidator(validator);
    connect(validator, &CodePageValidator::leftOut, this,
            [this, &kind](const QString &refused, const QString &cut, bool withOthers) {
                tellLeftOut({QString::fromLatin1(kind.words), qsizetype(kind.maxLength)}, refused,
                            cut, withOthers);
            });
    field->setAccessibleName(QString::fromLatin1(segmentKind(id).words));
    field->installEventFilter(this); // a file dropped on it opens
    // The usual editing menu, plus the palette by name: colouring without the mouse.
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    // Said as it opens: a screen reader is silent until an item has the keyboard, and names no
    // menu at all.
    connect(field, &QWidget::customContextMenuRequested, this, [this, id](const QPoint &at) {
        const std::unique_ptr<QMenu> menu = segmentMenu(id);
        m_notice->say(menuNotice(id));
        menu->exec(m_fields[id]->mapToGlobal(at));
    });
    // Shift+F10 opens it too, at the text cursor. The Menu key needs nothing of ours: the window
    // system turns it into a request for the menu already, and a second one would leave a menu
    // open after the first closes.
    auto *shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), field, nullptr, nullptr,
                                   Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, field, [field] {
        const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        emit field->customContextMenuRequested(cursor.bottomLeft());
    });
    m_fields[id] = field;

    auto *option =
        place(new QRadioButton(QString::fromLatin1(controls.optionCaption), this), controls.option);
    styleCaption(option);
    m_options[id] = option;
}

// Make and "...".
void MainWindow::createButtons()
{
    m_make = place(new QPushButton(QStringLiteral("Make"), this), layout::makeButton);
    styleButton(m_make);
    // Where Make writes can change while the program runs (a game installed meanwhile, a Wine
    // prefix made), so it is looked up whenever the button's tip or description is about to be
    // shown or heard, and only then, off this window's thread: the search may wait on a stalled
    // file system.
    m_make->installEventFilter(this);
    m_saveAs = place(new QPushButton(QStringLiteral("..."), this), layout::saveAsButton);
    styleButton(m_saveAs);
    m_saveAs->setAccessibleName(controlName(ControlName::SaveInAnotherFolder));
    // Enter presses the focused button, as the space bar does.
    for (QPushButton *button : {m_make, m_appendGlyph, m_saveAs})
        button->setAutoDefault(true);
}

std::unique_ptr<QMenu> MainWindow::segmentMenu(SegmentId id)
{
    std::unique_ptr<QMenu> menu(m_fields[id]->createStandardContextMenu());
    menu->addSeparator();
    auto *colours = new LetterMenu(QStringLiteral("Colour"), menu.get());
    menu->addMenu(colours);
    colours->setObjectName(QStringLiteral("colourMenu"));
    auto *marks = new QActionGroup(colours);
    connect(colours, &QMenu::aboutToShow, this, [this, id] {
        m_notice->say(colourSubmenuNotice(colourNameOf(m_composition.segment(id))));
    });
    for (const Swatch &swatch : Palette) {
        QPixmap square(12, 12);
        square.fill(Qt::black);
        QPainter(&square).fillRect(1, 1, 10, 10, QColor::fromRgb(swatch.square.hex()));
        QAction *action = colours->addAction(QIcon(square), swatchName(swatch));
        // One mark, on the colour the segment shows now.
        action->setCheckable(true);
        action->setChecked(swatchName(swatch) == colourNameOf(m_composition.segment(id)));
        marks->addAction(action);
        connect(action, &QAction::triggered, this, [this, id, &swatch] {
            // As a click on the swatch does, once this segment is the selected one.
            m_composition.selectSegment(id);
            colourActive(swatch);
        });
    }
    return menu;
}

void MainWindow::setTabOrder()
{
    const auto field = [this](SegmentId id) { return m_fields[id]; };
    const auto option = [this](SegmentId id) { return m_options[id]; };
    // Tab and Shift+Tab follow this order, wrapping at both ends.
    const std::array<QWidget *, 15> order{
        m_make,
        field(SegmentId::Name),
        m_clanSwitch,
        option(SegmentId::Clan),
        option(SegmentId::Name),
        field(SegmentId::Clan),
        m_glyphCombo,
        m_appendGlyph,
        field(SegmentId::Name2),
        option(SegmentId::Name2),
        field(SegmentId::Host),
        field(SegmentId::Mess),
        option(SegmentId::Mess),
        option(SegmentId::Host),
        m_saveAs,
    };
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void MainWindow::connectEvents()
{
    for (const SegmentId id : SegmentIds) {
        connect(m_options[id], &QRadioButton::toggled, this, [this, id](bool checked) {
            if (checked) {
                m_composition.selectSegment(id);
                refresh();
            }
        });
        connect(m_fields[id], &QLineEdit::textEdited, this, [this, id](const QString &text) {
            m_composition.setSegmentText(id, toCodePage(text));
            refresh();
        });
    }
    // What the tick does beyond its mark is said: unticked, the tag's text is gone.
    connect(m_clanSwitch, &QCheckBox::toggled, this, [this](bool on) {
        const bool hadText = !m_composition.segment(SegmentId::Clan).text().empty();
        m_composition.setClanSwitch(on);
        refresh();
        m_notice->say(clanSwitchNotice(on, hadText));
    });
    connect(m_appendGlyph, &QPushButton::clicked, this, [this] {
        appendGlyph();
        refresh();
    });
    connect(m_make, &QPushButton::clicked, this, &MainWindow::makeScriptClicked);
    connect(m_saveAs, &QPushButton::clicked, this, &MainWindow::openFolderChooser);
    // The keyboard's way to reopen a script, which a drop needs a pointer for.
    auto *open = new QShortcut(QKeySequence::Open, this);
    connect(open, &QShortcut::activated, this, &MainWindow::chooseScriptToOpen);
}

// What waits on the file system, each off this window's thread; where it does not answer for a
// while, the user is told what goes on meanwhile, over the chooser where a Save waits.
void MainWindow::createFileWork()
{
    const auto work = [this](const char *name, std::optional<Waiting> waiting) {
        auto *made = new FileWork(this);
        made->setObjectName(QString::fromLatin1(name));
        if (waiting) {
            connect(made, &FileWork::notAnswering, this,
                    [this, made, what = *waiting](const QString &path) {
                        QWidget *over = made == m_writes && m_saving && m_chooser
                                            ? static_cast<QWidget *>(m_chooser)
                                            : this;
                        m_showMessage(over, notAnsweringMessage(path, made->patience(), what));
                    });
        }
        return made;
    };
    m_writes = work("writes", Waiting::Writing);
    m_destination = work("makeDestination", std::nullopt);
    m_openStart = work("openStart", Waiting::OpenDialog);
    m_opening = work("opening", Waiting::Opening);
    connect(m_writes, &FileWork::busyShown, this, [this](bool busy) {
        showBusy(m_make, busy);
        // A button's new name is not read while it has the keyboard.
        if (busy)
            m_notice->say(writeWaitingNotice());
        if (m_chooser)
            m_chooser->showWriting(busy);
    });
    // A tip is no place for a message box: it says itself what holds it up.
    connect(m_destination, &FileWork::notAnswering, this, [this](const QString &path) {
        showMakeDestination(
            notAnsweringMessage(path, m_destination->patience(), Waiting::Destination));
    });
}

// The glyphs in order, once, as the window loads; the box's text stays À.
void MainWindow::fillGlyphBox()
{
    const QString text = m_glyphCombo->currentText();
    for (const char &glyph : GlyphList)
        m_glyphCombo->addItem(fromCodePage(std::string_view(&glyph, 1)));
    // The first entry of an empty box becomes the chosen one; no entry is chosen at start.
    m_glyphCombo->setCurrentIndex(-1);
    m_glyphCombo->setEditText(text);
}

// Appends whatever the box holds (a chosen glyph or typed text) to the selected segment, then
// puts the box back to À whatever happened.
void MainWindow::appendGlyph()
{
    const std::string text = toCodePage(m_glyphCombo->currentText());
    const SegmentId id = m_composition.activeSegment();
    const SegmentKind &active = segmentKind(id);
    const std::size_t before = m_composition.segment(id).text().size();
    m_composition.appendToActive(text);
    m_glyphCombo->setEditText(fromCodePage(FirstGlyph));
    // Said, since the segment it went to may not be the field last typed in.
    const std::string added = m_composition.segment(id).text().substr(before);
    m_notice->say(appendedNotice(fromCodePage(added), id));
    // What was left out is shown, not said over what was added: two notices in one turn are
    // heard as the second one twice.
    std::string taken;
    std::string refused;
    for (const char byte : text)
        (takesByte(active, byte) ? taken : refused) += byte;
    const QString cut = fromCodePage(taken.substr(std::min(taken.size(), added.size())));
    if (!refused.empty() || !cut.isEmpty())
        showLeftOut({QString::fromLatin1(active.words), qsizetype(active.maxLength)},
                    fromCodePage(refused), cut);
}

namespace {

// Each character once, a control character escaped, a space between them.
QString distinctCharacters(const QString &characters)
{
    QStringList shown;
    for (const char32_t c : characters.toUcs4()) {
        const QString character = escapedControls(QString::fromUcs4(&c, 1));
        if (!shown.contains(character))
            shown << character;
    }
    return shown.join(u' ');
}

} // namespace

// A refused key sounds as a field's refusal does; characters left out of a paste, a drop or an
// append are named, each once, when the change that dropped them is over.
void MainWindow::tellLeftOut(const Place &where, const QString &refused, const QString &cut,
                             bool withOthers)
{
    // A screen reader has echoed the key as if typed.
    if (!refused.isEmpty())
        m_notice->say(notTakenNotice(distinctCharacters(refused), where.words));
    else if (!withOthers)
        m_notice->say(fieldFullNotice(where.words, where.limit));
    if (withOthers)
        showLeftOut(where, refused, cut);
    else
        QApplication::beep();
}

void MainWindow::showLeftOut(const Place &where, const QString &refused, const QString &cut)
{
    QApplication::beep();
    QStringList lines;
    if (!refused.isEmpty())
        lines << leftOutMessage(distinctCharacters(refused), where.words);
    if (!cut.isEmpty())
        lines << cutAtLimitMessage(escapedControls(cut), where.words, where.limit);
    const QString message = lines.join(u'\n');
    QTimer::singleShot(0, this, [this, message] { m_showMessage(this, message); });
}

void MainWindow::lookUpMakeDestination()
{
    if (m_destination->busy())
        return;
    // Said until the answer comes, where nothing was found before.
    if (m_make->accessibleDescription().isEmpty())
        m_make->setAccessibleDescription(lookingUpDestination());
    m_destination->start([] { return makeDestinationText(makeDestination()); },
                         [this](const QString &destination) { showMakeDestination(destination); });
}

void MainWindow::showMakeDestination(const QString &destination)
{
    // Escaped, since a folder's name may look like markup, and each line unbroken, since the
    // tip would otherwise wrap paths at every slash.
    m_make->setToolTip(
        QStringLiteral("<p style='white-space:pre'>%1</p>")
            .arg(destination.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"))));
    if (m_make->accessibleDescription() != destination)
        m_make->setAccessibleDescription(destination);
    // The tip asked for shows now, where the pointer still rests on Make.
    if (m_tipWantedAt && m_make->underMouse())
        QToolTip::showText(*m_tipWantedAt, m_make->toolTip(), m_make);
}

// A colour script dropped anywhere on the window opens, over a field too, where a drop would
// otherwise insert the file's name as text.
bool MainWindow::event(QEvent *event)
{
    // After the window's focus report, which activation sends next.
    if (event->type() == QEvent::WindowActivate && !m_toldOnReturn.isEmpty())
        QTimer::singleShot(0, this, &MainWindow::tellOnReturn);
    return takeFileDrop(event) || QWidget::event(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (takeFileDrop(event))
        return true;
    // Once for a hover, as the tip is about to show, which it does once the answer comes; on
    // the focus only for a screen reader.
    if (watched == m_make && event->type() == QEvent::ToolTip) {
        m_tipWantedAt = static_cast<QHelpEvent *>(event)->globalPos();
        lookUpMakeDestination();
        return true;
    }
    if (watched == m_make && event->type() == QEvent::Leave)
        m_tipWantedAt.reset();
    if (watched == m_make && event->type() == QEvent::FocusIn && QAccessible::isActive())
        lookUpMakeDestination();
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::takeFileDrop(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!carriesFilesOrLinks(drag->mimeData()))
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!carriesFilesOrLinks(drop->mimeData()))
            return false;
        const Result<QString, RefusedDrop> script = droppedScript(droppedList(drop->mimeData()));
        // The drag's source learns whether the drop was taken.
        if (script)
            drop->acceptProposedAction();
        else
            drop->ignore();
        // Opened or refused once the drop is over: a message shown during it would hold the
        // program the drag came from.
        QMetaObject::invokeMethod(
            this,
            [this, script] {
                if (script)
                    openScript(*script);
                else
                    m_showMessage(this, script.error().message);
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void MainWindow::openScript(const Result<QString, FileError> &named)
{
    if (!named) {
        m_showMessage(this, openFailureMessage(named.error()));
        return;
    }
    m_opening->start([path = *named] { return openColourScript(path); },
                     [this, path = *named](const Result<OpenedScript, OpenFailure> &opened) {
                         takeScript(path, opened);
                     });
}

void MainWindow::takeScript(const QString &path, const Result<OpenedScript, OpenFailure> &opened)
{
    if (!opened) {
        m_showMessage(this, openFailureMessage(opened.error()));
        return;
    }
    const SegmentId active = m_composition.activeSegment();
    m_composition = opened->contents.composition;
    m_composition.selectSegment(active);
    refresh();
    // Each text from its start, as the file holds it; a text set in a field shows its end.
    for (const SegmentId id : SegmentIds) {
        if (!m_fields[id]->hasFocus())
            m_fields[id]->setCursorPosition(0);
    }
    // Confirmed as Make's writing is, with the name the player will carry; the file in the
    // system's own form, whichever way it was named.
    QString name;
    for (const SegmentId id : {SegmentId::Clan, SegmentId::Name, SegmentId::Name2})
        name += fromCodePage(m_composition.segment(id).text());
    m_notice->say(openedNotice(QDir::toNativeSeparators(path), name));
    if (const QString message = openedMessage(*opened); !message.isEmpty())
        m_showMessage(this, message);
}

// A second Ctrl+O while the first one's folder is still being found waits with it.
void MainWindow::chooseScriptToOpen()
{
    if (m_openStart->busy())
        return;
    m_openStart->start(openDialogStart, [this](const QString &start) {
        // Named in the system's own form, as a drop or the command line names it.
        const QString path = QDir::toNativeSeparators(m_chooseScript(this, start));
        if (!path.isEmpty())
            openScript(path);
    });
}

// The composition written is the one at the press, whatever the user does while the write
// waits on the file system.
void MainWindow::makeScriptClicked()
{
    if (refusedWhileWriting())
        return;
    m_saving = false;
    m_writes->start([pressed = m_composition] { return makeScript(pressed); },
                    [this](const WriteStatus &made) {
                        // What a Make met may change where the next one writes.
                        lookUpMakeDestination();
                        if (!made) {
                            m_showMessage(this, writeFailureMessage(made.error()));
                            return;
                        }
                        tellWritten(made->folder);
                        tellKept(made->kept);
                    });
}

// Save, pressed in the chooser. Its outcome shows over the chooser where that is still open.
void MainWindow::saveScriptInto(const QString &folder)
{
    if (refusedWhileWriting())
        return;
    m_saving = true;
    m_writes->start(
        [folder, pressed = m_composition] { return writeWhereTheGameReads(folder, pressed); },
        [this](const WriteStatus &written) {
            if (!written) {
                m_showMessage(m_chooser ? static_cast<QWidget *>(m_chooser) : this,
                              writeFailureMessage(written.error()));
                return;
            }
            // Said once the keyboard is back here, as the window's return would cut
            // it short; or after half a second, where no window manager gives it
            // back, or the chooser was closed before.
            m_toldOnReturn = written->folder;
            tellKept(written->kept);
            QTimer::singleShot(500, this, &MainWindow::tellOnReturn);
            if (m_chooser)
                m_chooser->close();
        });
}

// One write at a time, so that two never race for the same files, and none starts late: a press
// while one is under way only sounds.
bool MainWindow::refusedWhileWriting()
{
    if (!m_writes->busy())
        return false;
    QApplication::beep();
    m_notice->say(writeUnderWayNotice());
    return true;
}

// Success shows nothing on the screen; screen readers hear where the script went.
void MainWindow::tellWritten(const QString &folder)
{
    m_notice->say(writtenNotice(folder));
}

// A previous script kept beside the new one is shown, not only heard: it held lines the player
// wrote, who must know where they went.
void MainWindow::tellKept(const std::vector<QString> &kept)
{
    if (!kept.empty())
        m_showMessage(this, keptScriptsMessage(kept));
}

void MainWindow::tellOnReturn()
{
    if (!m_toldOnReturn.isEmpty())
        tellWritten(std::exchange(m_toldOnReturn, {}));
}

void MainWindow::openFolderChooser()
{
    if (!m_chooser) {
        m_chooser = new SaveAsWindow(
            [this](QWidget *parent, const QString &message) { m_showMessage(parent, message); });
        connect(m_chooser, &SaveAsWindow::saveRequested, this, &MainWindow::saveScriptInto);
        m_chooser->showWriting(m_writes->showsBusy());
        placeOnScreen(m_chooser);
        keepAtItsSize(m_chooser);
    }
    bringBack(m_chooser);
}

// The message about a link that nothing could open follows the click rather than ending it, so a
// screen reader's press returns at once instead of waiting behind the message box.
void MainWindow::openLink(const QUrl &address)
{
    if (m_openLink(address))
        return;
    QTimer::singleShot(0, this, [this, address] {
        m_showMessage(this, noProgramForLinkMessage(address.toString()));
    });
}

// A colour chosen while the keyboard stays where it is, on a swatch or in a menu, is said.
void MainWindow::colourActive(const Swatch &swatch)
{
    m_composition.applyColour(swatch.code, swatch.preview);
    refresh();
    const SegmentId active = m_composition.activeSegment();
    m_notice->say(colourNotice(active, colourNameOf(m_composition.segment(active))));
}

void MainWindow::refresh()
{
    for (const SegmentId id : SegmentIds)
        refreshField(id);

    const QSignalBlocker blockSwitch(m_clanSwitch);
    m_clanSwitch->setChecked(m_composition.clanSwitch());
    for (const SegmentId id : SegmentIds) {
        QRadioButton *option = m_options[id];
        const bool selected = m_composition.activeSegment() == id;
        const QSignalBlocker blockOption(option);
        option->setChecked(selected);
        // Only the selected option button is a stop for Tab; the arrow keys move between them.
        option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void MainWindow::refreshField(SegmentId id)
{
    const Segment &segment = m_composition.segment(id);
    QLineEdit *field = m_fields[id];
    const QString text = fromCodePage(segment.text());
    // Texts show in bold. An empty field shows no text, so it takes the bold face only with its
    // first character: start-up then loads one face instead of two.
    if (field->font().bold() == text.isEmpty())
        field->setFont(controlFont(!text.isEmpty()));
    if (field->text() != text)
        field->setText(text);

    const bool switchedOff = id == SegmentId::Clan && !m_composition.clanSwitch();
    const PreviewColour &preview = segment.previewColour();
    const QColor textColour =
        preview ? QColor(preview->red, preview->green, preview->blue) : defaultTextColour();
    field->setPalette(fieldPalette(QColor::fromRgb(switchedOff ? Grey : Silver), textColour));
    // Screen readers tell the colour by name, as the eye sees it; told again only when it
    // changes, since each change is an event they act on.
    if (const QString colour = colourNameOf(segment); field->accessibleDescription() != colour)
        field->setAccessibleDescription(colour);
    field->setEnabled(!switchedOff);
}

// Closing the main window ends the program, the chooser with it, whatever state that is in: a
// minimised chooser left behind would keep the program running with nothing on screen, and on
// Wayland the program cannot even tell that it is minimised.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_chooser)
        m_chooser->close();
    QWidget::closeEvent(event);
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // From the bottom up: grey bar, palette strip, banner; both pictures at their own size.
    painter.fillRect(layout::greyBar.rect(), QColor::fromRgb(LightGrey));
    painter.drawImage(layout::paletteStrip.rect().topLeft(), m_paletteStrip);
    const qreal ratio = devicePixelRatioF();
    if (m_banner.isNull() || m_banner.devicePixelRatio() != ratio)
        m_banner = bannerImage(ratio);
    painter.drawImage(layout::banner.rect().topLeft(), m_banner);
}

} // namespace tintforge
