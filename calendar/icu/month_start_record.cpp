#include "calendar/icu/month_start_record.h"

#include "calendar/calendar.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <charconv>
#include <cstdio>

namespace {

// The text in quotes for a message: control characters as "?", a long one
// cut short.
std::string shown(std::string_view text)
{
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i)
        out += static_cast<unsigned char>(text[i]) < 0x20 ? '?' : text[i];
    return out + (text.size() > kShown ? "...\"" : "\"");
}

// A number of minDigits to maxDigits decimal digits at the front of
// `text`, then the separator (none: the end of the text).
bool takeNumber(std::string_view &text, std::size_t minDigits, std::size_t maxDigits,
    char separator, int &value)
{
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits < minDigits || digits > maxDigits)
        return false;
    std::from_chars(text.data(), text.data() + digits, value);
    text.remove_prefix(digits);
    if (separator == '\0')
        return text.empty();
    if (text.empty() || text.front() != separator)
        return false;
    text.remove_prefix(1);
    return true;
}

bool parseMonth(std::string_view name, HijriMonthStart &record, std::string &error)
{
    std::string_view text = name;
    if (!takeNumber(text, 1, 4, '/', record.year) || !takeNumber(text, 1, 2, '\0', record.month)) {
        error = FillSentence(Translate("MonthStarts",
                                 "%1 is not a Hijri month; write YEAR/MONTH, for example 1448/9"),
            {shown(name)});
        return false;
    }
    if (record.year == 0) {
        error = Translate("MonthStarts", "there is no Hijri year 0");
        return false;
    }
    if (record.month < 1 || record.month > 12) {
        error = FillSentence(
            Translate("MonthStarts", "Hijri month %1 does not exist; months run from 1 to 12"),
            {std::to_string(record.month)});
        return false;
    }
    return true;
}

bool parseDay(std::string_view value, HijriMonthStart &record, std::string &error)
{
    std::string_view text = value;
    YearMonthDay date;
    if (!takeNumber(text, 4, 4, '-', date.year) || !takeNumber(text, 1, 2, '-', date.month) ||
        !takeNumber(text, 1, 2, '\0', date.day)) {
        error = FillSentence(
            Translate("MonthStarts", "%1 is not a date; write YYYY-MM-DD, for example 2027-02-07"),
            {shown(value)});
        return false;
    }
    if (date.month < 1 || date.month > 12) {
        error = FillSentence(Translate("MonthStarts", "%1: there is no month %2"),
            {value, std::to_string(date.month)});
        return false;
    }
    if (date.day < 1 || ChristianOfDay(ChristianDayNumber(date)) != date) {
        error = FillSentence(Translate("MonthStarts", "%1: %2 %3 has no day %4"),
            {value, ChristianMonthShownName(date.month), std::to_string(date.year),
                std::to_string(date.day)});
        return false;
    }
    if (date.year < 1582 || (date.year == 1582 && date.month * 100 + date.day < 1015)) {
        error = FillSentence(Translate("MonthStarts",
                                 "%1: a month start is recorded by its Gregorian date, and the "
                                 "Gregorian calendar begins on 15 October 1582"),
            {value});
        return false;
    }
    if (date.year > kLastSupportedYear) {
        error = FillSentence(Translate("MonthStarts", "%1: the last supported year is %2"),
            {value, std::to_string(kLastSupportedYear)});
        return false;
    }
    record.day = ChristianDayNumber(date);
    return true;
}

} // namespace

std::string MonthStartName(const HijriMonthStart &record)
{
    return std::to_string(record.year) + "/" + std::to_string(record.month);
}

std::string MonthStartValue(const HijriMonthStart &record)
{
    const YearMonthDay date = ChristianOfDay(record.day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<HijriMonthStart> ParseMonthStart(
    std::string_view name, std::string_view value, std::string &error)
{
    HijriMonthStart record;
    if (!parseMonth(name, record, error) || !parseDay(value, record, error))
        return std::nullopt;
    return record;
}

std::optional<int> MonthStartIndex(std::string_view name)
{
    HijriMonthStart record;
    std::string error;
    if (!parseMonth(name, record, error))
        return std::nullopt;
    return record.Index();
}

std::string HijriMonthText(int monthIndex)
{
    const YearMonthDay month = HijriMonthOfIndex(monthIndex);
    return HijriMonthShownName(month.month) + " " + std::to_string(month.year);
}

std::string ChristianDayText(int dayNumber)
{
    const YearMonthDay date = ChristianOfDay(dayNumber);
    return std::to_string(date.day) + " " + ChristianMonthShownName(date.month) + " " +
        std::to_string(date.year);
}
