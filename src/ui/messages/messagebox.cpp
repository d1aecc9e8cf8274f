// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include "ui/identity.h"

#include <algorithm>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>

namespace tintforge {

namespace {

// Room the box takes besides its text: frame, icon, margins, the OK button.
constexpr int BoxWidthBesidesText = 160;
constexpr int BoxHeightBesidesText = 160;
// Lines no longer than a reader's eye follows, on any screen.
constexpr int MostColumns = 100;
constexpr int FewestColumns = 20;
constexpr int FewestLines = 5;
constexpr int MostLines = 40;

// `line` broken into pieces of at most `columns` characters.
QStringList wrapped(QString line, int columns)
{
    QStringList pieces;
    while (line.size() > columns) {
        const qsizetype space = line.lastIndexOf(u' ', columns);
        const qsizetype cut = space > columns / 2 ? space : columns;
        pieces << line.left(cut);
        line.remove(0, space == cut ? cut + 1 : cut);
    }
    pieces << line;
    return pieces;
}

} // namespace

QString fittedMessage(const QString &message, int columns, int lines)
{
    QStringList shown;
    for (const QString &line : message.split(u'\n'))
        shown << wrapped(line, columns);
    if (shown.size() > lines) {
        const qsizetype left = shown.size() - (lines - 1);
        shown.erase(shown.begin() + (lines - 1), shown.end());
        shown << QStringLiteral("... and %1 more lines").arg(left);
    }
    return shown.join(u'\n');
}

// As plain text: a folder may well be named "<s>x&lt;y", and the message shows it exactly so.
void showMessageBox(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, ProgramTitle, QString(), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize(640, 480);
    // The widest character's width, so that no line of the fitted text is wider than the room.
    const QFontMetrics metrics(box.font());
    const int columns = std::clamp((room.width() - BoxWidthBesidesText) /
                                       std::max(1, metrics.horizontalAdvance(u'W')),
                                   FewestColumns, MostColumns);
    const int lines =
        std::clamp((room.height() - BoxHeightBesidesText) / std::max(1, metrics.lineSpacing()),
                   FewestLines, MostLines);
    box.setText(fittedMessage(message, columns, lines));
    box.exec();
}

} // namespace tintforge
