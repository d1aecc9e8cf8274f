// SPDX-License-Identifier: MIT
#include "form1.h"

#include "accessibility.h"
#include "clickarea.h"
#include "codepagevalidator.h"
#include "form1layout.h"
#include "form2.h"
#include "links.h"
#include "model/palette.h"
#include "output/codepage.h"
#include "output/scriptflows.h"
#include "pictures.h"
#include "placement.h"
#include "ui/identity.h"
#include "windowlook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>

namespace tintforge {

namespace {

// Which controls show and select each segment, in the composition's segment order.
struct SegmentControls {
    std::string_view field;
    std::string_view option;
    const char *optionCaption;
    const char *accessibleName;
};

constexpr std::array<SegmentControls, SegmentKinds.size()> SegmentControlTable{{
    {"Text1", "Option2", "Clan", "clan tag"},
    {"Text3", "Option3", "Name", "name"},
    {"Text4", "Option4", "Name2", "second name part"},
    {"Text5", "Option6", "Host", "server host name"},
    {"Text6", "Option5", "Message", "server welcome message"},
}};

constexpr std::size_t ClanIndex = static_cast<std::size_t>(SegmentId::Clan);

// Tab and Shift+Tab follow this order, wrapping at both ends.
constexpr std::array<std::string_view, 15> FocusOrder{
    "Command1", "Text3",   "Option1", "Option2", "Option3", "Text1",   "Combo1",   "Command2",
    "Text4",    "Option4", "Text5",   "Text6",   "Option5", "Option6", "Command3",
};

constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Grey = 0x808080;
constexpr QRgb LightGrey = 0xE0E0E0;

QString name(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

template <typename Widget> Widget *place(Widget *widget, std::string_view controlName)
{
    return tintforge::place(widget, placeOf(controlName));
}

// Shows a window in front, restoring it first when it was minimised: raising alone leaves a
// minimised window where it is.
void bringBack(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void showMessageBox(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, ProgramTitle, message);
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_showMessage(showMessageBox), m_openLink(QDesktopServices::openUrl),
      m_paletteStrip(paletteStripImage())
{
    registerAccessibleRoles();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ProgramTitle);
    setAccessibleName(ProgramTitle);
    setWindowIcon(programIcon());
    setFixedSize(pixels(Form1Width), pixels(Form1Height));
    setAutoFillBackground(true);
    setPalette(surfacePalette());
    setFont(controlFont(false));

    // Later siblings lie above earlier ones: click areas first, then everything that takes the
    // focus, so a control that touches a click area wins the click.
    createClickAreas();
    createControls();
    setTabOrder();
    connectEvents();

    // What the window's load does: fill the glyph box, nothing else.
    fillGlyphList(m_glyphBox);
    refresh();
    m_make->setFocus();
    placeOnScreen(this);
}

Form1::~Form1()
{
    delete m_chooser;
}

void Form1::createClickAreas()
{
    for (const Swatch &swatch : Palette) {
        auto *area = new ClickArea(name(swatch.label), this);
        area->setGeometry(swatchPlace(swatch.label, swatch.position).rect());
        area->setAccessibleName(name(swatch.chartName).trimmed());
        connect(area, &ClickArea::clicked, this, [this, &swatch] {
            m_composition.applyColour(swatch.code, swatch.preview);
            refresh();
        });
    }
    auto *web = place(new ClickArea(QString(), this), "Label33");
    web->setAccessibleName(QStringLiteral("web page"));
    connect(web, &ClickArea::clicked, this, [this] { openLink(QUrl(MakerWebAddress)); });
    auto *mail = place(new ClickArea(QString(), this), "Label34");
    mail->setAccessibleName(QStringLiteral("mail to the maker"));
    connect(mail, &ClickArea::clicked, this,
            [this] { openLink(QUrl(QStringLiteral("mailto:") + MakerMailAddress)); });
}

void Form1::createControls()
{
    const auto caption = [this](std::string_view controlName, const char *text) {
        auto *label = place(new QLabel(QString::fromLatin1(text), this), controlName);
        styleCaption(label);
    };
    caption("Label1", "Name:");
    caption("Label31", "Host Name:");
    caption("Label32", "Starting Message:");
    // The glyph box has no caption on screen; this one, never shown, is what screen readers
    // announce it by (they read an editable drop-down's own name as its current text).
    auto *glyphCaption = new QLabel(QStringLiteral("special character"), this);
    glyphCaption->hide();

    m_glyphCombo = place(new QComboBox(this), "Combo1");
    m_glyphCombo->setEditable(true);
    m_glyphCombo->setInsertPolicy(QComboBox::NoInsert);
    m_glyphCombo->setCompleter(nullptr);
    m_glyphCombo->lineEdit()->setValidator(new CodePageValidator(-1, m_glyphCombo));
    m_glyphCombo->setPalette(fieldPalette(QColor::fromRgb(Silver), defaultTextColour()));
    m_glyphCombo->setAccessibleName(QStringLiteral("special character"));
    glyphCaption->setBuddy(m_glyphCombo);
    m_glyphBox = ComboGlyphBox(m_glyphCombo);
    m_glyphBox.setText(FirstGlyph);

    m_appendGlyph = place(new QPushButton(QStringLiteral("^>"), this), "Command2");
    m_clanSwitch = place(new QCheckBox(QStringLiteral("clan"), this), "Option1");
    styleCaption(m_clanSwitch);

    for (std::size_t i = 0; i < SegmentKinds.size(); ++i) {
        const SegmentControls &controls = SegmentControlTable[i];
        QLineEdit *field = place(new QLineEdit(this), controls.field);
        field->setValidator(new CodePageValidator(qsizetype(SegmentKinds[i].maxLength), field));
        field->setFont(controlFont(true));
        field->setAccessibleName(QString::fromLatin1(controls.accessibleName));
        // The usual editing menu, plus the palette by name: colouring without the mouse.
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, i](const QPoint &at) {
            segmentMenu(i)->exec(m_fields[i]->mapToGlobal(at));
        });
        // Shift+F10 and the Menu key open it too, at the text cursor.
        for (const QKeySequence &keys :
             {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
            auto *shortcut = new QShortcut(keys, field, nullptr, nullptr, Qt::WidgetShortcut);
            connect(shortcut, &QShortcut::activated, field, [field] {
                const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                emit field->customContextMenuRequested(cursor.bottomLeft());
            });
        }
        m_fields[i] = field;

        auto *option = place(new QRadioButton(QString::fromLatin1(controls.optionCaption), this),
                             controls.option);
        styleCaption(option);
        m_options[i] = option;
    }

    m_make = place(new QPushButton(QStringLiteral("Make"), this), "Command1");
    m_make->setAccessibleDescription(QStringLiteral("write color.cfg into the game's folder"));
    m_openChooser = place(new QPushButton(QStringLiteral("..."), this), "Command3");
    m_openChooser->setAccessibleName(QStringLiteral("save in another folder"));
    m_appendGlyph->setAccessibleName(QStringLiteral("append special character"));
    // Each caption names the field beside it.
    for (const auto &[caption, field] :
         {std::pair{"Label1", "Text3"}, std::pair{"Label31", "Text5"},
          std::pair{"Label32", "Text6"}})
        findChild<QLabel *>(QLatin1StringView(caption))
            ->setBuddy(findChild<QLineEdit *>(QLatin1StringView(field)));
    // Enter presses the focused button, as the space bar does.
    for (QPushButton *button : {m_make, m_appendGlyph, m_openChooser})
        button->setAutoDefault(true);
}

std::unique_ptr<QMenu> Form1::segmentMenu(std::size_t index)
{
    std::unique_ptr<QMenu> menu(m_fields[index]->createStandardContextMenu());
    menu->addSeparator();
    QMenu *colours = menu->addMenu(QStringLiteral("Colour"));
    colours->setObjectName(QStringLiteral("colourMenu"));
    for (const Swatch &swatch : Palette) {
        QPixmap square(12, 12);
        square.fill(Qt::black);
        QPainter(&square).fillRect(1, 1, 10, 10, QColor::fromRgb(swatch.swatchColour.hex()));
        QAction *action = colours->addAction(QIcon(square), name(swatch.chartName).trimmed());
        connect(action, &QAction::triggered, this, [this, index, &swatch] {
            // As a click on the swatch does, once this segment is the selected one.
            m_composition.selectSegment(SegmentKinds[index].key);
            m_composition.applyColour(swatch.code, swatch.preview);
            refresh();
        });
    }
    return menu;
}

void Form1::setTabOrder()
{
    for (std::size_t i = 0; i + 1 < FocusOrder.size(); ++i) {
        QWidget::setTabOrder(findChild<QWidget *>(name(FocusOrder[i])),
                             findChild<QWidget *>(name(FocusOrder[i + 1])));
    }
}

void Form1::connectEvents()
{
    for (std::size_t i = 0; i < SegmentKinds.size(); ++i) {
        const std::string_view key = SegmentKinds[i].key;
        connect(m_options[i], &QRadioButton::toggled, this, [this, key](bool checked) {
            if (checked) {
                m_composition.selectSegment(key);
                refresh();
            }
        });
        connect(m_fields[i], &QLineEdit::textEdited, this, [this, key](const QString &text) {
            m_composition.setSegmentText(key, toCodePage(text));
            refresh();
        });
    }
    connect(m_clanSwitch, &QCheckBox::toggled, this, [this](bool on) {
        m_composition.setClanSwitch(on);
        refresh();
    });
    connect(m_appendGlyph, &QPushButton::clicked, this, [this] {
        appendGlyph(m_composition, m_glyphBox);
        refresh();
    });
    connect(m_make, &QPushButton::clicked, this, &Form1::makeScriptClicked);
    connect(m_openChooser, &QPushButton::clicked, this, &Form1::openFolderChooser);
}

void Form1::makeScriptClicked()
{
    if (const auto error = makeScript(m_composition))
        m_showMessage(this, error->message());
}

const QImage &Form1::colourKey() const
{
    // Made when first asked for: no display of today shows it, so start-up does not pay for it.
    if (m_colourKey.isNull())
        m_colourKey = colourKeyImage();
    return m_colourKey;
}

Form2 *Form1::folderChooser() const
{
    return m_chooser;
}

void Form1::openFolderChooser()
{
    if (!m_chooser) {
        m_chooser = new Form2(m_composition, [this](QWidget *parent, const QString &message) {
            m_showMessage(parent, message);
        });
        placeOnScreen(m_chooser);
    }
    bringBack(m_chooser);
}

void Form1::openLink(const QUrl &address)
{
    if (!m_openLink(address))
        m_showMessage(
            this,
            QStringLiteral("No program could be started to open \"%1\".").arg(address.toString()));
}

void Form1::refresh()
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        refreshField(i);

