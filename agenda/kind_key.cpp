#include "agenda/kind_key.h"

#include "agenda/sentence.h"
#include "reminders/profile_text.h"
#include "reminders/reminder_entries.h"
#include "text/translate.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr const char *kNotAKey = ZX_TRANSLATE_NOOP("Reminders",
    "%1 is neither a weekday nor a month and a day: write "
    "Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448");
constexpr const char *kUnknownMonth =
    ZX_TRANSLATE_NOOP("Reminders", "%1 is neither a Hijri nor a Christian month");
constexpr const char *kNoDay = ZX_TRANSLATE_NOOP("Reminders", "the key has no day after the \"/\"");
constexpr const char *kNotADay =
    ZX_TRANSLATE_NOOP("Reminders", "%1 is not a day: write 1 to 31, or 01 to 09");
constexpr const char *kLongestMonth =
    ZX_TRANSLATE_NOOP("Reminders", "%1 never has more than %2 days");
constexpr const char *kHijriMonthDays =
    ZX_TRANSLATE_NOOP("Reminders", "a Hijri month never has more than 30 days");
constexpr const char *kNotAYear = ZX_TRANSLATE_NOOP(
    "Reminders", "%1 is not a year: write it as 1448, or as -5 for a year before 1");
constexpr const char *kChristianYears =
    ZX_TRANSLATE_NOOP("Reminders", "the year %1 lies outside the supported years, -4000 to 3000");
constexpr const char *kShortMonth = ZX_TRANSLATE_NOOP("Reminders", "%1 %2 has only %3 days");
constexpr const char *kReformGap = ZX_TRANSLATE_NOOP("Reminders",
    "%1 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582");

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::optional<int> weekdayOfName(std::string_view name)
{
    for (int w = 0; w < 7; ++w)
        if (ProfileNamesEqual(name, kWeekdayKeyNames[w]))
            return w;
    return std::nullopt;
}

std::optional<ReminderCalendar> monthlyCalendar(std::string_view word)
{
    if (ProfileNamesEqual(word, kMonthlyHijriWord))
        return ReminderCalendar::Hijri;
    if (ProfileNamesEqual(word, kMonthlyChristianWord))
        return ReminderCalendar::Christian;
    return std::nullopt;
}

// A year as written: an optional "-", then digits without a leading zero;
// not 0. Six digits at most, far beyond any year that can be supported.
std::optional<int> yearOfText(std::string_view text)
{
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 6 || digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int year = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), year);
    return negative ? -year : year;
}

// The day after the "/"; `problem` set when it is none.
void readDay(ParsedReminderKey &parsed, std::string_view text)
{
    if (text.empty()) {
        parsed.problem = Translate("Reminders", kNoDay);
        return;
    }
    parsed.day = DayOfText(text);
    if (parsed.day == 0)
        parsed.problem = FillSentence(Translate("Reminders", kNotADay), {quoted(text)});
}

// Why a Christian date with its year never was; empty when it was.
std::string christianDateProblem(const YearMonthDay &date)
{
    if (date.year < kFirstSupportedYear || date.year > kLastSupportedYear)
        return FillSentence(Translate("Reminders", kChristianYears), {std::to_string(date.year)});
    if (ChristianOfDay(ChristianDayNumber(date)) == date)
        return {};
    if (date.year == 1582 && date.month == 10)
        return FillSentence(Translate("Reminders", kReformGap), {std::to_string(date.day)});
    const int length = ChristianOfDay(ChristianDayNumber({date.year, date.month + 1, 1}) - 1).day;
    return FillSentence(Translate("Reminders", kShortMonth),
        {ReminderMonthName(ReminderCalendar::Christian, date.month), std::to_string(date.year),
            std::to_string(length)});
}

void readOnce(
    ParsedReminderKey &parsed, std::string_view month, std::string_view day, std::string_view year)
{
    const auto found = FindReminderMonth(month);
    if (!found) {
        parsed.problem = FillSentence(Translate("Reminders", kUnknownMonth), {quoted(month)});
        return;
    }
    parsed.calendar = found->first;
    parsed.month = found->second;
    readDay(parsed, day);
    if (!parsed.problem.empty())
        return;
    if (const int longest = LongestMonth(*parsed.calendar, parsed.month); parsed.day > longest) {
        parsed.problem = FillSentence(Translate("Reminders", kLongestMonth),
            {ReminderMonthName(*parsed.calendar, parsed.month), std::to_string(longest)});
        return;
    }
    const std::optional<int> written = yearOfText(year);
    if (!written) {
        parsed.problem = FillSentence(Translate("Reminders", kNotAYear), {quoted(year)});
        return;
    }
    parsed.year = *written;
    if (parsed.calendar == ReminderCalendar::Christian)
        parsed.problem = christianDateProblem({parsed.year, parsed.month, parsed.day});
}

void addDays(std::vector<DayKey> &keys, ReminderCalendar calendar, ReminderKind kind,
    const std::string &before, int day, const std::string &after)
{
    for (const std::string &spelled : DaySpellings(calendar, day))
        keys.push_back({calendar, before + spelled + after, kind});
}

