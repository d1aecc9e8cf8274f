// SPDX-License-Identifier: MIT
#include "editabledropdown.h"

#include "ui/accessibility/textfield.h"

#include <QAbstractItemView>

namespace tintforge {

EditableDropDown::EditableDropDown(QWidget *parent) : QComboBox(parent)
{
    setLineEdit(new TextField(this));
}

void EditableDropDown::showPopup()
{
    // The scroll bar setEditable() gives the list of an editable box in styles that show
    // drop-down lists as menus.
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
}

} // namespace tintforge
