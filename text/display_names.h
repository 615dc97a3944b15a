// Names of months and weekdays as the user's language writes them, for what
// is shown. The program's English names (calendar/month_names.cpp) stay the
// names of stored keys and of every machine format; a program that speaks
// another language installs a hook at start (language/).
#pragma once

#include <string>
#include <string_view>

// Months 1..12, weekdays 0 = Sunday .. 6 = Saturday.
enum class NameKind {
    HijriMonth, // as a date names it: "1 Ramadhan 1448"
    ChristianMonth,
    HijriMonthAlone, // as a list of months names it
    ChristianMonthAlone,
    HijriMonthShort, // abbreviated, in a date: "1 Ram"
    ChristianMonthShort,
    Weekday, // "Sunday"
    WeekdayShort, // the head of a column of a month's grid: "Su"
};

using NameHook = std::string (*)(NameKind kind, int index);
// Set once at start; null for none.
void SetNameHook(NameHook hook);
// The hook set, for code of the program's that a module of its own carries.
NameHook CurrentNameHook();

// The name in the user's language, or `english` when there is no hook or
// texts stay untranslated (CUntranslated) or the hook has no name.
std::string DisplayName(NameKind kind, int index, std::string_view english);
