#include "language/program_language.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

constexpr std::string_view kShipped[] = {"ar", "ur", "fa", "tr", "ms", "id", "fr"};
constexpr std::string_view kRightToLeft[] = {"ar", "ur", "fa"};

struct LocaleName {
    std::string language; // "ar"
    std::string region; // "SA", or empty
};

// "ar_SA.UTF-8@modifier": the language and the region; the encoding and the
// modifier say nothing of either.
LocaleName splitLocale(std::string_view name)
{
    name = name.substr(0, std::min(name.find('.'), name.find('@')));
    const std::size_t underscore = name.find('_');
    return {std::string(name.substr(0, underscore)),
        underscore == std::string_view::npos ? std::string()
                                             : std::string(name.substr(underscore + 1))};
}

bool isCLocale(std::string_view name)
{
    return name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.");
}

bool shipped(std::string_view code)
{
    return std::ranges::find(kShipped, code) != std::end(kShipped);
}

// The language of a name the program speaks: a shipped one, or English as
// an empty code; nothing for any other.
std::optional<std::string> spoken(const LocaleName &name)
{
    if (name.language == "en")
        return std::string();
    if (shipped(name.language))
        return name.language;
    return std::nullopt;
}

ProgramLanguage languageOf(
    const std::string &code, const LocaleName &chosen, const LocaleName &messages)
{
    ProgramLanguage result;
    if (code.empty())
        return result;
    result.code = code;
    // The region of the entry chosen, or else of the messages locale when
    // that names the same language: LANGUAGE=ar with LANG=ar_MA.UTF-8 is
    // Arabic of Morocco, with its Western digits.
    const std::string &region = !chosen.region.empty() ? chosen.region
        : messages.language == code                    ? messages.region
                                                       : chosen.region;
    result.locale = region.empty() ? code : code + "_" + region;
    result.rightToLeft = std::ranges::find(kRightToLeft, code) != std::end(kRightToLeft);
    return result;
}

const char *firstSet(std::initializer_list<const char *> values)
{
    for (const char *value : values)
        if (value && *value)
            return value;
    return "";
}

} // namespace

std::span<const std::string_view> ShippedLanguages()
{
    return kShipped;
}

ProgramLanguage ChooseLanguage(
    const char *language, const char *lcAll, const char *lcMessages, const char *lang)
{
    const std::string_view messagesName = firstSet({lcAll, lcMessages, lang});
    const LocaleName messages = splitLocale(messagesName);
    if (!isCLocale(messagesName) && language) {
        std::string_view list = language;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            const LocaleName entry = splitLocale(list.substr(0, colon));
            if (const std::optional<std::string> code = spoken(entry))
                return languageOf(*code, entry, messages);
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
    }
    const std::optional<std::string> code = spoken(messages);
    return languageOf(code.value_or(std::string()), messages, messages);
}

ProgramLanguage LanguageOfEnvironment()
{
    return ChooseLanguage(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
        std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}
