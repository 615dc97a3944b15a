// Month and weekday names of a locale as CLDR gives them, through ICU: the
// Hijri months from the "islamic" calendar's names, the Christian months and
// the weekdays from the Gregorian calendar's. Standard library face.
#pragma once

#include "text/display_names.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct LocalMonth {
    bool hijri;
    int month; // 1..12
};

class CLocalNames {
public:
    // The names of an ICU locale id ("ar_SA", "fa"); every name empty when
    // ICU has none for it.
    explicit CLocalNames(const std::string &locale);

    // The name (text/display_names.h), or "" for an index out of range.
    const std::string &Name(NameKind kind, int index) const;

    // The month that a name given by the user stands for: a month's name of
    // either calendar, alone or as in a date, full or abbreviated, in any
    // case; nothing when it names none.
    std::optional<LocalMonth> MonthOfName(std::string_view name) const;

private:
    // Per NameKind, 12 months or 7 weekdays.
    std::array<std::vector<std::string>, 8> m_names;
};
