// Where the reminders are published, as the profile keeps it: the section
// "CalendarServer" with the calendar's "URL", the "User" name and the
// "Years" of reminders published (1 to 100; missing or unreadable: 2). The
// password is never here (server_password.h).
#pragma once

#include <filesystem>
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
};

CalendarServerSettings ReadCalendarServerSettings(const CProfileSnapshot &profile);

// Writes the three entries in one locked, atomic write; false, with `error`
// saying why, when the profile could not be written.
bool WriteCalendarServerSettings(const std::filesystem::path &profile,
    const CalendarServerSettings &settings, std::string &error);
