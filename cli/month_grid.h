// A month laid out by weeks like cal(1), each day beside its day in the
// other calendar.
#pragma once

#include "cli/date_text.h"

#include <string>

// The month must have passed CheckYearMonth.
std::string FormatMonthGrid(CalendarKind kind, int year, int month);
