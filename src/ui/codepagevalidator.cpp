// SPDX-License-Identifier: MIT
#include "codepagevalidator.h"

#include "output/codepage.h"

namespace tintforge {

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
