// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <QObject>
#include <QString>
#include <utility>

class QTimer;

namespace tintforge {

class ReachedPlace;

// Work that may wait on the file system, run on a thread of its own so that the window never
// waits with it: a folder on a network mount that stopped answering may delay an outcome, never
// the window. The outcome comes back to this object's thread as a queued call; nothing comes back
// once this object is gone. Nothing ever waits for the thread either, so a call that never
// returns holds only that thread, and closing the window still ends the program.
class FileWork : public QObject
{
    Q_OBJECT

public:
    // How long work may take before it shows as busy, and before the place it waits on is named.
    static constexpr std::chrono::milliseconds BusyLookAfter{200};
    static constexpr std::chrono::milliseconds DefaultPatience{3000};

    explicit FileWork(QObject *parent);
    ~FileWork() override;
    FileWork(const FileWork &) = delete;
    FileWork &operator=(const FileWork &) = delete;

    // Whether some thread of any FileWork is still at work, held by a call that has not returned.
    static bool anyThreadAtWork();

    // Whether the work last started has not come back yet.
    bool busy() const { return m_busy; }
    // Whether it has been under way long enough to show (see busyShown).
    bool showsBusy() const;
    std::chrono::milliseconds patience() const;
    void setPatience(std::chrono::milliseconds patience);

    // Runs `work` on a thread of its own and hands what it gives to `done` on this object's
    // thread. Work started before and not yet back is passed over: its outcome is dropped, so
    // callers for whom that would lose something (a write) start nothing while busy().
    template <typename Work, typename Done> void start(Work work, Done done)
    {
        startJob([work = std::move(work), done = std::move(done)]() mutable {
            auto outcome = work();
            return std::function<void()>(
                [done = std::move(done), outcome = std::move(outcome)] { done(outcome); });
        });
    }

signals:
    // The work has been under way long enough to show, and then once it is back.
    void busyShown(bool busy);
    // The work has waited longer than the patience on a call into the file system that reaches
    // `path` (empty where the work named no place).
    void notAnswering(const QString &path);

private:
    struct Mailbox;
    using Job = std::function<std::function<void()>()>;
    void startJob(Job job);
    void arrived(quint64 number, const std::function<void()> &deliver);

    std::shared_ptr<Mailbox> m_mailbox;
    std::shared_ptr<ReachedPlace> m_place;
    QTimer *m_busyLook;
    QTimer *m_patience;
    quint64 m_started = 0;
    bool m_busy = false;
};

} // namespace tintforge
