// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace tintforge {

// An invisible area of the window that reacts to a left click: a swatch or a link area. It
// never takes the focus and draws nothing, so the picture beneath shows through. To screen
// readers it is a button with its name and a press action.
class ClickArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClickArea(const QString &name, QWidget *parent);

    // What a click does, for keyboard and accessibility tools that press the area by name.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace tintforge
