// The sections and entries in which the program keeps reminders, alarms and
// the sound setting, and the forms of their keys and values. Each name views
// a whole string literal, so its data() is also a C string.
#pragma once

#include <string>
#include <string_view>

namespace previous_release {

// Memo text, under the reminder key; absent reads as "".
inline constexpr std::string_view kReminderSection = "Reminder";
// Alarm value (alarm_value.h), under the reminder key.
inline constexpr std::string_view kAlarmSection = "Alarm";
inline constexpr std::string_view kDefaultAlarmValue = "08:00 60";
// The sound setting: "ON" or "OFF" under "Defaults"/"Audio".
inline constexpr std::string_view kDefaultsSection = "Defaults";
inline constexpr std::string_view kAudioEntry = "Audio";
inline constexpr std::string_view kAudioOn = "ON";
inline constexpr std::string_view kAudioOff = "OFF";
// The Hijri calendar kept, under "Defaults": a rule's name ("astronomical",
// "umalqura" or "civil") and a day adjustment from -2 to 2; read both with
// ParseHijriSetting (calendar/hijri_rule.h), missing or unreadable values
// give the astronomical rule and 0. Written only when the user changes them.
inline constexpr std::string_view kHijriCalendarEntry = "HijriCalendar";
inline constexpr std::string_view kHijriAdjustEntry = "HijriAdjust";
// The month panel beside the form, under "Defaults": shown when "ON" (any
// other value or none: hidden), docked on the side kMonthPanelSideEntry
// names ("left", "right", "top" or "bottom"; any other value or none:
// right), and the Islamic holy days marked in it unless kHolyDaysEntry is
// "OFF". Written only when the user changes them.
inline constexpr std::string_view kMonthPanelEntry = "MonthPanel";
inline constexpr std::string_view kMonthPanelSideEntry = "MonthPanelSide";
inline constexpr std::string_view kHolyDaysEntry = "HolyDays";
inline constexpr std::string_view kSettingOn = "ON";
inline constexpr std::string_view kSettingOff = "OFF";
// When the reminders were last checked, under "Defaults": seconds since
// 1970 (UTC). The reminders of the days after it that the program never
// showed are listed as missed; without it (the first start) none are.
inline constexpr std::string_view kLastCheckEntry = "LastCheck";

// "Ramadhan/27": the month name as the calendar spells it, "/", and the day
// text exactly as given; "5", "05" and "" make three different keys.
inline std::string ReminderKey(std::string_view monthName, std::string_view dayText)
{
    std::string key(monthName);
    key += '/';
    key += dayText;
    return key;
}

// Only the exact text "OFF" turns the sound off; "off", "" or a missing
// entry leave it on.
inline bool AudioIsOn(std::string_view audioValue)
{
    return audioValue != kAudioOff;
}

} // namespace previous_release
