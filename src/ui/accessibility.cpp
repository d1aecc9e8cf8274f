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

QAccessibleInterface *programWidget(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1StringView("tintforge::ClickArea"))
        return new AccessibleClickArea(static_cast<ClickArea *>(widget));
    if (className == QLatin1StringView("QLineEdit"))
        return new AccessibleField(static_cast<QLineEdit *>(widget));
    // Plain widgets that are windows would otherwise be reported as a client area.
    if (className == QLatin1StringView("tintforge::MainWindow") ||
        className == QLatin1StringView("tintforge::SaveAsWindow"))
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
