// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "accessiblefield.h"
#include "clickarea.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace tintforge {

namespace {

class AccessibleClickArea : public QAccessibleWidget
{
public:
    explicit AccessibleClickArea(ClickArea *area) : QAccessibleWidget(area, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<ClickArea *>(widget())->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// Asked once for each class of the object, its own first.
QAccessibleInterface *programWidget(const QString &className, QObject *object)
{
    if (!object->isWidgetType() ||
        className != QLatin1StringView(object->metaObject()->className()))
        return nullptr;
    if (auto *area = qobject_cast<ClickArea *>(object))
        return new AccessibleClickArea(area);
    if (auto *field = qobject_cast<QLineEdit *>(object))
        return new AccessibleField(field);
    // The program's windows are plain widgets, which would otherwise be reported as a client
    // area.
    auto *widget = static_cast<QWidget *>(object);
    if (widget->isWindow() && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

// Tells screen readers that a field has the focus before the field itself reacts to it: a field
// that selects its text or moves its caret on focus would otherwise report that first, and a
// reader that hears of a caret in a field it has not been told about says nothing of the field.
class FocusFirst : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
            QAccessibleEvent focus(watched, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void announceFocusFirst(QWidget *field)
{
    field->installEventFilter(new FocusFirst(field));
}

void nameDropDown(QWidget *dropDown, const QString &name)
{
    dropDown->setAccessibleName(name);
    auto *caption = new QLabel(name, dropDown->parentWidget());
    caption->hide();
    caption->setBuddy(dropDown);
}

void registerAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(programWidget);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tintforge
