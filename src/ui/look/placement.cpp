// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

// Takes a fixed-size window out of the maximized or full-screen state as soon as it is there.
// Until the window system has let it go, the window takes whatever size it is given: on Wayland
// a window that answers a maximized state at its own size is a protocol error that ends the
// program. The request to leave goes out once the window has shown itself in that state, since a
// compositor ignores a request to leave a state it has not yet seen the window take. Back at its
// own size, the window is fixed at it again.
class SizeKeeper : public QObject
{
public:
    SizeKeeper(QWidget *window, QWindow *handle)
        : QObject(window), m_window(window), m_handle(handle), m_size(window->size())
    {
        connect(handle, &QWindow::windowStateChanged, this, &SizeKeeper::stateChanged);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_leaving) {
            // After this paint has reached the window system.
            m_leaving = false;
            QTimer::singleShot(0, this, [this] {
                m_handle->setWindowStates(m_handle->windowStates() & ~Filling);
            });
        } else if (event->type() == QEvent::Resize && m_released &&
                   !(m_handle->windowStates() & Filling) && m_window->size() == m_size) {
            m_released = false;
            m_window->setFixedSize(m_size);
        }
        return false;
    }

private:
    static constexpr Qt::WindowStates Filling{Qt::WindowMaximized | Qt::WindowFullScreen};

    void stateChanged()
    {
        if (!(m_handle->windowStates() & Filling))
            return;
        m_released = true;
        m_leaving = true;
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_window->update();
    }

    QWidget *m_window;
    QWindow *m_handle;
    QSize m_size;
    bool m_released = false;
    bool m_leaving = false;
};

// Watches for the window's handle to the window system, made when it is first shown.
class HandleWatcher : public QObject
{
public:
    explicit HandleWatcher(QWidget *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && m_window->windowHandle()) {
            m_window->removeEventFilter(this);
            new SizeKeeper(m_window, m_window->windowHandle());
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

void keepAtItsSize(QWidget *window)
{
    if (window->windowHandle())
        new SizeKeeper(window, window->windowHandle());
    else
        window->installEventFilter(new HandleWatcher(window));
}

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
