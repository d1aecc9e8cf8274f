// SPDX-License-Identifier: MIT
#include "reaching.h"

#include <atomic>
#include <QThreadStorage>
#include <utility>

namespace tintforge {

namespace {

QThreadStorage<std::shared_ptr<ReachedPlace>> recorded;
std::atomic<ReachHook> hook = nullptr;

} // namespace

void reaching(const QString &path)
{
    if (recorded.hasLocalData() && recorded.localData())
        recorded.localData()->set(path);
    if (const ReachHook run = hook.load())
        run(path);
}

void recordReachesIn(std::shared_ptr<ReachedPlace> place)
{
    recorded.setLocalData(std::move(place));
}

void setReachHook(ReachHook newHook)
{
    hook.store(newHook);
}

} // namespace tintforge
