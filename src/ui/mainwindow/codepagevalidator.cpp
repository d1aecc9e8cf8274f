// SPDX-License-Identifier: MIT
#include "codepagevalidator.h"

#include "model/codepage.h"

#include <algorithm>

namespace tintforge {

namespace {

// How many characters `now` holds that `before` did not: what lies between the two texts'
// common start and common end.
qsizetype arrivedCount(const QString &before, const QString &now)
{
    const qsizetype shorter = std::min(before.size(), now.size());
    qsizetype start = 0;
    while (start < shorter && before[start] == now[start])
        ++start;
    qsizetype end = 0;
    while (end < shorter - start && before[before.size() - 1 - end] == now[now.size() - 1 - end])
        ++end;
    return now.size() - start - end;
}

} // namespace

CodePageValidator::CodePageValidator(ByteRule takes, qsizetype maxLength, QObject *parent)
    : QValidator(parent), m_takes(std::move(takes)), m_maxLength(maxLength)
{}

QValidator::State CodePageValidator::validate(QString &input, int &pos) const
{
    // Composed first: an "e" with a combining accent, as some input methods and pastes deliver
    // it, is the code page's "\u00E9", not an "e" and a character to drop.
    const qsizetype composedCursor =
        input.left(pos).normalized(QString::NormalizationForm_C).size();
    input = input.normalized(QString::NormalizationForm_C);
    pos = int(composedCursor);
    const qsizetype arrived = arrivedCount(m_last, input);
    QString dropped;
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        const char byte = byteOfCharacter(input[i].unicode());
        if (byte != 0 && m_takes(byte))
            continue;
        dropped.prepend(input[i]);
        input.remove(i, 1);
        if (i < pos)
            --pos;
    }
    QString cut;
    if (m_maxLength >= 0 && input.size() > m_maxLength) {
        // What was just typed or pasted ends at the cursor: keep its first characters, as a field
        // with a length limit does ("ABCDEFGHIJ" into an empty clan field keeps "ABCDEFG").
        const qsizetype excess = input.size() - m_maxLength;
        const qsizetype start = std::max<qsizetype>(0, pos - excess);
        cut = input.mid(start, pos - start);
        input.remove(start, pos - start);
        pos = int(start);
        if (input.size() > m_maxLength) { // text was longer than the limit before the change
            cut += input.mid(m_maxLength);
            input.truncate(m_maxLength);
            pos = std::min(pos, int(m_maxLength));
        }
    }
    m_last = input;
    if (!dropped.isEmpty() || !cut.isEmpty())
        emit leftOut(dropped, cut, arrived > 1);
    return Acceptable;
}

} // namespace tintforge
