// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tintforge {

namespace {

int placeSpan(int start, int length, int frameLength)
{
    if (frameLength >= length)
        return start;
    return start + (length - frameLength) / 2;
}

void placeNow(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window->move(framePosition(window->frameGeometry().size(), screen->availableGeometry()));
}

// Places the window again when its frame first differs from its client area: the window manager
// has then told its size.
class FrameWatcher : public QObject
{
public:
    explicit FrameWatcher(QWidget *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto type = event->type();
        if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) {
            if (m_window->frameGeometry().size() != m_window->size()) {
                m_window->removeEventFilter(this);
                placeNow(m_window);
                deleteLater();
            }
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

QPoint framePosition(QSize frame, const QRect &available)
{
    return {placeSpan(available.left(), available.width(), frame.width()),
            placeSpan(available.top(), available.height(), frame.height())};
}

void placeOnScreen(QWidget *window)
{
    placeNow(window);
    if (!window->isVisible() || window->frameGeometry().size() == window->size())
        window->installEventFilter(new FrameWatcher(window));
}

} // namespace tintforge
