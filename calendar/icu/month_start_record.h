// A recorded month start: "Hijri month M of year Y began on Christian date
// D", as a community announces it. The profile keeps each as an entry of its
// own, "YEAR/MONTH=YYYY-MM-DD" ("1448/9=2027-02-07": Hijri year and month
// 1 to 12, then the first day as a Gregorian date in ISO 8601 form). The
// Hijri calendar with records (hijri_calendar.h) says which records it keeps
// and why it refuses one.
#pragma once

#include "calendar/hijri_rule.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct HijriMonthStart {
    int year = 0; // Hijri, from 1
    int month = 0; // 1..12
    int day = 0; // day number of the month's first day

    int Index() const { return HijriMonthIndex(year, month); }
    friend bool operator==(const HijriMonthStart &, const HijriMonthStart &) = default;
};

// A record that a calendar does not keep, and why, in a sentence that names
// the month ("Ramadhan 1448 cannot begin on 10 February 2027: ...").
// `position` is the record's place in the list the calendar was given.
struct MonthStartRefusal {
    std::size_t position = 0;
    HijriMonthStart record;
    std::string reason;
};

// The entry's name and value: "1448/9" and "2027-02-07".
std::string MonthStartName(const HijriMonthStart &record);
std::string MonthStartValue(const HijriMonthStart &record);

// A record from an entry's name and value, as the profile reads them
// (without the blanks around them). The
// year has 1 to 4 digits, the month 1 or 2; the date is YYYY-MM-DD (month
// and day of 1 or 2 digits) and a Gregorian date that exists, from
// 15 October 1582, the first Gregorian day, to the end of the supported
// years. Nothing when the text says no such record; `error` then says what
// is wrong with it.
std::optional<HijriMonthStart> ParseMonthStart(
    std::string_view name, std::string_view value, std::string &error);

// The month an entry's name names (its index); nothing when it names none.
std::optional<int> MonthStartIndex(std::string_view name);

// "Ramadhan 1448": a month by its index, for a message (the month's name in
// the user's language).
std::string HijriMonthText(int monthIndex);
// "7 February 2027": a civil day by its day number, for a message.
std::string ChristianDayText(int dayNumber);