// The days of the month that fall on the Christian date's day: itself,
// and the days its month lacks or the reform dropped just before it.
std::pair<int, int> christianMonthDays(int dayNumber, const YearMonthDay &christian)
{
    int first = christian.day, last = christian.day;
    if (const YearMonthDay before = ChristianOfDay(dayNumber - 1);
        before.month == christian.month && before.day + 1 < christian.day)
        first = before.day + 1;
    if (ChristianOfDay(dayNumber + 1).day == 1)
        last = 31;
    return {first, last};
}

} // namespace

bool IsKindKeyForm(std::string_view key)
{
    const std::size_t slash = key.find('/');
    if (slash == std::string_view::npos)
        return true;
    return key.find('/', slash + 1) != std::string_view::npos ||
        monthlyCalendar(key.substr(0, slash)).has_value();
}

ParsedReminderKey ParseKindKey(std::string_view key)
{
    ParsedReminderKey parsed;
    const std::size_t slash = key.find('/');
    if (slash == std::string_view::npos) {
        parsed.kind = ReminderKind::Weekly;
        if (const std::optional<int> weekday = weekdayOfName(key))
            parsed.weekday = *weekday;
        else
            parsed.problem = FillSentence(Translate("Reminders", kNotAKey), {quoted(key)});
        return parsed;
    }
    const std::size_t second = key.find('/', slash + 1);
    if (second != std::string_view::npos) {
        parsed.kind = ReminderKind::Once;
        readOnce(parsed, key.substr(0, slash), key.substr(slash + 1, second - slash - 1),
            key.substr(second + 1));
        return parsed;
    }
    parsed.kind = ReminderKind::Monthly;
    parsed.calendar = monthlyCalendar(key.substr(0, slash));
    if (!parsed.calendar) {
        parsed.problem = FillSentence(Translate("Reminders", kNotAKey), {quoted(key)});
        return parsed;
    }
    readDay(parsed, key.substr(slash + 1));
    if (parsed.problem.empty() && parsed.calendar == ReminderCalendar::Hijri && parsed.day > 30)
        parsed.problem = Translate("Reminders", kHijriMonthDays);
    return parsed;
}

ParsedReminderKey ParseAnyReminderKey(std::string_view key)
{
    return IsKindKeyForm(key) ? ParseKindKey(key) : ParseReminderKey(key);
}

std::string KindKeyText(const ParsedReminderKey &key)
{
    switch (key.kind) {
    case ReminderKind::Weekly:
        return std::string(kWeekdayKeyNames[key.weekday]);
    case ReminderKind::Monthly:
        return std::string(key.calendar == ReminderCalendar::Hijri ? kMonthlyHijriWord
                                                                   : kMonthlyChristianWord) +
            "/" + DaySpellings(*key.calendar, key.day).front();
    case ReminderKind::Once:
    case ReminderKind::Yearly:
        break;
    }
    std::string text = ReminderKey(
        ReminderMonthName(*key.calendar, key.month), DaySpellings(*key.calendar, key.day).front());
    return key.kind == ReminderKind::Once ? text + "/" + std::to_string(key.year) : text;
}

std::string_view MemoSectionOf(ReminderKind kind)
{
    return kind == ReminderKind::Yearly ? kReminderSection : kMoreReminderSection;
}

std::string_view AlarmSectionOf(ReminderKind kind)
{
    return kind == ReminderKind::Yearly ? kAlarmSection : kMoreAlarmSection;
}

std::vector<DayKey> DayKindKeys(
    int dayNumber, const YearMonthDay &christian, const YearMonthDay &hijri, int hijriMonthLength)
{
    using enum ReminderCalendar;
    std::vector<DayKey> keys;
    keys.push_back(
        {Christian, std::string(kWeekdayKeyNames[WeekdayOfDay(dayNumber)]), ReminderKind::Weekly});
    const std::string hijriWord = std::string(kMonthlyHijriWord) + "/";
    const int lastHijri = hijri.day == hijriMonthLength ? 30 : hijri.day;
    for (int day = hijri.day; day <= lastHijri; ++day)
        addDays(keys, Hijri, ReminderKind::Monthly, hijriWord, day, "");
    const std::string christianWord = std::string(kMonthlyChristianWord) + "/";
    const auto [first, last] = christianMonthDays(dayNumber, christian);
    for (int day = first; day <= last; ++day)
        addDays(keys, Christian, ReminderKind::Monthly, christianWord, day, "");
    addDays(keys, Hijri, ReminderKind::Once, ReminderMonthName(Hijri, hijri.month) + "/", hijri.day,
        "/" + std::to_string(hijri.year));
    addDays(keys, Christian, ReminderKind::Once,
        ReminderMonthName(Christian, christian.month) + "/", christian.day,
        "/" + std::to_string(christian.year));
    return keys;
}

int ParseNoticeDays(const std::optional<std::string> &value)
{
    int days = 0;
    if (!value || value->empty() || value->size() > 2 || value->front() == '0')
        return 0;
    const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), days);
    if (error != std::errc() || end != value->data() + value->size())
        return 0;
    return days >= 1 && days <= kMaxNoticeDays ? days : 0;
}

std::string_view KindWord(ReminderKind kind)
{
    constexpr std::string_view kWords[] = {"yearly", "once", "monthly", "weekly"};
    return kWords[static_cast<int>(kind)];
}
