// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <QMutex>
#include <QString>

namespace tintforge {

// Where a piece of work on the file system stands: the folder or file it last reached for, which
// is the one it waits on while a call into the system does not return. Written by the thread
// doing the work and read by the window's, which tells the user what does not answer.
class ReachedPlace
{
public:
    void set(const QString &path)
    {
        const QMutexLocker lock(&m_mutex);
        m_path = path;
    }
    QString path() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_path;
    }

private:
    // The toolkit's lock and thread storage, not the C++ library's: with MinGW-w64 those go
    // through winpthreads, whose bookkeeping for threads it did not start now and then left the
    // process waiting for ever at its end under Wine.
    mutable QMutex m_mutex;
    QString m_path;
};

// Called before each call that may wait on the file system (a dead network mount answers no
// call at all), with the folder or file it reaches: recorded for the work the calling thread
// does, if any, and passed to the hook, if any.
void reaching(const QString &path);

// Makes `place` the one the calling thread's calls to reaching() record, for as long as the
// thread lives or until another is set; null records nothing.
void recordReachesIn(std::shared_ptr<ReachedPlace> place);

// Runs at every reaching(), on the thread that reaches, before the call: lets a test hold a call
// on the file system for as long as it likes, as a dead mount would. Set before any work starts.
using ReachHook = void (*)(const QString &path);
void setReachHook(ReachHook hook);

} // namespace tintforge
