// The sections and entries in which the program keeps reminders, alarms and
// the sound setting, and the forms of their keys and values. Each name views
// a whole string literal, so its data() is also a C string.
#pragma once

#include <string>
#include <string_view>

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
// "Defaults": numbers shown in Western digits when kWesternDigitsEntry is
// "ON", in the locale's own when "OFF"; as the locale writes them when the
// entry is missing or says anything else.
inline constexpr std::string_view kWesternDigitsEntry = "WesternDigits";
inline constexpr std::string_view kSettingOn = "ON";
inline constexpr std::string_view kSettingOff = "OFF";
// The Hijri month starts the user recorded: one entry a month,
// "YEAR/MONTH=YYYY-MM-DD" ("1448/9=2027-02-07"; calendar/icu/
// month_start_record.h). Written only when the user records or removes one.
inline constexpr std::string_view kHijriMonthStartsSection = "HijriMonthStarts";
// The question about the new moon on the 29th day of a Hijri month, under
// "Defaults": asked when kAskNewMoonEntry is "ON" (any other value or none:
// not asked), at the local time kNewMoonTimeEntry gives as "HH:MM" (any
// other value or none: 18:00). Written only when the user changes them.
inline constexpr std::string_view kAskNewMoonEntry = "AskNewMoon";
inline constexpr std::string_view kNewMoonTimeEntry = "NewMoonTime";
// The reminders of the other kinds: once on a date, every month on a day,
// every week on a weekday. Their memos and alarms live in sections of their
// own, so that a program that reads only "Reminder" and "Alarm" (a release
// before these kinds) neither lists nor rings them, and keeps them as they
// are when it writes its own. The key tells the kind:
//   "Ramadhan/27/1448", "March/06/2027"  once: month name, day and year;
//   "Hijri/13", "Christian/01"           every month of that calendar;
//   "Friday"                             every week, the English weekday.
inline constexpr std::string_view kMoreReminderSection = "MoreReminders";
inline constexpr std::string_view kMoreAlarmSection = "MoreAlarms";
inline constexpr std::string_view kMonthlyHijriWord = "Hijri";
inline constexpr std::string_view kMonthlyChristianWord = "Christian";
inline constexpr std::string_view kWeekdayKeyNames[7] = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
// Notice: a reminder of any kind also rings this many days before each day
// it falls on, "Ramadhan/1=3", under the reminder's own key. Absent, or not
// a whole number from 1 to kMaxNoticeDays: no notice.
inline constexpr std::string_view kNoticeSection = "Notice";
inline constexpr int kMaxNoticeDays = 30;
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
