// A point in time as whole seconds since 1 January 1970 UTC, in 64 bits so
// that dates after January 2038 work, broken down in the local time zone.
#pragma once

#include "framework/cstring.h"

#include <cstdint>
#include <functional>

class CTime {
public:
    CTime() = default;
    explicit CTime(std::int64_t seconds)
        : m_seconds(seconds)
    {
    }

    // Now, from the clock that tests may replace.
    static CTime GetCurrentTime();

    std::int64_t GetTime() const { return m_seconds; }

    // Local calendar fields.
    int GetYear() const;
    int GetMonth() const; // 1..12
    int GetDay() const; // 1..31
    int GetHour() const;
    int GetMinute() const;

    // strftime of the local time in the "C" locale, so names stay English
    // whatever the user's language. A result over 127 bytes gives "".
    CString Format(const char *format) const;

    friend bool operator==(const CTime &, const CTime &) = default;

private:
    std::int64_t m_seconds = 0;
};

// The clock behind CTime::GetCurrentTime: seconds since 1970. Tests set
// their own; an empty function restores the system clock.
void SetClock(std::function<std::int64_t()> clock);
