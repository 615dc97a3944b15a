// The month names a user may type: the tables' spellings and the common
// transliterations of the Hijri months, each kept as its table spells it;
// and the nearest names for one that is none of them.
#include "agenda/month_spelling.h"

#include "agenda/reminder_key.h"

#include <gtest/gtest.h>

namespace {

TEST(MonthSpelling, TransliterationsAreKeptAsTheTableSpellsThem)
{
    const struct {
        const char *typed;
        const char *key; // as stored
    } cases[] = {
        {"Ramadan/1", "Ramadhan/1"},
        {"RAMAZAN/27", "Ramadhan/27"},
        {"Ramzan/05", "Ramadhan/05"},
        {"Rama\u1e0d\u0101n/3", "Ramadhan/3"},
        {"Dhul Hijjah/10", "Thul Hijjah/10"},
        {"Dhu al-Hijjah/9", "Thul Hijjah/9"},
        {"Dhu'l-Hijja/9", "Thul Hijjah/9"},
        {"Zul Hijjah/1", "Thul Hijjah/1"},
        {"Dhu al-Qa'dah/1", "Thul Qi'dah/1"},
        {"Dhul Qi'dah/2", "Thul Qi'dah/2"},
        {"Rabi al-Awwal/12", "Rabi'ul Awwal/12"},
        {"Rabiul Awwal/12", "Rabi'ul Awwal/12"},
        {"Rabi' al-Awwal/12", "Rabi'ul Awwal/12"},
        {"Rabi I/12", "Rabi'ul Awwal/12"},
        {"Rabi II/1", "Rabi'ul Thani/1"},
        {"Rabi al-Akhir/1", "Rabi'ul Thani/1"},
        {"Jumada al-Ula/1", "Jumada al-awwal/1"},
        {"Jumada I/1", "Jumada al-awwal/1"},
        {"Jumada al-Akhirah/1", "Jumada al-Thani/1"},
        {"Jumada II/1", "Jumada al-Thani/1"},
        {"Sha\u2019ban/15", "Sha'ban/15"},
        {"Shaaban/15", "Sha'ban/15"},
        {"Shawal/1", "Shawwal/1"},
        {"Moharram/10", "Muharram/10"},
        {"Safar/1", "Safar/1"},
        {"Rajab/27", "Rajab/27"},
        {"march/06", "March/06"},
        {"Ramadhan/31", "Ramadhan/31"}, // the day is the key's own concern
        {"Ramadam/1", "Ramadam/1"}, // no spelling of a month: kept
        {"Mar/6", "Mar/6"},
        {"Ramadan", "Ramadan"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(TypedReminderKey(c.typed), c.key);
    }
}

// Every spelling names one month only, and no stored key changes meaning:
// the keys the due check reads are found as before.
TEST(MonthSpelling, EachNameIsOneMonth)
{
    for (int month = 1; month <= 12; ++month)
        for (const ReminderCalendar calendar :
            {ReminderCalendar::Hijri, ReminderCalendar::Christian}) {
            const std::string &name = ReminderMonthName(calendar, month);
            SCOPED_TRACE(name);
            EXPECT_EQ(FindMonthSpelling(name), std::pair(calendar, month));
        }
    EXPECT_FALSE(ParseReminderKey("Ramadan/1").calendar) << "a stored key keeps its meaning";
}

TEST(MonthSpelling, AnUnknownNameGetsTheNearest)
{
    const struct {
        const char *typed;
        std::vector<std::string> nearest;
        const char *hint;
    } cases[] = {
        {"Ramadam", {"Ramadhan"}, "; did you mean Ramadhan?"},
        {"Shewwal", {"Shawwal"}, "; did you mean Shawwal?"},
        {"Rabi", {"Rabi'ul Awwal", "Rabi'ul Thani"},
            "; did you mean Rabi'ul Awwal or Rabi'ul Thani?"},
        {"Dhul", {"Thul Qi'dah", "Thul Hijjah"}, "; did you mean Thul Qi'dah or Thul Hijjah?"},
        {"Mar", {"March", "May"}, "; did you mean March or May?"},
        {"Septmber", {"September"}, "; did you mean September?"},
        {"Xyz", {},
            "; the Hijri months are Muharram, Safar, Rabi'ul Awwal, Rabi'ul Thani, Jumada "
            "al-awwal, Jumada al-Thani, Rajab, Sha'ban, Ramadhan, Shawwal, Thul Qi'dah or Thul "
            "Hijjah, the Christian ones January to December"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(NearestMonthNames(c.typed), c.nearest);
        EXPECT_EQ(MonthNameHint(c.typed), c.hint);
    }
}

} // namespace
