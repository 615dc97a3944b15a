// CLDR's names of months and weekdays through ICU, the locale's digits, and
// the translations built into the program.
#include "language/local_names.h"
#include "language/locale_digits.h"
#include "language/translations.h"
#include "text/display_names.h"
#include "text/translate.h"

#include <gtest/gtest.h>

namespace {

TEST(LocalNames, TheHijriAndChristianMonthsAndWeekdaysOfALocale)
{
    const struct {
        const char *locale;
        NameKind kind;
        int index;
        const char *name;
    } cases[] = {
        {"ar_SA", NameKind::HijriMonth, 9, "رمضان"},
        {"ar_SA", NameKind::HijriMonth, 12, "ذو الحجة"},
        {"ar_SA", NameKind::ChristianMonth, 3, "مارس"},
        {"ar_SA", NameKind::Weekday, 5, "الجمعة"},
        {"ar_MA", NameKind::ChristianMonth, 8, "غشت"},
        {"fa_IR", NameKind::HijriMonth, 9, "رمضان"},
        {"fa_IR", NameKind::HijriMonth, 3, "ربیع‌الاول"},
        {"fa_IR", NameKind::ChristianMonth, 1, "ژانویهٔ"}, // in a date, with its ezafe
        {"fa_IR", NameKind::ChristianMonthAlone, 1, "ژانویه"},
        {"tr_TR", NameKind::HijriMonth, 9, "Ramazan"},
        {"tr_TR", NameKind::HijriMonth, 10, "Şevval"},
        {"tr_TR", NameKind::ChristianMonth, 2, "Şubat"},
        {"tr_TR", NameKind::Weekday, 0, "Pazar"},
        {"ur_PK", NameKind::HijriMonth, 3, "ربیع الاول"}, // CLDR's stray space mended
        {"ur_PK", NameKind::HijriMonthAlone, 4, "ربیع الثانی"},
        {"ms_MY", NameKind::HijriMonth, 8, "Syaaban"},
        {"id_ID", NameKind::HijriMonth, 12, "Zulhijah"},
        {"fr_FR", NameKind::HijriMonth, 1, "mouharram"},
        {"fr_FR", NameKind::WeekdayShort, 1, "lu"},
        {"ar_SA", NameKind::HijriMonth, 13, ""},
        {"ar_SA", NameKind::Weekday, 7, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.name);
        EXPECT_EQ(CLocalNames(c.locale).Name(c.kind, c.index), c.name);
    }
}

TEST(LocalNames, AMonthIsFoundByAnyOfItsNames)
{
    const struct {
        const char *locale, *typed;
        std::optional<LocalMonth> month;
    } cases[] = {
        {"ar_SA", "رمضان", LocalMonth{true, 9}},
        {"ar_SA", " ذو الحجة ", LocalMonth{true, 12}},
        {"ar_SA", "مارس", LocalMonth{false, 3}},
        {"tr_TR", "şevval", LocalMonth{true, 10}},
        {"tr_TR", "MART", LocalMonth{false, 3}},
        {"tr_TR", "Ram.", LocalMonth{true, 9}},
        {"fa_IR", "ژانویه", LocalMonth{false, 1}},
        {"fa_IR", "ژانویهٔ", LocalMonth{false, 1}},
        {"fr_FR", "Ramadan", LocalMonth{true, 9}},
        {"ar_SA", "Ramadhan", std::nullopt}, // the English names are read elsewhere
        {"ar_SA", "", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.typed);
        const std::optional<LocalMonth> found = CLocalNames(c.locale).MonthOfName(c.typed);
        ASSERT_EQ(found.has_value(), c.month.has_value());
        if (found) {
            EXPECT_EQ(found->hijri, c.month->hijri);
            EXPECT_EQ(found->month, c.month->month);
        }
    }
}

TEST(LocaleDigits, EachLocaleWritesItsOwnDigits)
{
    const struct {
        const char *locale;
        char32_t zero;
        const char *year;
    } cases[] = {
        {"ar_SA", U'\u0660', "١٤٤٨"},
        {"ar", U'\u0660', "١٤٤٨"},
        {"fa_IR", U'\u06f0', "۱۴۴۸"},
        {"ar_MA", U'0', "1448"},
        {"ur_PK", U'0', "1448"},
        {"tr_TR", U'0', "1448"},
        {"fr_FR", U'0', "1448"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(LocaleZeroDigit(c.locale), c.zero);
        EXPECT_EQ(WithDigitsFrom("1448", c.zero), c.year) << "no group separator";
        EXPECT_EQ(WithWesternDigits(c.year), "1448");
    }
    EXPECT_EQ(WithDigitsFrom("27 Ramadhan 1447, 08:05", U'\u0660'), "٢٧ Ramadhan ١٤٤٧, ٠٨:٠٥");
    EXPECT_EQ(WithWesternDigits("رمضان/٢٧ ۰۵ १२"), "رمضان/27 05 12") << "any script's digits";
}

TEST(Translations, ArabicIsBuiltInAndEnglishStaysAsWritten)
{
    // The program's texts and names speak Arabic once it is installed,
    // and stay English where the program writes for other programs.
    ASSERT_TRUE(InstallLanguage(ChooseLanguage(nullptr, nullptr, nullptr, "ar_SA.UTF-8")));
    EXPECT_EQ(InstalledLanguage().locale, "ar_SA");
    ASSERT_NE(InstalledNames(), nullptr);
    EXPECT_EQ(Translate("Files", "no profile file was named"), "لم يُحدَّد ملف إعدادات");
    EXPECT_EQ(TranslateCount("MonthStarts", "%n days", "%n day", 2), "يومان");
    EXPECT_EQ(TranslateCount("MonthStarts", "%n days", "%n day", 5), "5 أيام");
    EXPECT_EQ(TranslateCount("MonthStarts", "%n days", "%n day", 12), "12 يومًا");
    // A notice's count takes the form its number asks for.
    EXPECT_EQ(TranslateCount("Reminders", "In %n days", "In %n day", 2), "بعد يومين");
    EXPECT_EQ(TranslateCount("Reminders", "In %n days", "In %n day", 12), "بعد 12 يومًا");
    EXPECT_EQ(DisplayName(NameKind::HijriMonth, 9, "Ramadhan"), "رمضان");
    const CUntranslated english;
    EXPECT_EQ(Translate("Files", "no profile file was named"), "no profile file was named");
    EXPECT_EQ(DisplayName(NameKind::HijriMonth, 9, "Ramadhan"), "Ramadhan");
}

} // namespace
