// SPDX-License-Identifier: MIT
#include "textfield.h"

#include "accessibleevents.h"

namespace tintforge {

// A field taking the focus selects its text or moves its caret before the toolkit reports the
// focus itself. A screen reader told of a caret in a field it has not been told about moves to
// it silently, and then takes the focus report as old news: the field would be heard on no
// first visit. The field's focus report says where the caret and selection are.
void TextField::focusInEvent(QFocusEvent *event)
{
    const QuietCaret quiet(this);
    QLineEdit::focusInEvent(event);
}

// The selection a field drops on losing the focus would be heard as "unselected" over the
// control the focus moves to.
void TextField::focusOutEvent(QFocusEvent *event)
{
    const QuietCaret quiet(this);
    QLineEdit::focusOutEvent(event);
}

} // namespace tintforge
