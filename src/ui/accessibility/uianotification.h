// SPDX-License-Identifier: MIT
#pragma once

// UI Automation's notification event, looked up at run time: it came with Windows 10 1709, and
// Wine 8 does not export it.

#include <windows.h>

namespace tintforge {

// The calls of uiautomationcore.dll that raise a notification, with the provider as the IUnknown
// it is: UiaHostProviderFromHwnd and UiaRaiseNotificationEvent. Either may be missing.
struct UiaNotificationCalls {
    HRESULT(WINAPI *hostProvider)(HWND window, IUnknown **provider) = nullptr;
    HRESULT(WINAPI *raiseNotification)
    (IUnknown *provider, int kind, int processing, BSTR text, BSTR activityId) = nullptr;
};

// The system's calls, looked up once; missing ones are null.
const UiaNotificationCalls &systemUiaCalls();

// Raises `message` as a finished action's notification from the window, the most recent one
// replacing any not yet spoken. False, doing nothing, where a call is missing or fails.
bool raiseUiaNotification(const UiaNotificationCalls &calls, HWND window, const wchar_t *message);

} // namespace tintforge
