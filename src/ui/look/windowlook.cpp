// SPDX-License-Identifier: MIT
#include "windowlook.h"

#include "platformstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QWidget>

namespace tintforge {

namespace {

// The yellow of the captions and of the chooser's lists, on black.
constexpr QRgb CaptionYellow = 0xFFFF00;

// 8.25 pt at the 96 dots an inch the layout was made for.
constexpr int ControlFontPixels = 11;

void setInAllGroups(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
}

// The platform's style, less its hover effects (the windows have none), and with the small gap
// between indicator and text that the option buttons' widths were made for.
class FormStyle : public QProxyStyle
{
public:
    // Over the given style, or the platform's own when none is given.
    explicit FormStyle(QStyle *base) : QProxyStyle(base) {}

    void polish(QWidget *widget) override
    {
        QProxyStyle::polish(widget);
        widget->setAttribute(Qt::WA_Hover, false);
    }
    using QProxyStyle::polish;

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing || metric == PM_CheckBoxLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // The keyboard focus on a check box or option button as a dotted frame in its caption's
    // colour, as on the classic form: the style's own faint ring vanishes on black. A push
    // button's frame is drawn with the button (see drawControl), never twice.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect && qobject_cast<const QPushButton *>(widget))
            return;
        if (element != PE_FrameFocusRect || !(qobject_cast<const QCheckBox *>(widget) ||
                                              qobject_cast<const QRadioButton *>(widget))) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        drawDottedFrame(painter, option->rect, option->palette.color(QPalette::WindowText));
    }

    // The keyboard focus on a push button as a dotted frame in its caption's colour inside the
    // face, as clear as on the check box: the style's own ring differs too little from the
    // unfocused edge, and the "..." button is 17 pixels square.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus))
            drawDottedFrame(painter,
                            option->rect.adjusted(ButtonFocusInset, ButtonFocusInset,
                                                  -ButtonFocusInset, -ButtonFocusInset),
                            option->palette.color(QPalette::ButtonText));
    }

    // A scroll bar on black (the chooser's folder list) with its thumb in the list's text colour:
    // the style's own thumb there is black on black.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
        if (control != CC_ScrollBar || !bar ||
            bar->palette.color(QPalette::Window) != QColor(Qt::black)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider rest(*bar);
        rest.subControls &= ~SC_ScrollBarSlider;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
        if (bar->subControls & SC_ScrollBarSlider) {
            const QRect thumb = subControlRect(control, bar, SC_ScrollBarSlider, widget);
            painter->fillRect(thumb.adjusted(1, 1, -1, -1),
                              bar->palette.color(QPalette::WindowText));
        }
    }

    // The drop-down boxes' arrow buttons no wider than the classic one: the glyph box is 33
    // pixels wide, and the style's own arrow left its edit field room for part of a letter.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return rect;
        const int spare =
            QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget).width() -
            ArrowWidth;
        if (spare <= 0)
            return rect;
        return part == SC_ComboBoxArrow ? rect.adjusted(spare, 0, 0, 0)
                                        : rect.adjusted(0, 0, spare, 0);
    }

private:
    static void drawDottedFrame(QPainter *painter, const QRect &rect, const QColor &colour)
    {
        painter->save();
        painter->setPen(QPen(colour, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    static constexpr int ArrowWidth = 13;
    // From the button's edge to its focus frame: just inside the style's edge, and a pixel clear
    // of the caption of the 17-pixel "..." button.
    static constexpr int ButtonFocusInset = 2;
};

// The form's light colours: Fusion's light palette, written out, since Fusion's own turns dark
// with a dark desktop theme (GTK's Adwaita dark, say).
QPalette lightPalette()
{
    const QColor window(239, 239, 239);
    const QColor dark = window.darker(150);
    const QColor mid = window.darker(130);
    QPalette palette(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
    palette.setBrush(QPalette::Midlight, mid.lighter(110));
    palette.setBrush(QPalette::Button, window);
    palette.setBrush(QPalette::Shadow, dark.darker(135));
    palette.setBrush(QPalette::HighlightedText, Qt::white);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setBrush(QPalette::Disabled, role, QColor(190, 190, 190));
    palette.setBrush(QPalette::Disabled, QPalette::Base, window);
    palette.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setBrush(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
    palette.setBrush(QPalette::Active, QPalette::Highlight, QColor(48, 140, 198));
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198));
    palette.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    palette.setBrush(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    return palette;
}

// The first of the faces the layout was made for that is installed and can be drawn at the
// layout's size. Asking for one that is not installed costs the font system a substitution over
// every installed font, at every lookup. A face kept only as fixed bitmap sizes (Windows' and
// Wine's "MS Sans Serif") would be drawn at its nearest size instead, larger than the captions
// were measured for.
QString controlFamily()
{
    static const QString family = [] {
        // The list of installed families, not hasFamily(): that resolves a missing name as an
        // alias, which is the very substitution this avoids.
        const QStringList installed = QFontDatabase::families();
        for (const char *name : {"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}) {
            QString candidate = QString::fromLatin1(name);
            if (installed.contains(candidate) && QFontDatabase::isSmoothlyScalable(candidate))
                return candidate;
        }
        return QString();
    }();
    return family;
}

} // namespace

QFont controlFont(bool bold)
{
    QFont font;
    if (!controlFamily().isEmpty())
        font.setFamily(controlFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(ControlFontPixels);
    font.setBold(bold);
    return font;
}

QPalette formPalette()
{
    // Every role of every group set explicitly, so nothing is left to resolve against the
    // desktop's palette, not even after the desktop switches its scheme while the program runs.
    static const QPalette palette = [] {
        const QPalette light = lightPalette();
        QPalette fixed;
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto g = QPalette::ColorGroup(group);
                const auto r = QPalette::ColorRole(role);
                fixed.setColor(g, r, light.color(g, r));
            }
        }
        return fixed;
    }();
    return palette;
}

QColor defaultTextColour()
{
    return Qt::black;
}

QPalette surfacePalette()
{
    QPalette palette = formPalette();
    setInAllGroups(palette, QPalette::Window, Qt::black);
    return palette;
}

void styleCaption(QWidget *widget)
{
    // From the form's palette, not the widget's: a desktop theme gives check boxes and option
    // buttons palettes of their own (GTK's dark theme: dark markers on the black window).
    QPalette palette = formPalette();
    // Buttons (the option buttons and the check box) fill their background from Button.
    setInAllGroups(palette, QPalette::Window, Qt::black);
    setInAllGroups(palette, QPalette::Button, Qt::black);
    setInAllGroups(palette, QPalette::WindowText, CaptionYellow);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void installFormStyle()
{
    // The application owns the style; once, before the first window.
    QApplication::setStyle(new FormStyle(platformStyle()));
    // Every widget starts in the program's font, so none lays out text in another one first.
    QApplication::setFont(controlFont(false));
}

void styleButton(QWidget *button)
{
    button->setPalette(formPalette());
}

QPalette listPalette()
{
    QPalette palette = formPalette();
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        setInAllGroups(palette, role, Qt::black);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        setInAllGroups(palette, role, CaptionYellow);
    return palette;
}

QPalette fieldPalette(const QColor &background, const QColor &text)
{
    QPalette palette = formPalette();
    setInAllGroups(palette, QPalette::Base, background);
    setInAllGroups(palette, QPalette::Button, background);
    setInAllGroups(palette, QPalette::Text, text);
    setInAllGroups(palette, QPalette::ButtonText, text);
    return palette;
}

} // namespace tintforge
