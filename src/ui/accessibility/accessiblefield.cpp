// SPDX-License-Identifier: MIT
#include "accessiblefield.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>

namespace tintforge {

namespace {

struct Span {
    int start;
    int end;
};

// The word piece that holds `offset` (0 <= offset < size) as AT-SPI counts words: from the start
// of a word to the start of the next, so the spaces and punctuation after a word go with it
// ("Orv, the" is "Orv, " and "the"); text before the first word is a piece of its own. The
// toolkit's bridge asks for word starts and word ends alike as words, and screen readers move by
// starts.
Span wordAt(const QString &text, int offset)
{
    Span span{0, int(text.size())};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
    for (qsizetype at = finder.position(); at >= 0; at = finder.toNextBoundary()) {
        if (!(finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
            continue;
        if (at > offset) {
            span.end = int(at);
            break;
        }
        span.start = int(at);
    }
    return span;
}

// The piece of `text` that holds `offset` (0 <= offset < size), by the given boundary: a
// character, a word as above, a sentence with the spaces after it, or the one line. Every step
// of the finder moves on or gives up, so the answer comes at once.
Span spanAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const int size = int(text.size());
    QTextBoundaryFinder::BoundaryType type = QTextBoundaryFinder::Grapheme;
    switch (boundary) {
    case QAccessible::CharBoundary:
        break;
    case QAccessible::WordBoundary:
        return wordAt(text, offset);
    case QAccessible::SentenceBoundary:
        type = QTextBoundaryFinder::Sentence;
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::NoBoundary:
        return {0, size}; // one line, one paragraph
    }
    QTextBoundaryFinder finder(type, text);
    finder.setPosition(offset);
    int start = offset;
    if (!finder.isAtBoundary()) {
        const qsizetype previous = finder.toPreviousBoundary();
        start = previous < 0 ? 0 : int(previous);
    }
    finder.setPosition(offset);
    const qsizetype next = finder.toNextBoundary();
    const int end = next < 0 || next > size ? size : int(next);
    return {start, std::max(end, std::min(offset + 1, size))};
}

QString answer(const QString &text, Span span, int *startOffset, int *endOffset)
{
    *startOffset = span.start;
    *endOffset = span.end;
    return text.mid(span.start, span.end - span.start);
}

} // namespace

AccessibleField::AccessibleField(QLineEdit *field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{}

QLineEdit *AccessibleField::field() const
{
    return static_cast<QLineEdit *>(widget());
}

void *AccessibleField::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleField::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return field()->text();
    return QAccessibleWidget::text(type);
}

QAccessible::State AccessibleField::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !field()->isReadOnly();
    state.readOnly = field()->isReadOnly();
    state.selectableText = true;
    return state;
}

void AccessibleField::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText())
        return;
    *startOffset = field()->selectionStart();
    *endOffset = field()->selectionEnd();
}

int AccessibleField::selectionCount() const
{
    return field()->hasSelectedText() ? 1 : 0;
}

void AccessibleField::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleField::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field()->deselect();
}

void AccessibleField::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleField::cursorPosition() const
{
    return field()->cursorPosition();
}

void AccessibleField::setCursorPosition(int position)
{
    field()->setCursorPosition(position);
}

QString AccessibleField::text(int startOffset, int endOffset) const
{
    const QString text = field()->text();
    startOffset = std::clamp(startOffset, 0, int(text.size()));
    endOffset =
        endOffset < 0 ? int(text.size()) : std::clamp(endOffset, startOffset, int(text.size()));
    return text.mid(startOffset, endOffset - startOffset);
}

QString AccessibleField::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                      int *startOffset, int *endOffset) const
{
    const QString text = field()->text();
    const int size = int(text.size());
    if (offset == -2)
        offset = cursorPosition();
    else if (offset == -1)
        offset = size;
    if (offset < 0 || offset > size) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    if (offset == size) {
        // At the end: nothing for a character; the last word, sentence or line for the rest.
        if (boundaryType == QAccessible::CharBoundary || size == 0)
            return answer(text, {size, size}, startOffset, endOffset);
        return answer(text, spanAt(text, size - 1, boundaryType), startOffset, endOffset);
    }
    return answer(text, spanAt(text, offset, boundaryType), startOffset, endOffset);
}

QString AccessibleField::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int *startOffset, int *endOffset) const
{
    // The span of the piece at the offset; its text is not needed.
    textAtOffset(offset, boundaryType, startOffset, endOffset);
    if (*startOffset <= 0) {
        *startOffset = *endOffset = *startOffset < 0 ? -1 : 0;
        return QString();
    }
    const QString text = field()->text();
    const int size = int(text.size());
    // Directly after the text, the character before is the last one.
    if (boundaryType == QAccessible::CharBoundary && *startOffset == size)
        return answer(text, {size - 1, size}, startOffset, endOffset);
    return answer(text, spanAt(text, *startOffset - 1, boundaryType), startOffset, endOffset);
}

QString AccessibleField::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    // The span of the piece at the offset; its text is not needed.
    textAtOffset(offset, boundaryType, startOffset, endOffset);
    const QString text = field()->text();
    const int size = int(text.size());
    if (*endOffset < 0 || *endOffset >= size) {
        *startOffset = *endOffset = *endOffset < 0 ? -1 : size;
        return QString();
    }
    return answer(text, spanAt(text, *endOffset, boundaryType), startOffset, endOffset);
}

int AccessibleField::characterCount() const
{
    return int(field()->text().size());
}

// Where the character's cell lies on the screen: its advance within the field's text area.
QRect AccessibleField::characterRect(int offset) const
{
    const QString text = field()->text();
    if (offset < 0 || offset >= text.size())
        return QRect();
    const QFontMetrics metrics(field()->font());
    const QRect area = field()->contentsRect().marginsRemoved(field()->textMargins());
    const int x = area.x() + 2 + metrics.horizontalAdvance(text.left(offset));
    const int width = metrics.horizontalAdvance(text.mid(offset, 1));
    const int y = area.y() + (area.height() - metrics.height()) / 2;
    return QRect(field()->mapToGlobal(QPoint(x, y)), QSize(width, metrics.height()));
}

int AccessibleField::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = field()->mapFromGlobal(point);
    if (!field()->rect().contains(local))
        return -1;
    return field()->cursorPositionAt(local);
}

void AccessibleField::scrollToSubstring(int startIndex, int endIndex)
{
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

// One run with no attributes of its own over the whole text.
QString AccessibleField::attributes(int offset, int *startOffset, int *endOffset) const
{
    const int size = characterCount();
    if (offset == -2)
        offset = cursorPosition();
    if (offset < 0 || offset > size) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    *startOffset = 0;
    *endOffset = size;
    return QString();
}

void AccessibleField::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleField::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleField::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (field()->isReadOnly() || !field()->isEnabled() ||
        (startOffset == endOffset && text.isEmpty()))
        return;
    field()->setSelection(startOffset, endOffset - startOffset);
    if (text.isEmpty())
        field()->del();
    else
        field()->insert(text);
}

} // namespace tintforge
