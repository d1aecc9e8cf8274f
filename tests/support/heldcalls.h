// SPDX-License-Identifier: MIT
#pragma once

// Calls on the file system held on demand, as a network mount that stopped answering holds them.

#include "output/files/reaching.h"

#include <condition_variable>
#include <mutex>
#include <QString>

namespace tintforge::testing {

// Every call that reaches `folder` or anything below it waits, on whatever thread makes it, until
// release() or the end of the test's scope; the rest go on. One at a time.
class HeldFolder
{
public:
    explicit HeldFolder(const QString &folder)
    {
        const std::scoped_lock lock(state().mutex);
        state().folder = folder;
        state().held = true;
        setReachHook(wait);
    }
    ~HeldFolder() { release(); }
    HeldFolder(const HeldFolder &) = delete;
    HeldFolder &operator=(const HeldFolder &) = delete;

    void release()
    {
        {
            const std::scoped_lock lock(state().mutex);
            state().held = false;
        }
        state().released.notify_all();
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable released;
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
        std::unique_lock lock(state().mutex);
        if (path != state().folder && !path.startsWith(state().folder + u'/'))
            return;
        state().released.wait(lock, [] { return !state().held; });
    }
};

} // namespace tintforge::testing
