// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace tintforge {

// A one-line text field of the program's own (the segment fields, the glyph box's edit): what
// screen readers read of it is answered by the program (see AccessibleField), and they hear of
// it taking the focus before anything else it says, and nothing of the selection it drops on
// losing it.
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace tintforge
