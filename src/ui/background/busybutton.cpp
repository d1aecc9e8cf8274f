// SPDX-License-Identifier: MIT
#include "busybutton.h"

#include "ui/words/windowwords.h"

#include <QAbstractButton>
#include <QPalette>

namespace tintforge {

namespace {

// The button's look and name as they were before it showed busy, kept on the button itself.
constexpr const char *IdlePalette = "tintforgeIdlePalette";
constexpr const char *IdleName = "tintforgeIdleName";

} // namespace

void showBusy(QAbstractButton *button, bool busy)
{
    if (busy == button->property(IdlePalette).isValid())
        return;
    if (!busy) {
        button->setPalette(button->property(IdlePalette).value<QPalette>());
        button->setAccessibleName(button->property(IdleName).toString());
        button->setProperty(IdlePalette, {});
        button->unsetCursor();
        return;
    }
    button->setProperty(IdlePalette, button->palette());
    button->setProperty(IdleName, button->accessibleName());
    QPalette greyed = button->palette();
    const QColor disabled = greyed.color(QPalette::Disabled, QPalette::ButtonText);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        greyed.setColor(group, QPalette::ButtonText, disabled);
    button->setPalette(greyed);
    button->setCursor(Qt::BusyCursor);
    const QString name =
        button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
    button->setAccessibleName(busyName(name));
}

} // namespace tintforge
