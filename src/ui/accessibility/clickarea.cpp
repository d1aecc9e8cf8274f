// SPDX-License-Identifier: MIT
#include "clickarea.h"

#include <QMouseEvent>

namespace tintforge {

ClickArea::ClickArea(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ClickArea::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// Like a button, a click counts when the mouse is released where it was pressed.
void ClickArea::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = std::exchange(m_pressed, false);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace tintforge
