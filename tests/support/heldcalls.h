// SPDX-License-Identifier: MIT
#pragma once

// Calls on the file system held on demand, as a network mount that stopped answering holds them.

#include "output/files/reaching.h"

#include <QDir>
#include <QMutex>
#include <QString>
#include <QWaitCondition>

namespace tintforge::testing {

// Every call that reaches `folder` or anything below it waits, on whatever thread makes it, until
// release() or the end of the test's scope; the rest go on. One at a time.
class HeldFolder
{
public:
    explicit HeldFolder(const QString &folder)
    {
        const QMutexLocker lock(&state().mutex);
        state().folder = folder;
        state().held = true;
        setReachHook(wait);
    }
    ~HeldFolder() { release(); }
    HeldFolder(const HeldFolder &) = delete;
    HeldFolder &operator=(const HeldFolder &) = delete;

    void release()
    {
        const QMutexLocker lock(&state().mutex);
        state().held = false;
        state().released.wakeAll();
    }

private:
    struct State {
        // The toolkit's, as the threads it holds are the toolkit's (see ReachedPlace).
        QMutex mutex;
        QWaitCondition released;
        QString folder;
        bool held = false;
    };
    static State &state()
    {
        static State shared;
        return shared;
    }
    static void wait(const QString &path)
    {
        const QMutexLocker lock(&state().mutex);
        // In either notation: the list reaches for "C:\\dir" as the file layer does "C:/dir".
        const QString reached = QDir::fromNativeSeparators(path);
        const QString held = QDir::fromNativeSeparators(state().folder);
        if (reached != held && !reached.startsWith(held + u'/'))
            return;
        while (state().held)
            state().released.wait(&state().mutex);
    }
};

} // namespace tintforge::testing
