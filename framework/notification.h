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

// What a notification is about. Notifications of different kinds stand
// side by side, each kind one at a time: a reminder's and a question's may
// be on the screen together, and each is replaced, answered and withdrawn
// on its own.
struct NotificationKind {
    CString name; // "reminder"; the category is "x-zamanix." and the name
    bool urgent = true; // critical: an alarm
};
inline const NotificationKind kReminderNotification{"reminder", true};

// Shows summary and body as a notification of this application, replacing
// the one of its kind shown before; it stays until it is withdrawn or the
// user closes it. Where the notification service offers buttons (it names
// the "actions" capability), each of `actions` gets one, and choosing it
// calls onAction with its key, once the event loop runs; elsewhere the
// notification has no buttons. Returns at once; without a notification
// service nothing happens and nothing fails.
void ShowDesktopNotification(const CString &summary, const CString &body,
    std::vector<NotificationAction> actions = {},
    std::function<void(const CString &key)> onAction = {},
    const NotificationKind &kind = kReminderNotification);
// Withdraws the notification of the kind shown last, if any, also one whose
// service has not answered yet; its buttons no longer answer.
void CloseDesktopNotification(const NotificationKind &kind = kReminderNotification);

// Tests see notifications through their own notifier (an empty body closes);
// an empty function restores the session bus.
void SetNotifier(std::function<void(const CString &summary, const CString &body)> notifier);
