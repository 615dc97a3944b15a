// Recorded Hijri month starts from a file, as a mosque or a community site
// may publish them: the profile's section as text,
//
//   [HijriMonthStarts]
//   ; announced by the committee
//   1448/9=2027-02-07
//   1448/10=2027-03-09
//
// with the profile's rules for lines (comments start with ";", names and
// values lose the blanks around them, a value may stand in quotes). Entries
// before any section count too, so a bare list of entries is read as well;
// the entries of other sections are not records and are skipped.
#pragma once

#include "calendar/icu/hijri_calendar.h"

#include <string>
#include <string_view>
#include <vector>

struct MonthStartsFile {
    std::vector<HijriMonthStart> records; // in the file's order
    std::vector<int> lines; // the line of each record, from 1
};

// Reads the whole text. Each line that is neither a record, a comment, a
// section nor blank, and each month given twice with different days, is a
// problem ("line 3: "1448-9" is not a Hijri month; ..."), as is a text with
// no record at all; then `problems` lists them all and the records read are
// not to be used.
MonthStartsFile ReadMonthStartsText(std::string_view text, std::vector<std::string> &problems);

// Problems of records read from a file under a calendar's rule and
// adjustment, in place of any records it holds: "line 5: Ramadhan 1448
// cannot begin on ...", one for each record the calendar would refuse.
std::vector<std::string> RefusedMonthStartLines(
    const MonthStartsFile &file, const CHijriCalendar &calendar);
