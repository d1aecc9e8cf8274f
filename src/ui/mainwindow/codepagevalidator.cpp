// SPDX-License-Identifier: MIT
#include "codepagevalidator.h"

#include "model/codepage.h"

namespace tintforge {

namespace {

// Composes the text (NFC), then drops every character no code page byte stands for, moving the
// cursor with the text before it.
void dropNonCodePage(QString &text, int &cursor)
{
    // Composed first: an "e" with a combining accent, as some input methods and pastes deliver
    // it, is the code page's "\u00E9", not an "e" and a character to drop.
    const qsizetype composedCursor =
        text.left(cursor).normalized(QString::NormalizationForm_C).size();
    text = text.normalized(QString::NormalizationForm_C);
    cursor = int(composedCursor);
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (byteOfCharacter(text[i].unicode()) == 0) {
            text.remove(i, 1);
            if (i < cursor)
                --cursor;
        }
    }
}

} // namespace

CodePageValidator::CodePageValidator(qsizetype maxLength, QObject *parent)
    : QValidator(parent), m_maxLength(maxLength)
{}

QValidator::State CodePageValidator::validate(QString &input, int &pos) const
{
    dropNonCodePage(input, pos);
    if (m_maxLength < 0 || input.size() <= m_maxLength)
        return Acceptable;
    // What was just typed or pasted ends at the cursor: keep its first characters, as a field
    // with a length limit does ("ABCDEFGHIJ" into an empty clan field keeps "ABCDEFG").
    const qsizetype excess = input.size() - m_maxLength;
    const qsizetype start = std::max<qsizetype>(0, pos - excess);
    input.remove(start, pos - start);
    pos = int(start);
    if (input.size() > m_maxLength) { // text was longer than the limit before the change
        input.truncate(m_maxLength);
        pos = std::min(pos, int(m_maxLength));
    }
    return Acceptable;
}

} // namespace tintforge