    const QSignalBlocker blockSwitch(m_clanSwitch);
    m_clanSwitch->setChecked(m_composition.clanSwitch());
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        const bool selected = SegmentKinds[i].key == m_composition.activeKey();
        const QSignalBlocker blockOption(m_options[i]);
        m_options[i]->setChecked(selected);
        // Only the selected option button is a stop for Tab; the arrow keys move between them.
        m_options[i]->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void Form1::refreshField(std::size_t index)
{
    const Segment &segment = m_composition.segments()[index];
    QLineEdit *field = m_fields[index];
    const QString text = fromCodePage(segment.text());
    if (field->text() != text)
        field->setText(text);

    const bool switchedOff = index == ClanIndex && !m_composition.clanSwitch();
    const PreviewColour &preview = segment.previewColour();
    const QColor textColour =
        preview ? QColor(preview->red, preview->green, preview->blue) : defaultTextColour();
    field->setPalette(fieldPalette(QColor::fromRgb(switchedOff ? Grey : Silver), textColour));
    field->setEnabled(!switchedOff);
}

// The program goes on while the chooser is open, so the chooser must not stay hidden away as a
// minimised window: the user would have nothing left on screen to end the program with.
void Form1::closeEvent(QCloseEvent *event)
{
    if (m_chooser && m_chooser->isMinimized())
        bringBack(m_chooser);
    QWidget::closeEvent(event);
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // From the bottom up: grey bar, palette strip, banner; both pictures at their own size.
    painter.fillRect(placeOf("Shape1").rect(), QColor::fromRgb(LightGrey));
    painter.drawImage(placeOf("Image1").rect().topLeft(), m_paletteStrip);
    const qreal ratio = devicePixelRatioF();
    if (m_banner.isNull() || m_banner.devicePixelRatio() != ratio)
        m_banner = bannerImage(ratio);
    painter.drawImage(placeOf("Image2").rect().topLeft(), m_banner);
}

} // namespace tintforge
