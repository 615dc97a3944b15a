// The Islamic days that people keep, as days of the Hijri calendar. The
// days themselves are one table (holy_days.cpp), so that a community can
// add, remove or rename a day there and nowhere else; each falls on the
// Hijri date the user's calendar (rule, adjustment and recorded month
// starts) gives. The Islamic day begins at sunset: a day kept on its night
// is kept from the evening of the civil day before it.
#pragma once

#include "calendar/hijri_rule.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct HolyDay {
    int month; // Hijri month 1..12
    int day; // 1..30; a day 30 is kept only in the years whose month has it
    std::string_view name; // "Eid al-Fitr", in English (HolyDayName: as it is shown)
    bool nightBefore = false; // kept on the night before it, from sunset on the day before
};

// The day's name in the user's language, as a tool tip and a list name it.
std::string HolyDayName(const HolyDay &day);

// Every day of the table, in the order of the year.
std::span<const HolyDay> HolyDays();

// The days of the table that fall on a Hijri date, in table order (a
// community may keep two on one day).
std::vector<const HolyDay *> HolyDaysOf(const YearMonthDay &hijri);

// The days of the table kept on their night that fall on a Hijri date: the
// nights that begin at sunset on the civil day before it.
std::vector<const HolyDay *> HolyNightsBefore(const YearMonthDay &hijri);
