// SPDX-License-Identifier: MIT
#include "accessibleevents.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

namespace tintforge {

namespace {

// The field taking the focus, whose caret and selection go unreported meanwhile.
QObject *quietField = nullptr;
// The handler that was installed before the rules: the platform's bridge when none.
QAccessible::UpdateHandler nextHandler = nullptr;

void applyRules(QAccessibleEvent *event);

// Hands an event on as if the rules were not there.
void pass(QAccessibleEvent *event)
{
    if (nextHandler) {
        nextHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(applyRules);
}

void applyRules(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::TableModelChanged:
        // Already applied to the view's interface before any handler is asked; passing it on
        // would apply it twice (rows inserted, shifted twice), and no platform bridge reports it.
        if (nextHandler)
            nextHandler(event);
        return;
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        if (quietField && event->object() == quietField)
            return;
        break;
    case QAccessible::Focus:
        // The toolkit reports an editable drop-down as focused, and its edit field as the source
        // of every caret and text change: a screen reader ignores changes of an object other
        // than the one it holds as focused.
        if (const auto *dropDown = qobject_cast<QComboBox *>(event->object());
            dropDown && isProgramWidget(dropDown->lineEdit()) && event->child() < 0) {
            QAccessibleEvent edit(dropDown->lineEdit(), QAccessible::Focus);
            pass(&edit);
            return;
        }
        break;
    default:
        break;
    }
    pass(event);
}

} // namespace

bool isProgramWidget(const QObject *object)
{
    return object && object->isWidgetType() &&
           QLatin1StringView(object->metaObject()->className())
               .startsWith(QLatin1StringView("tintforge::"));
}

void installAccessibleEventRules()
{
    nextHandler = QAccessible::installUpdateHandler(applyRules);
}

QuietCaret::QuietCaret(QObject *field) : m_previous(quietField)
{
    quietField = field;
}

QuietCaret::~QuietCaret()
{
    quietField = m_previous;
}

} // namespace tintforge
