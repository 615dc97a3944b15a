#include "agenda/reminder_key.h"

#include "calendar/calendar.h"
#include "reminders/profile_text.h"
#include "text/sentence.h"
#include "text/translate.h"

int DayOfText(std::string_view text)
{
    if (text.size() == 2 && text[0] == '0' && text[1] >= '1' && text[1] <= '9')
        return text[1] - '0';
    if (text.empty() || text.size() > 2 || text[0] < '1' || text[0] > '9')
        return 0;
    int day = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        day = day * 10 + (c - '0');
    }
    return day <= 31 ? day : 0;
}

std::vector<std::string> DaySpellings(ReminderCalendar calendar, int day)
{
    std::vector<std::string> spellings{std::to_string(day)};
    if (calendar == ReminderCalendar::Christian && day >= 0 && day < 10)
        spellings.front().insert(0, 1, '0');
    if (day >= 1 && day <= 9)
        spellings.push_back(calendar == ReminderCalendar::Christian ? std::to_string(day)
                                                                    : "0" + std::to_string(day));
    return spellings;
}

std::optional<std::pair<ReminderCalendar, int>> FindReminderMonth(std::string_view name)
{
    for (int m = 1; m <= 12; ++m) {
        if (ProfileNamesEqual(name, HijriMonthNames[m - 1]))
            return std::pair(ReminderCalendar::Hijri, m);
        if (ProfileNamesEqual(name, ChristianMonthNames[m - 1]))
            return std::pair(ReminderCalendar::Christian, m);
    }
    return std::nullopt;
}

const std::string &ReminderMonthName(ReminderCalendar calendar, int month)
{
    return calendar == ReminderCalendar::Hijri ? HijriMonthNames[month - 1]
                                               : ChristianMonthNames[month - 1];
}

std::string ReminderMonthShownName(ReminderCalendar calendar, int month)
{
    return calendar == ReminderCalendar::Hijri ? HijriMonthShownName(month)
                                               : ChristianMonthShownName(month);
}

std::string ReminderKeyDayText(std::string_view key)
{
    return std::string(key.substr(key.find('/') + 1));
}

std::string CanonicalReminderKey(std::string_view key)
{
    const std::size_t slash = key.find('/');
    if (slash == std::string_view::npos)
        return std::string(key);
    const auto month = FindReminderMonth(key.substr(0, slash));
    if (!month)
        return std::string(key);
    return ReminderMonthName(month->first, month->second) + std::string(key.substr(slash));
}

int LongestMonth(ReminderCalendar calendar, int month)
{
    if (calendar == ReminderCalendar::Hijri)
        return 30;
    constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1];
}

ParsedReminderKey ParseReminderKey(std::string_view key)
{
    ParsedReminderKey parsed;
    const std::size_t slash = key.find('/');
    if (slash == std::string_view::npos) {
        parsed.problem =
            Translate("Reminders", "the key has no \"/\" between the month and the day");
        return parsed;
    }
    const std::string_view name = key.substr(0, slash), dayText = key.substr(slash + 1);
    const auto month = FindReminderMonth(name);
    if (!month) {
        parsed.problem = FillSentence(
            Translate("Reminders", "\"%1\" is neither a Hijri nor a Christian month"), {name});
        return parsed;
    }
    parsed.calendar = month->first;
    parsed.month = month->second;
    if (dayText.empty()) {
        parsed.problem = Translate("Reminders", "the key has no day after the \"/\"");
        return parsed;
    }
    parsed.day = DayOfText(dayText);
    if (parsed.day == 0) {
        parsed.problem = FillSentence(
            Translate("Reminders", "\"%1\" is not a day: write 1 to 31, or 01 to 09"), {dayText});
        return parsed;
    }
    if (const int longest = LongestMonth(*parsed.calendar, parsed.month); parsed.day > longest)
        parsed.problem = FillSentence(Translate("Reminders", "%1 never has more than %2 days"),
            {ReminderMonthShownName(*parsed.calendar, parsed.month), std::to_string(longest)});
    return parsed;
}
