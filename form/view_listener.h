// What the windows beside the form hear of it: a date that View showed, a
// change of reminders that Add or Delete made, a change of the Hijri
// calendar the user keeps, and reminders that were missed. A window
// registers with the view (CZamanixView::AddListener) and unregisters
// before it goes.
#pragma once

#include "agenda/missed_reminders.h"
#include "framework/cstring.h"

#include <vector>

class CZamanixViewListener {
public:
    virtual ~CZamanixViewListener() = default;
    // View showed a date: the calendar chosen, the year, the month 1..12 and
    // the day as typed (the form may hold any text there).
    virtual void OnDateShown(bool hijri, int year, int month, const CString &dayText)
    {
        (void)hijri, (void)year, (void)month, (void)dayText;
    }
    // The profile's reminders changed through the form (Add, Delete).
    virtual void OnRemindersChanged() { }
    // The Hijri calendar in use changed (CZamanixView::GetHijriCalendar).
    virtual void OnHijriCalendarChanged() { }
    // Reminders fell due while the program did not run or the machine
    // slept (CZamanixView::CheckMissedReminders); each is told once.
    virtual void OnRemindersMissed(const std::vector<MissedReminder> &missed) { (void)missed; }
};
