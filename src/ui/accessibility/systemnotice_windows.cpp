// SPDX-License-Identifier: MIT
#include "systemnotice.h"

#include "uianotification.h"

#include <oleauto.h>
#include <QString>
#include <QWidget>

namespace tintforge {

namespace {

// UI Automation's NotificationKind_ActionCompleted and NotificationProcessing_MostRecent.
constexpr int ActionCompleted = 2;
constexpr int MostRecent = 3;

template <typename Call> Call lookUp(HMODULE module, const char *name)
{
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): how a looked-up call is typed
    return module ? reinterpret_cast<Call>(reinterpret_cast<void *>(GetProcAddress(module, name)))
                  : nullptr;
}

} // namespace

const UiaNotificationCalls &systemUiaCalls()
{
    static const UiaNotificationCalls calls = [] {
        const HMODULE module = LoadLibraryW(L"uiautomationcore.dll");
        UiaNotificationCalls found;
        found.hostProvider =
            lookUp<decltype(found.hostProvider)>(module, "UiaHostProviderFromHwnd");
        found.raiseNotification =
            lookUp<decltype(found.raiseNotification)>(module, "UiaRaiseNotificationEvent");
        return found;
    }();
    return calls;
}

bool raiseUiaNotification(const UiaNotificationCalls &calls, HWND window, const wchar_t *message)
{
    if (!calls.hostProvider || !calls.raiseNotification || !window)
        return false;
    IUnknown *provider = nullptr;
    if (FAILED(calls.hostProvider(window, &provider)) || !provider)
        return false;
    BSTR text = SysAllocString(message);
    BSTR activity = SysAllocString(L"tintforge.notice");
    const HRESULT raised =
        calls.raiseNotification(provider, ActionCompleted, MostRecent, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
    return SUCCEEDED(raised);
}

void raiseSystemNotice(QWidget *window, const QString &message)
{
    const auto handle = reinterpret_cast<HWND>(window->window()->winId()); // NOLINT: a handle
    raiseUiaNotification(systemUiaCalls(), handle,
                         reinterpret_cast<const wchar_t *>(message.utf16()));
}

} // namespace tintforge
