// Dates as a person reads them: English as the program always wrote them,
// and in a language's own order and names once it is installed.
#include "calendar/shown_dates.h"
#include "text/display_names.h"
#include "text/translate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Turkish puts the weekday last; its months have names of their own.
std::string turkishOrder(const char *, const char *source, const char *, int)
{
    return std::string(source) == "%1 %2 %3 %4" ? "%2 %3 %4 %1" : std::string();
}

std::string turkishNames(NameKind kind, int index)
{
    if (kind == NameKind::HijriMonth && index == 9)
        return "Ramazan";
    if (kind == NameKind::ChristianMonth && index == 3)
        return "Mart";
    return kind == NameKind::Weekday && index == 5 ? "Cuma" : std::string();
}

TEST(ShownDates, EnglishAsTheProgramWritesThem)
{
    EXPECT_EQ(ShownDateText({1998, 3, 6}, false), "6 March 1998");
    EXPECT_EQ(ShownDateText({1447, 9, 27}, true), "27 Ramadhan 1447");
    EXPECT_EQ(ShownDateText({1998, 3, 6}, false, 5), "Friday 6 March 1998");
    EXPECT_EQ(ShownDateText({-1, 12, 31}, false, 5), "Friday 31 December -1");
    EXPECT_EQ(ShownMonthText(1447, 9, true), "Ramadhan 1447");
    EXPECT_EQ(ShownWeekdayName(0), "Sunday");
}

TEST(ShownDates, InALanguagesOrderAndNames)
{
    SetTranslationHook(turkishOrder);
    SetNameHook(turkishNames);
    EXPECT_EQ(ShownDateText({1998, 3, 6}, false, 5), "6 Mart 1998 Cuma");
    EXPECT_EQ(ShownDateText({1447, 9, 27}, true), "27 Ramazan 1447");
    EXPECT_EQ(ShownMonthText(1447, 10, true), "Shawwal 1447") << "a name it lacks stays English";
    SetTranslationHook(nullptr);
    SetNameHook(nullptr);
}

} // namespace
