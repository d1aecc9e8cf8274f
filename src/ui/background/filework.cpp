// SPDX-License-Identifier: MIT
#include "filework.h"

#include "output/files/reaching.h"

#include <atomic>
#include <QMutex>
#include <QThread>
#include <QTimer>

namespace tintforge {

namespace {

std::atomic<int> threadsAtWork = 0;

} // namespace

// Where a thread hands its outcome: the FileWork while it lives, nothing after.
struct FileWork::Mailbox {
    QMutex mutex; // not std::mutex, for the reason ReachedPlace gives
    FileWork *owner = nullptr;
};

FileWork::FileWork(QObject *parent)
    : QObject(parent), m_mailbox(std::make_shared<Mailbox>()), m_busyLook(new QTimer(this)),
      m_patience(new QTimer(this))
{
    m_mailbox->owner = this;
    for (QTimer *timer : {m_busyLook, m_patience})
        timer->setSingleShot(true);
    m_busyLook->setInterval(BusyLookAfter);
    m_patience->setInterval(DefaultPatience);
    connect(m_busyLook, &QTimer::timeout, this, [this] { emit busyShown(true); });
    connect(m_patience, &QTimer::timeout, this, [this] { emit notAnswering(m_place->path()); });
}

FileWork::~FileWork()
{
    const QMutexLocker lock(&m_mailbox->mutex);
    m_mailbox->owner = nullptr;
}

bool FileWork::anyThreadAtWork()
{
    return threadsAtWork > 0;
}

bool FileWork::showsBusy() const
{
    return m_busy && !m_busyLook->isActive();
}

std::chrono::milliseconds FileWork::patience() const
{
    return m_patience->intervalAsDuration();
}

void FileWork::setPatience(std::chrono::milliseconds patience)
{
    m_patience->setInterval(patience);
}

void FileWork::startJob(Job job)
{
    const quint64 number = ++m_started;
    m_place = std::make_shared<ReachedPlace>();
    QThread *thread =
        QThread::create([job = std::move(job), place = m_place, mailbox = m_mailbox, number] {
            recordReachesIn(place);
            const std::function<void()> deliver = job();
            --threadsAtWork;
            const QMutexLocker lock(&mailbox->mutex);
            if (FileWork *owner = mailbox->owner) {
                QMetaObject::invokeMethod(
                    owner, [owner, number, deliver] { owner->arrived(number, deliver); },
                    Qt::QueuedConnection);
            }
        });
    // A thread still held by a call when the program ends is never deleted, and never waited for.
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    if (!m_busy)
        m_busyLook->start();
    m_busy = true;
    m_patience->start();
    ++threadsAtWork;
    thread->start();
}

void FileWork::arrived(quint64 number, const std::function<void()> &deliver)
{
    if (number != m_started)
        return;
    m_busy = false;
    m_patience->stop();
    if (!m_busyLook->isActive())
        emit busyShown(false);
    m_busyLook->stop();
    deliver();
}

} // namespace tintforge
