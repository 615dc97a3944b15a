// Where the reminders are published, as the profile keeps it: the section
// "CalendarServer" with the calendar's "URL", the "User" name and the
// "Years" of reminders published (1 to 100; missing or unreadable: 2). The
// password is never here (sync/server_password.h). The desktop program
// writes them through its profile object (session/profile_settings.h);
// zamanix-reminders publish reads them.
#pragma once

#include <string>
#include <string_view>

class CProfileSnapshot;

inline constexpr std::string_view kCalendarServerSection = "CalendarServer";
inline constexpr std::string_view kCalendarUrlEntry = "URL";
inline constexpr std::string_view kCalendarUserEntry = "User";
inline constexpr std::string_view kCalendarYearsEntry = "Years";
inline constexpr int kDefaultPublishYears = 2;
inline constexpr int kMaxPublishYears = 100;

struct CalendarServerSettings {
    std::string url; // empty: publishing is not set up
    std::string user;
    int years = kDefaultPublishYears;

    bool operator==(const CalendarServerSettings &) const = default;
};

CalendarServerSettings ReadCalendarServerSettings(const CProfileSnapshot &profile);
