#include "cli/month_grid.h"

#include <cstdio>
#include <vector>

namespace {

constexpr int kCellWidth = 5; // "dd/oo"
constexpr int kGap = 2;
constexpr int kLineWidth = 7 * kCellWidth + 6 * kGap;

std::string centred(const std::string &text)
{
    const int pad = (kLineWidth - static_cast<int>(text.size())) / 2;
    return std::string(pad > 0 ? pad : 0, ' ') + text;
}

// The days of the month in order, each with its other-calendar date. Walking
// Julian day numbers skips the ten days dropped in October 1582 by itself.
std::vector<Conversion> daysOf(const CHijriCalendar &hijri, CalendarKind kind, int year, int month)
{
    std::vector<Conversion> days;
    for (int day = 1; day <= 31; ++day) {
        std::string ignored;
        const DayDate date{year, month, day};
        if (kind == CalendarKind::Christian && year == 1582 && month == 10 && day >= 5 && day <= 14)
            continue;
        if (!CheckDate(hijri, kind, date, ignored))
            break;
        days.push_back(Convert(hijri, kind, date));
    }
    return days;
}

// "(Hijri)", naming the rule unless it is the engine's own.
std::string hijriLabel(const CHijriCalendar &hijri)
{
    return hijri == CHijriCalendar() ? " (Hijri)" : " (Hijri: " + hijri.Description() + ")";
}

} // namespace

std::string FormatMonthGrid(const CHijriCalendar &hijri, CalendarKind kind, int year, int month)
{
    const std::vector<Conversion> days = daysOf(hijri, kind, year, month);
    const CalendarKind other = Other(kind);
    const DayDate &firstOther = days.front().output;
    const DayDate &lastOther = days.back().output;

    std::string out = centred(std::string(MonthName(kind, month)) + " " + std::to_string(year) +
                          (kind == CalendarKind::Hijri ? hijriLabel(hijri) : "")) +
        "\n";
    std::string span =
        std::string(MonthName(other, firstOther.month)) + " " + std::to_string(firstOther.year);
    if (lastOther.month != firstOther.month || lastOther.year != firstOther.year)
        span += " - " + std::string(MonthName(other, lastOther.month)) + " " +
            std::to_string(lastOther.year);
    out += centred(span + (other == CalendarKind::Hijri ? hijriLabel(hijri) : "")) + "\n";

    // Weekday initials over the day part of each cell.
    for (int w = 0; w < 7; ++w)
        out += (w ? std::string(kGap, ' ') : "") + " " + std::string(WeekdayName(w).substr(0, 2)) +
            (w < 6 ? "  " : "");
    out += "\n";

    const auto endLine = [&out](std::string &line) {
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        if (!line.empty())
            out += line + "\n";
        line.clear();
    };
    std::string line(days.front().weekday * (kCellWidth + kGap), ' ');
    for (const Conversion &c : days) {
        char cell[16];
        std::snprintf(cell, sizeof cell, "%2d/%-2d", c.input.day, c.output.day);
        line += cell;
        if (c.weekday == 6)
            endLine(line);
        else
            line += std::string(kGap, ' ');
    }
    endLine(line);

    // Name each month of the other calendar that begins inside this one.
    for (const Conversion &c : days)
        if (c.output.day == 1)
            out += std::string(MonthName(other, c.output.month)) + " " +
                std::to_string(c.output.year) + " begins on " +
                std::string(WeekdayName(c.weekday)) + " " + FormatLong(kind, c.input) + ".\n";
    return out;
}
