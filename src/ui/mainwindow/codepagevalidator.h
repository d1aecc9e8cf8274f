// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

namespace tintforge {

// Keeps a field to what the game can show, up to the field's limit: whatever else is typed or
// pasted is dropped first, and only then is the rest cut to fit, so what the user sees is exactly
// what gets written. The field itself must have no length limit of its own, since that would cut
// a paste before its unshowable characters are dropped.
class CodePageValidator : public QValidator
{
public:
    // A negative limit means none.
    explicit CodePageValidator(qsizetype maxLength, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    qsizetype m_maxLength;
};

} // namespace tintforge
