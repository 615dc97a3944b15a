// Which language the program speaks, from the desktop's variables as GNU
// gettext reads them, and what goes with it.
#include "language/program_language.h"

#include <gtest/gtest.h>

namespace {

TEST(ChooseLanguage, FollowsTheDesktopAsGettextDoes)
{
    const struct {
        const char *name;
        const char *language, *lcAll, *lcMessages, *lang;
        const char *code, *locale;
        bool rightToLeft;
    } cases[] = {
        {"nothing set: English", nullptr, nullptr, nullptr, nullptr, "", "", false},
        {"LANG alone", nullptr, nullptr, nullptr, "ar_SA.UTF-8", "ar", "ar_SA", true},
        {"the region of Morocco", nullptr, nullptr, nullptr, "ar_MA.UTF-8", "ar", "ar_MA", true},
        {"Persian", nullptr, nullptr, nullptr, "fa_IR.UTF-8", "fa", "fa_IR", true},
        {"Urdu", nullptr, nullptr, nullptr, "ur_PK.UTF-8", "ur", "ur_PK", true},
        {"Turkish", nullptr, nullptr, nullptr, "tr_TR.UTF-8", "tr", "tr_TR", false},
        {"a modifier says nothing", nullptr, nullptr, nullptr, "fr_FR.UTF-8@euro", "fr", "fr_FR",
            false},
        {"no region", nullptr, nullptr, nullptr, "ms", "ms", "ms", false},
        {"LC_MESSAGES before LANG", nullptr, nullptr, "id_ID.UTF-8", "fr_FR.UTF-8", "id", "id_ID",
            false},
        {"LC_ALL before both", nullptr, "tr_TR.UTF-8", "id_ID.UTF-8", "fr_FR.UTF-8", "tr", "tr_TR",
            false},
        {"an empty LC_ALL counts as unset", nullptr, "", nullptr, "fa_IR.UTF-8", "fa", "fa_IR",
            true},
        {"a language not shipped: English", nullptr, nullptr, nullptr, "de_DE.UTF-8", "", "",
            false},
        {"LANGUAGE before the locale", "fr:ar", nullptr, nullptr, "ar_SA.UTF-8", "fr", "fr", false},
        {"LANGUAGE skips what is not shipped", "de:nl:ur_IN", nullptr, nullptr, "de_DE.UTF-8", "ur",
            "ur_IN", true},
        {"English in LANGUAGE is a choice too", "en_GB:ar", nullptr, nullptr, "ar_SA.UTF-8", "", "",
            false},
        {"LANGUAGE without a region takes the locale's", "ar", nullptr, nullptr, "ar_MA.UTF-8",
            "ar", "ar_MA", true},
        {"LANGUAGE does not count in the C locale", "ar", "C", nullptr, "ar_SA.UTF-8", "", "",
            false},
        {"nor in C.UTF-8", "fa", nullptr, nullptr, "C.UTF-8", "", "", false},
        {"nor in POSIX", "fa", "POSIX", nullptr, nullptr, "", "", false},
        {"nothing of LANGUAGE shipped: the locale", "de:es", nullptr, nullptr, "tr_TR.UTF-8", "tr",
            "tr_TR", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramLanguage chosen = ChooseLanguage(c.language, c.lcAll, c.lcMessages, c.lang);
        EXPECT_EQ(chosen.code, c.code);
        EXPECT_EQ(chosen.locale, c.locale);
        EXPECT_EQ(chosen.rightToLeft, c.rightToLeft);
        EXPECT_EQ(chosen.English(), std::string(c.code).empty());
    }
}

} // namespace
