// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "accessibleevents.h"
#include "accessiblefield.h"
#include "clickarea.h"
#include "spokennotice.h"
#include "textfield.h"

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

// Asked once for each class of the object, its own first. Only the program's own widgets get
// interfaces of the program's; every other widget keeps the toolkit's.
QAccessibleInterface *programWidget(const QString &className, QObject *object)
{
    if (!isProgramWidget(object) ||
        className != QLatin1StringView(object->metaObject()->className()))
        return nullptr;
    if (auto *area = qobject_cast<ClickArea *>(object))
        return new AccessibleClickArea(area);
    if (auto *field = qobject_cast<TextField *>(object))
        return new AccessibleField(field);
    if (auto *notice = qobject_cast<SpokenNotice *>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    // The program's windows are plain widgets, which would otherwise be reported as a client
    // area.
    auto *widget = static_cast<QWidget *>(object);
    if (widget->isWindow() && object->metaObject()->superClass() == &QWidget::staticMetaObject)
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
        installAccessibleEventRules();
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tintforge
