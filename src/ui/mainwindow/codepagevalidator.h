// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <QValidator>

namespace tintforge {

// Keeps a field to what the game takes in it, up to the field's limit: whatever else is typed or
// pasted is dropped first, and only then is the rest cut to fit, so what the user sees is exactly
// what gets written. The field itself must have no length limit of its own, since that would cut
// a paste before its refused characters are dropped.
class CodePageValidator : public QValidator
{
    Q_OBJECT

public:
    // Whether the field takes a code page byte.
    using ByteRule = std::function<bool(char)>;

    // A negative limit means none.
    CodePageValidator(ByteRule takes, qsizetype maxLength, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

signals:
    // Characters were dropped from what came in, in their order: those the field does not take,
    // and those cut at its limit; `withOthers` when more came at once (a paste, a drop) than one
    // key gives.
    void leftOut(const QString &refused, const QString &cut, bool withOthers) const;

private:
    ByteRule m_takes;
    qsizetype m_maxLength;
    // The text as last let through: what came in is what the next input adds to it.
    mutable QString m_last;
};

} // namespace tintforge
