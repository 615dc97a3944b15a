#include "cli/clock_override.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

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
    now = static_cast<std::time_t>(seconds);
    return true;
}
