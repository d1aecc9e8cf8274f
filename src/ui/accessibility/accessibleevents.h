// SPDX-License-Identifier: MIT
#pragma once

class QObject;

namespace tintforge {

// Whether an object is one of the program's own widgets, not one of the toolkit's (a menu, say,
// is also a plain widget that is a window): only those get the program's answers and rules.
bool isProgramWidget(const QObject *object);

// The one place where the program adjusts what the toolkit reports to assistive technology:
// - the focus of its editable drop-down (the glyph box) is reported on its edit field, the object
//   whose caret and text changes the screen reader then follows;
// - a field's caret and selection changes are not reported while it takes the focus (QuietCaret).
// Everything else passes unchanged. Installed once, by registerAccessibleRoles().
void installAccessibleEventRules();

// While it lives, caret and selection changes of `field` are not reported.
class QuietCaret
{
public:
    explicit QuietCaret(QObject *field);
    ~QuietCaret();
    QuietCaret(const QuietCaret &) = delete;
    QuietCaret &operator=(const QuietCaret &) = delete;

private:
    QObject *m_previous;
};

} // namespace tintforge
