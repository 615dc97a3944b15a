#include "text/sentence.h"

#include <vector>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The argument a placeholder at `at` (just after its "%") names, and the
// digits it takes; 0 digits when it names none.
std::size_t placeholderAt(
    std::string_view pattern, std::size_t at, std::size_t count, std::size_t &digits)
{
    digits = 0;
    if (at >= pattern.size() || !isDigit(pattern[at]) || pattern[at] == '0')
        return 0;
    std::size_t number = static_cast<std::size_t>(pattern[at] - '0');
    digits = 1;
    if (at + 1 < pattern.size() && isDigit(pattern[at + 1])) {
        const std::size_t two = number * 10 + static_cast<std::size_t>(pattern[at + 1] - '0');
        if (two <= count) {
            number = two;
            digits = 2;
        }
    }
    if (number > count)
        digits = 0;
    return number;
}

} // namespace

std::string FillSentence(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        std::size_t digits = 0;
        const std::size_t number =
            pattern[i] == '%' ? placeholderAt(pattern, i + 1, values.size(), digits) : 0;
        if (digits == 0) {
            text += pattern[i];
            continue;
        }
        text += values[number - 1];
        i += digits;
    }
    return text;
}
