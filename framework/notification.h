// Desktop notifications (org.freedesktop.Notifications on the session bus),
// so that an alarm is seen even when its prompt opens behind other windows.
#pragma once

#include "framework/cstring.h"

#include <functional>

// Shows summary and body as an urgent notification of this application,
// replacing the one shown before. Returns at once; without a notification
// service nothing happens and nothing fails.
void ShowDesktopNotification(const CString &summary, const CString &body);
// Withdraws the notification shown last, if any.
void CloseDesktopNotification();

// Tests see notifications through their own notifier (an empty body closes);
// an empty function restores the session bus.
void SetNotifier(std::function<void(const CString &summary, const CString &body)> notifier);
