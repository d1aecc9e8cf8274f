// SPDX-License-Identifier: MIT
#pragma once

// Finding the windows' controls in tests, and a bound on how long a question to them may take.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <QObject>
#include <QString>
#include <QtGlobal>
#include <thread>

namespace tintforge::testing {

// The control of that name in a window. The windows name every control after its place, so a
// missing one is a fault of the test itself and stops the whole run with its name.
template <typename T = QWidget> T *control(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s of the kind asked for", name);
    return found;
}

// Ends the whole test program when it is still alive after `limit`: a call that never returns
// then fails the run at once instead of holding it until CTest gives up.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_disarmed; }))
                  qFatal("a call did not return within %lld s", qlonglong(limit.count()));
          })
    {}
    ~Watchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_disarmed = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_disarmed = false;
    std::thread m_thread;
};

} // namespace tintforge::testing
