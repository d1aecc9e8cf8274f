// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "clickarea.h"

#include <QAccessibleWidget>
#include <QLabel>

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
    // Plain widgets that are windows would otherwise be reported as a client area.
    if (className == QLatin1StringView("tintforge::MainWindow") ||
        className == QLatin1StringView("tintforge::SaveAsWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

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
