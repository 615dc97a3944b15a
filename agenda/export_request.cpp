#include "agenda/export_request.h"

#include "agenda/next_date.h"
#include "calendar/calendar.h"

#include <algorithm>
#include <fstream>

int ExportLastDay(int firstDay, int years)
{
    const YearMonthDay first = ChristianOfDay(firstDay);
    if (first.year + years > kLastSupportedYear)
        return LastReminderDay();
    const int year = YearAsWritten(AstronomicalYear(first.year) + years);
    return std::min(ChristianDayNumber({year, first.month, first.day}) - 1, LastReminderDay());
}

namespace {

// The zone name in a path into a zoneinfo folder ("/usr/share/zoneinfo/
// Europe/Berlin" gives "Europe/Berlin"); empty for any other path.
std::string zoneOfPath(const std::string &path)
{
    constexpr std::string_view kFolder = "zoneinfo/";
    const std::size_t at = path.rfind(kFolder);
    return at == std::string::npos ? std::string() : path.substr(at + kFolder.size());
}

bool looksLikeZoneName(const std::string &name)
{
    if (name.empty() || name.front() == '/' || name.find("..") != std::string::npos)
        return false;
    for (const char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                c == '/' || c == '_' || c == '-' || c == '+'))
            return false;
    return true;
}

} // namespace

std::string LocalTimeZoneName(const char *tzVariable, const std::filesystem::path &localtime,
    const std::filesystem::path &timezoneFile)
{
    if (tzVariable) {
        std::string tz = tzVariable;
        if (!tz.empty() && tz.front() == ':')
            tz.erase(0, 1);
        if (tz.empty())
            return "UTC"; // the C library takes an empty TZ as UTC
        if (tz.front() == '/')
            tz = zoneOfPath(tz);
        // A rule such as "CET-1CEST,M3.5.0,M10.5.0/3" names no zone.
        return looksLikeZoneName(tz) ? tz : std::string();
    }
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(localtime, error);
    if (!error) {
        if (std::string zone = zoneOfPath(target.string()); looksLikeZoneName(zone))
            return zone;
    }
    std::ifstream file(timezoneFile);
    std::string zone;
    if (file && std::getline(file, zone) && looksLikeZoneName(zone))
        return zone;
    return {};
}
