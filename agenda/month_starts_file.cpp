#include "agenda/month_starts_file.h"

#include "reminders/profile_text.h"
#include "reminders/reminder_entries.h"
#include "reminders/value_encoding.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <map>
#include <utility>

namespace {

// A problem of a line: "line 3: ..."
std::string onLine(int line, const std::string &problem)
{
    return FillSentence(Translate("MonthStarts", "line %1: %2"), {std::to_string(line), problem});
}

// "1448/9 2027-02-07" or a stray word where a record should stand.
std::string strayLine(std::string_view text)
{
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, kShown));
    for (char &c : shown)
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    return FillSentence(Translate("MonthStarts",
                            "\"%1\" is no record; write YEAR/MONTH=YYYY-MM-DD, for example "
                            "1448/9=2027-02-07"),
        {shown + (text.size() > kShown ? "..." : "")});
}

} // namespace

MonthStartsFile ReadMonthStartsText(std::string_view text, std::vector<std::string> &problems)
{
    MonthStartsFile file;
    std::map<int, std::pair<int, int>> months; // month index: its day and line
    bool inRecords = true; // before any section, and in the records' section
    CProfileLines lines(text);
    ProfileLine line;
    for (int number = 1; lines.Next(line); ++number) {
        if (line.kind == ProfileLineKind::Section)
            inRecords = ProfileNamesEqual(line.name, kHijriMonthStartsSection);
        const std::string_view content =
            TrimProfileBlanks(text.substr(line.begin, line.end - line.begin));
        if (!inRecords || line.kind == ProfileLineKind::Section ||
            line.kind == ProfileLineKind::Comment || content.empty())
            continue;
        if (line.kind == ProfileLineKind::Other) {
            problems.push_back(onLine(number, strayLine(content)));
            continue;
        }
        std::string error;
        const std::optional<HijriMonthStart> record =
            ParseMonthStart(line.name, DecodeProfileValue(line.value), error);
        if (!record) {
            problems.push_back(onLine(number, error));
            continue;
        }
        const auto [at, added] = months.try_emplace(record->Index(), record->day, number);
        if (!added && at->second.first != record->day)
            problems.push_back(onLine(number,
                FillSentence(Translate("MonthStarts", "%1 is given another day on line %2"),
                    {HijriMonthText(record->Index()), std::to_string(at->second.second)})));
        if (!added)
            continue;
        file.records.push_back(*record);
        file.lines.push_back(number);
    }
    if (file.records.empty() && problems.empty())
        problems.push_back(Translate("MonthStarts",
            "no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD under "
            "[HijriMonthStarts], for example 1448/9=2027-02-07"));
    return file;
}

std::vector<std::string> RefusedMonthStartLines(
    const MonthStartsFile &file, const CHijriCalendar &calendar)
{
    std::vector<std::string> problems;
    const CHijriCalendar recorded = calendar.WithMonthStarts(file.records);
    for (const MonthStartRefusal &refusal : recorded.RefusedMonthStarts())
        problems.push_back(onLine(file.lines[refusal.position], refusal.reason));
    return problems;
}
