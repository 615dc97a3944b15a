#include "cli/clock_override.h"

#include "calendar/hijri_rule.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace {

// Days from 1 January 1970 to a day of the proleptic Gregorian calendar,
// the year counted astronomically (year 0 is 1 BC), as the C library's
// local time counts them; Howard Hinnant's days_from_civil.
constexpr long long daysFromCivil(long long year, int month, int day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400; // 0..399
    const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr long long kSecondsPerDay = 86400;
// The clock a test may set: a day inside the supported years at each end,
// so that the local date in any time zone lies in them too.
constexpr long long kEarliest = daysFromCivil(kFirstSupportedYear + 1, 1, 2) * kSecondsPerDay;
constexpr long long kLatest = daysFromCivil(kLastSupportedYear, 12, 31) * kSecondsPerDay - 1;
static_assert(daysFromCivil(1970, 1, 1) == 0 && daysFromCivil(2000, 3, 1) == 11017);

} // namespace

bool ReadClock(const char *variable, std::time_t &now)
{
    const char *given = std::getenv(variable);
    if (!given) {
        now = std::time(nullptr);
        return true;
    }
    const std::string_view text = given;
    long long seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return false;
    now = static_cast<std::time_t>(std::clamp(seconds, kEarliest, kLatest));
    return true;
}
