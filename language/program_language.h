// Which of the program's languages the desktop asks for. Standard library
// only: the choice is made from the environment's values, as GNU gettext
// makes it, and the rest of the program follows it (translations.h).
#pragma once

#include <span>
#include <string>
#include <string_view>

struct ProgramLanguage {
    std::string code; // "ar", "fa", ...; empty for English, the program's own
    // The locale whose names and digits go with it, as ICU names locales:
    // "ar_SA", "ar_MA", or the bare code when the desktop names no region.
    std::string locale;
    bool rightToLeft = false; // Arabic, Urdu, Persian
    bool English() const { return code.empty(); }
};

// The languages the program is translated into, besides English.
std::span<const std::string_view> ShippedLanguages();

// The language of the desktop: the first of LANGUAGE's colon list that the
// program speaks (English included), unless the messages locale is C or
// POSIX, where LANGUAGE does not count; else the messages locale, the first
// of LC_ALL, LC_MESSAGES and LANG that is set; English when neither names a
// language the program speaks. Null stands for an unset variable.
ProgramLanguage ChooseLanguage(
    const char *language, const char *lcAll, const char *lcMessages, const char *lang);

// The same from this process's environment.
ProgramLanguage LanguageOfEnvironment();
