#include "cli/reminder_table.h"

#include "agenda/kind_key.h"
#include "agenda/sentence.h"
#include "cli/date_text.h"
#include "cli/terminal_text.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::string_view kOneDayNotice = "%1, a day's notice";
constexpr std::string_view kDaysNotice = "%1, %2 days' notice";
constexpr std::string_view kPastText = "(past: its day has gone by)";

// Text for a terminal: line breaks as " / ", what a terminal must not get
// escaped.
std::string shownText(std::string_view text)
{
    std::string out;
    while (!text.empty()) {
        if (text.front() != '\r' && text.front() != '\n') {
            text.remove_prefix(AppendTerminalCharacter(out, text));
            continue;
        }
        text.remove_prefix(text.starts_with("\r\n") ? 2 : 1);
        out += " / ";
    }
    return out;
}

// A field of tab-separated values: nothing in it splits a field or a line,
// and what a terminal must not get is escaped.
std::string tsvField(std::string_view text)
{
    constexpr std::pair<char, std::string_view> kEscapes[] = {
        {'\\', "\\\\"}, {'\t', "\\t"}, {'\n', "\\n"}, {'\r', "\\r"}};
    std::string out;
    while (!text.empty()) {
        const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
            [&](const auto &e) { return e.first == text.front(); });
        if (escape == std::end(kEscapes)) {
            text.remove_prefix(AppendTerminalCharacter(out, text));
            continue;
        }
        out += escape->second;
        text.remove_prefix(1);
    }
    return out;
}

// Characters on a terminal: UTF-8 continuation bytes take no column.
std::size_t columns(std::string_view text)
{
    return std::count_if(text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

// "weekly", or with notice "weekly, 3 days' notice".
std::string kindText(const ReminderRow &row)
{
    std::string kind(KindWord(row.parsed.kind));
    if (row.notice == 1)
        return FillSentence(kOneDayNotice, {kind});
    if (row.notice > 1)
        return FillSentence(kDaysNotice, {kind, std::to_string(row.notice)});
    return kind;
}

std::vector<std::string> textCells(const ReminderRow &row)
{
    const bool dated = row.day.has_value();
    std::string memo = shownText(row.memo);
    if (!dated)
        memo += (memo.empty() ? "" : "  ") + std::string("(never falls due: ") +
            shownText(row.problem) + ")";
    else if (row.past)
        memo += (memo.empty() ? "" : "  ") + std::string(kPastText);
    const std::string_view calendar = CalendarNameOf(row.parsed);
    return {dated ? FormatIso(row.christian) : "-",
        dated ? std::string(WeekdayName(row.weekday).substr(0, 3)) : "-",
        dated ? FormatIso(row.hijri) : "-", dated ? std::to_string(row.daysUntil) : "-",
        RingTimeText(row), std::to_string(row.alarm.every),
        calendar.empty() ? "-" : std::string(calendar), kindText(row), shownText(row.key), memo};
}

// The columns of the releases before the other kinds, then the kind and
// the notice, so that a script that counts columns reads what it read.
std::vector<std::string> tsvCells(const ReminderRow &row)
{
    const bool dated = row.day.has_value();
    return {tsvField(row.key), std::string(CalendarNameOf(row.parsed)), tsvField(row.memo),
        row.ringsAt ? RingTimeText(row) : "", std::to_string(row.alarm.every),
        dated ? FormatIso(row.christian) : "", dated ? std::string(WeekdayName(row.weekday)) : "",
        dated ? FormatIso(row.hijri) : "", dated ? std::to_string(row.daysUntil) : "",
        tsvField(row.problem), std::string(KindWord(row.parsed.kind)), std::to_string(row.notice)};
}

std::string textTable(const std::vector<ReminderRow> &rows)
{
    std::vector<std::vector<std::string>> lines = {
        {"DATE", "DAY", "HIJRI", "IN", "ALARM", "EVERY", "CALENDAR", "KIND", "KEY", "MEMO"}};
    for (const ReminderRow &row : rows)
        lines.push_back(textCells(row));
    // Numbers right-aligned, the rest left; the memo, last, is not padded.
    const bool right[] = {false, false, false, true, false, true, false, false, false, false};
    std::vector<std::size_t> widths(lines.front().size(), 0);
    for (const auto &line : lines)
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], columns(line[i]));
    std::string out;
    for (const auto &line : lines) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const std::string pad(widths[i] - columns(line[i]), ' ');
            const bool last = i + 1 == line.size();
            text += right[i] ? pad + line[i] : last ? line[i] : line[i] + pad;
            if (!last)
                text += "  ";
        }
        out += text + "\n";
    }
    return out;
}

} // namespace

std::string_view CalendarNameOf(const ParsedReminderKey &key)
{
    if (key.kind == ReminderKind::Weekly)
        return "";
    if (!key.calendar)
        return "-";
    return *key.calendar == ReminderCalendar::Hijri ? "Hijri" : "Christian";
}

std::string RingTimeText(const ReminderRow &row)
{
    if (!row.ringsAt)
        return "never";
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d", *row.ringsAt / 60, *row.ringsAt % 60);
    return time;
}

std::string FormatReminderTable(const std::vector<ReminderRow> &rows, TableFormat format)
{
    if (format == TableFormat::Text)
        return textTable(rows);
    std::string out =
        "key\tcalendar\tmemo\talarm\tevery\tdate\tweekday\thijri\tdays\tproblem\tkind\tnotice\n";
    for (const ReminderRow &row : rows) {
        const std::vector<std::string> cells = tsvCells(row);
        for (std::size_t i = 0; i < cells.size(); ++i)
            out += cells[i] + (i + 1 < cells.size() ? "\t" : "\n");
    }
    return out;
}
