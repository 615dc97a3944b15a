// The settings the program keeps in the profile, typed, and how each is read
// from and written to its entries under "Defaults" (reminders/
// reminder_entries.h names the entries and their values), or under
// "CalendarServer" (reminders/server_settings.h). A new setting is a field
// here, a flag of ProfileSetting, and its rows in profile_settings.cpp's
// table: nothing else reads or writes its entries.
#pragma once

#include "agenda/crescent_question.h"
#include "calendar/icu/hijri_calendar.h"
#include "reminders/profile.h"
#include "reminders/profile_snapshot.h"
#include "reminders/server_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Which settings changed, as a set of flags.
enum ProfileSetting : unsigned {
    kHijriCalendarSetting = 1u << 0, // the rule, the day adjustment and the month starts
    kSoundSetting = 1u << 1, // the audible alarm
    kMonthPanelSetting = 1u << 2, // the month panel shown
    kMonthPanelSideSetting = 1u << 3, // the side it docks on
    kHolyDaysSetting = 1u << 4, // the holy days marked
    kLastCheckSetting = 1u << 5, // when the reminders were last checked
    kCalendarServerSetting = 1u << 6, // where the reminders are published
    kAskNewMoonSetting = 1u << 7, // the question about the new moon asked
    kNewMoonTimeSetting = 1u << 8, // the time it is asked at
    kWesternDigitsSetting = 1u << 9, // the digits numbers are shown in
};

struct ZamanixSettings {
    CHijriCalendar hijri; // "HijriCalendar", "HijriAdjust"
    bool sound = true; // "Audio": only "OFF" turns it off
    bool monthPanel = false; // "MonthPanel": shown when "ON"
    std::string monthPanelSide = "right"; // "MonthPanelSide": left, right, top, bottom
    bool holyDays = true; // "HolyDays": only "OFF" hides them
    // "LastCheck", seconds since 1970; none at the first start, or when the
    // value was mended by hand into something else.
    std::optional<std::int64_t> lastCheck;
    bool askNewMoon = false; // "AskNewMoon": asked when "ON"
    int newMoonMinute = kDefaultNewMoonMinute; // "NewMoonTime", "HH:MM": minutes after midnight
    // "WesternDigits": "ON" or "OFF"; none for the locale's choice.
    std::optional<bool> westernDigits;
    // "CalendarServer": "URL", "User", "Years"; an empty URL publishes
    // nothing.
    CalendarServerSettings calendarServer;
};

// The settings as the profile holds them; missing or unreadable values give
// the defaults above.
ZamanixSettings ReadSettings(const CProfileSnapshot &profile);

// The flags of the settings in which a and b differ.
unsigned ChangedSettings(const ZamanixSettings &a, const ZamanixSettings &b);

// Takes the settings of `which` from `from` into `to`; of the Hijri
// calendar, the rule and the adjustment (the month starts recorded are the
// profile's data, and stay those of `to`).
void CopySettings(unsigned which, const ZamanixSettings &from, ZamanixSettings &to);

// The changes that make the profile hold `wanted` for the settings of
// `which`: only the entries whose stored value says otherwise (a missing
// entry says the default), so that nothing is written that a read would
// give anyway.
std::vector<ProfileChange> SettingChanges(
    unsigned which, const ZamanixSettings &wanted, const CProfileSnapshot &stored);
