// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

namespace tintforge {

// A menu whose entries a letter moves to, as menus do in desktop programs: each press goes to the
// next entry whose text starts with it, round to the first again ("g", "g": green, green grey).
class LetterMenu : public QMenu
{
public:
    using QMenu::QMenu;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tintforge
