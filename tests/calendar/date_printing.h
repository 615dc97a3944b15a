// How the calendar tests print a date when an assertion fails.
#pragma once

#include "calendar/hijri_rule.h"

#include <ostream>

// Beside the type, where the test macros look for it.
inline std::ostream &operator<<(std::ostream &out, const YearMonthDay &d)
{
    return out << d.year << "-" << d.month << "-" << d.day;
}
