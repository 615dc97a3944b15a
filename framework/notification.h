// Desktop notifications (org.freedesktop.Notifications on the session bus),
// so that an alarm is seen even when its prompt opens behind other windows.
#pragma once

#include "framework/cstring.h"

#include <functional>
#include <vector>

// A button of a notification: the key it answers with and its label.
struct NotificationAction {
    CString key;
    CString label;
};

// Shows summary and body as an urgent notification of this application,
// replacing the one shown before. Where the notification service offers
// buttons (it names the "actions" capability), each of `actions` gets one,
// and choosing it calls onAction with its key, once the event loop runs;
// elsewhere the notification has no buttons. Returns at once; without a
// notification service nothing happens and nothing fails.
void ShowDesktopNotification(const CString &summary, const CString &body,
    std::vector<NotificationAction> actions = {},
    std::function<void(const CString &key)> onAction = {});
// Withdraws the notification shown last, if any, also one whose service has
// not answered yet; its buttons no longer answer.
void CloseDesktopNotification();

// Tests see notifications through their own notifier (an empty body closes);
// an empty function restores the session bus.
void SetNotifier(std::function<void(const CString &summary, const CString &body)> notifier);
