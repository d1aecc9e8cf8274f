// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include "ui/identity.h"
#include "ui/words/windowwords.h"

#include <algorithm>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>

namespace tintforge {

namespace {

// The widest text a message box shows unwrapped: the toolkit wraps its text again, line by line,
// past half the screen or 500 pixels; less the icon and the margins beside the text.
constexpr int MostBoxWidth = 500;
constexpr int WidthBesidesText = 120;
// Room the box takes besides its text's lines: frame, margins, the OK button.
constexpr int HeightBesidesText = 160;
constexpr int FewestLines = 5;
// However tall the screen, a longer list is no longer read.
constexpr int MostLines = 40;

// Where a line too wide for `width` pixels breaks: after its longest start that fits (one
// character at least), at the last space in the second half of that start where there is one.
// No start longer than `width` characters is measured (hardly a character is narrower than a
// pixel), so a line of any length costs as little as a short one.
qsizetype breakOf(const QString &line, const QFontMetrics &metrics, int width)
{
    qsizetype fits = 1;
    qsizetype wide = std::min(line.size(), qsizetype(width) + 1);
    if (metrics.horizontalAdvance(line.left(wide)) <= width)
        return wide;
    while (wide - fits > 1) {
        const qsizetype middle = (fits + wide) / 2;
        if (metrics.horizontalAdvance(line.left(middle)) <= width)
            fits = middle;
        else
            wide = middle;
    }
    const qsizetype space = line.lastIndexOf(u' ', fits);
    return space > fits / 2 ? space : fits;
}

// The message's rows, each at most `width` pixels wide, at most `rows` of them: its lines, a
// line too wide broken into rows. Where they do not all fit, the last row says how much of the
// message is left out, counted in the message's own lines.
QString fittedMessage(const QString &message, const QFontMetrics &metrics, int width, int rows)
{
    QStringList lines = message.split(u'\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, not a line of its own
    QStringList shown;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        bool begun = false;
        for (;;) {
            const bool wide = line.size() > width + 1 || metrics.horizontalAdvance(line) > width;
            if (shown.size() == rows - 1 && (wide || i < lines.size() - 1)) {
                shown << moreLinesText(lines.size() - i - (begun ? 1 : 0), begun);
                return shown.join(u'\n');
            }
            if (!wide)
                break;
            const qsizetype at = breakOf(line, metrics, width);
            shown << line.left(at);
            line.remove(0, line.at(at) == u' ' ? at + 1 : at);
            begun = true;
        }
        shown << line;
    }
    return shown.join(u'\n');
}

} // namespace

// As plain text: a folder may well be named "<s>x&lt;y", and the message shows it exactly so.
void showMessageBox(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, ProgramTitle, QString(), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize(640, 480);
    // The text's own font, which a platform may give message boxes.
    const auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    const QFontMetrics metrics(label ? label->font() : box.font());
    const int width =
        std::max(std::min(room.width() / 2, MostBoxWidth) - WidthBesidesText, metrics.maxWidth());
    const int lines = std::clamp((room.height() - HeightBesidesText) / metrics.lineSpacing(),
                                 FewestLines, MostLines);
    box.setText(fittedMessage(message, metrics, width, lines));
    box.exec();
    // The keyboard goes back to the window the message was raised in, not to whichever the
    // window manager picks (the main window, where the chooser raised it, which looks closed to
    // a screen reader's user).
    if (parent)
        parent->window()->activateWindow();
}

} // namespace tintforge
