// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace tintforge {

// A drop-down box with an edit field (a TextField) whose list is built the first time it is
// wanted. setEditable() would build the list at once, and the window would carry it from its
// first paint, though few users ever open it.
class EditableDropDown : public QComboBox
{
public:
    explicit EditableDropDown(QWidget *parent);

    void showPopup() override;
};

} // namespace tintforge
