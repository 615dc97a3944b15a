// The profile object without a window: what it tells of a change of the
// file (which settings, which reminder keys), what it writes for a setting,
// a setting that could not be written holding, and the news of the clock.
#include "session/zamanix_profile.h"

#include "reminders/reminder_entries.h"
#include "tests/reminders/temp_folder.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ZamanixProfileTest : public testing::Test {
protected:
    // Writes to the file until m_bWritable says no more.
    CZamanixProfile::Writer FailingWriter()
    {
        return [this](std::span<const ProfileChange> changes, std::string &error) {
            return m_bWritable ? WriteProfileEntries(m_file, changes, error)
                               : (error = "the disk is full", false);
        };
    }

    CTempFolder m_folder;
    std::filesystem::path m_file = m_folder / "zamanix.INI";
    bool m_bWritable = true;
};

TEST_F(ZamanixProfileTest, AChangeOfTheFileIsToldAsTheSettingsAndKeysItChanged)
{
    const std::string before = "[Reminder]\nMarch/06=Dentist\nRamadhan/27=Visit\n[Alarm]\n"
                               "Ramadhan/27=07:30 15\n[Defaults]\nAudio=ON\n";
    const struct {
        const char *name;
        std::string after;
        unsigned settings;
        QStringList keys;
    } cases[] = {
        {"nothing but a comment", before + "; mine\n", 0, {}},
        {"a memo changed",
            "[Reminder]\nMarch/06=Doctor\nRamadhan/27=Visit\n[Alarm]\n"
            "Ramadhan/27=07:30 15\n[Defaults]\nAudio=ON\n",
            0, {"March/06"}},
        {"an alarm changed and a reminder added",
            "[Reminder]\nMarch/06=Dentist\nRamadhan/27=Visit\nRajab/1=Rent\n[Alarm]\n"
            "Ramadhan/27=07:45 15\n[Defaults]\nAudio=ON\n",
            0, {"Rajab/1", "Ramadhan/27"}},
        {"a name spelled otherwise is the same key",
            "[Reminder]\nmarch/06=Dentist\nRamadhan/27=Visit\n[Alarm]\nRamadhan/27=07:30 15\n"
            "[Defaults]\nAudio=ON\n",
            0, {}},
        {"the sound and the calendar",
            "[Reminder]\nMarch/06=Dentist\nRamadhan/27=Visit\n[Alarm]\nRamadhan/27=07:30 15\n"
            "[Defaults]\nAudio=OFF\nHijriCalendar=civil\nMonthPanel=ON\n",
            kSoundSetting | kHijriCalendarSetting | kMonthPanelSetting, {}},
        {"an unreadable value is the default", before + "HijriCalendar=lunar\n", 0, {}},
        {"a month start recorded by another copy",
            before + "[HijriMonthStarts]\n1447/9=2026-02-20\n", kHijriCalendarSetting, {}},
        {"a month start that the calendar ignores",
            before + "[HijriMonthStarts]\n1447/13=2026-02-20\n", kHijriCalendarSetting, {}},
        {"the question about the new moon", before + "AskNewMoon=ON\nNewMoonTime=19:30\n",
            kAskNewMoonSetting | kNewMoonTimeSetting, {}},
        {"an unreadable time is the default", before + "NewMoonTime=dusk\n", 0, {}},
        {"reminders of the other kinds, and a notice",
            before +
                "[MoreReminders]\nFriday=Prayer\n"
                "[MoreAlarms]\nHijri/13=05:00 15\n[Notice]\nMarch/06=2\n",
            0, {"Friday", "Hijri/13", "March/06"}},
        {"the calendar server", before + "[CalendarServer]\nURL=https://dav.example.org/a/\n",
            kCalendarServerSetting, {}},
        {"its years, unreadable, are the default", before + "[CalendarServer]\nYears=two\n", 0, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(m_file, before);
        CZamanixProfile profile(m_file);
        QSignalSpy settings(&profile, &CZamanixProfile::settingsChanged);
        QSignalSpy reminders(&profile, &CZamanixProfile::remindersChanged);
        WriteBytes(m_file, c.after);
        profile.Refresh();
        ASSERT_EQ(settings.count(), c.settings ? 1 : 0);
        if (c.settings) {
            EXPECT_EQ(settings.at(0).at(0).toUInt(), c.settings);
        }
        ASSERT_EQ(reminders.count(), c.keys.isEmpty() ? 0 : 1);
        if (!c.keys.isEmpty()) {
            EXPECT_EQ(reminders.at(0).at(0).toStringList(), c.keys);
        }
    }
}

TEST_F(ZamanixProfileTest, ASettingIsWrittenOnlyWhenTheProfileSaysOtherwise)
{
    const struct {
        const char *name;
        const char *stored;
        std::function<bool(CZamanixProfile &, std::string &)> set;
        const char *after;
    } cases[] = {
        {"the default is not written", "",
            [](CZamanixProfile &p, std::string &e) { return p.SetMonthPanel(false, e); }, ""},
        {"a change is", "",
            [](CZamanixProfile &p, std::string &e) { return p.SetHolyDays(false, e); },
            "[Defaults]\nHolyDays=OFF\n"},
        {"only the entry of the calendar that changed", "[Defaults]\nHijriAdjust=1\n",
            [](CZamanixProfile &p, std::string &e) {
                return p.SetHijriCalendar({HijriRule::UmmAlQura, 1}, e);
            },
            "[Defaults]\nHijriAdjust=1\nHijriCalendar=umalqura\n"},
        {"an unreadable value read as the one wanted stays", "[Defaults]\nHijriCalendar=lunar\n",
            [](CZamanixProfile &p, std::string &e) { return p.SetHijriCalendar({}, e); },
            "[Defaults]\nHijriCalendar=lunar\n"},
        {"the side", "",
            [](CZamanixProfile &p, std::string &e) { return p.SetMonthPanelSide("left", e); },
            "[Defaults]\nMonthPanelSide=left\n"},
        {"the question about the new moon", "",
            [](CZamanixProfile &p, std::string &e) { return p.SetAskNewMoon(true, e); },
            "[Defaults]\nAskNewMoon=ON\n"},
        {"its time", "",
            [](CZamanixProfile &p, std::string &e) { return p.SetNewMoonTime(19 * 60 + 5, e); },
            "[Defaults]\nNewMoonTime=19:05\n"},
        {"its default time is not written", "",
            [](CZamanixProfile &p, std::string &e) { return p.SetNewMoonTime(18 * 60, e); }, ""},
        {"the calendar server in its own section, the default years unwritten", "",
            [](CZamanixProfile &p, std::string &e) {
                return p.SetCalendarServer({"https://dav.example.org/a/", "anna", 2}, e);
            },
            "[CalendarServer]\nURL=https://dav.example.org/a/\nUser=anna\n"},
        {"only its entry that changed",
            "[CalendarServer]\nURL=https://dav.example.org/a/\nUser=anna\nYears=2\n",
            [](CZamanixProfile &p, std::string &e) {
                return p.SetCalendarServer({"https://dav.example.org/a/", "anna", 5}, e);
            },
            "[CalendarServer]\nURL=https://dav.example.org/a/\nUser=anna\nYears=5\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(m_file, c.stored);
        CZamanixProfile profile(m_file);
        std::string error;
        EXPECT_TRUE(c.set(profile, error)) << error;
        EXPECT_EQ(ReadBytes(m_file), c.after);
    }
}

TEST_F(ZamanixProfileTest, ASettingThatCouldNotBeWrittenHoldsAndIsTold)
{
    WriteBytes(m_file, "[Defaults]\nAudio=ON\n");
    CZamanixProfile profile(m_file, FailingWriter());
    QSignalSpy settings(&profile, &CZamanixProfile::settingsChanged);
    m_bWritable = false;
    std::string error;
    EXPECT_FALSE(profile.SetSound(false, error));
    EXPECT_EQ(error, "the disk is full");
    EXPECT_FALSE(profile.Settings().sound) << "it holds until the program ends";
    ASSERT_EQ(settings.count(), 1);
    EXPECT_EQ(settings.at(0).at(0).toUInt(), unsigned(kSoundSetting));
    // Another program's change of the file does not take it back.
    WriteBytes(m_file, "[Defaults]\nAudio=ON\nHolyDays=OFF\n");
    profile.Refresh();
    EXPECT_FALSE(profile.Settings().sound);
    EXPECT_FALSE(profile.Settings().holyDays);
}

// A month start recorded, refused, removed and imported here: each told at
// once, as a change of the Hijri calendar, and a calendar setting that
// could not be saved keeps the month starts another copy records.
TEST_F(ZamanixProfileTest, MonthStartsAreWrittenHereOrRefusedWithTheReason)
{
    WriteBytes(m_file, "[HijriMonthStarts]\n1447/09=2026-02-19\n1447/13=2026-02-19\n");
    CZamanixProfile profile(m_file, FailingWriter());
    QSignalSpy settings(&profile, &CZamanixProfile::settingsChanged);
    std::string error;
    const int february20 = ChristianDayNumber({2026, 2, 20});
    ASSERT_TRUE(profile.RecordMonthStart({1447, 9, february20}, error)) << error;
    EXPECT_EQ(ReadBytes(m_file), "[HijriMonthStarts]\n1447/13=2026-02-19\n1447/9=2026-02-20\n")
        << "the month's other spelling goes";
    EXPECT_EQ(profile.HijriCalendar().RecordedMonthStart(1447, 9)->day, february20);
    EXPECT_EQ(settings.count(), 1);

    EXPECT_FALSE(profile.RecordMonthStart({1447, 9, february20 + 3}, error));
    EXPECT_EQ(error.rfind("Ramadhan 1447 cannot begin on 23 February 2026: ", 0), 0u) << error;
    EXPECT_EQ(settings.count(), 1) << "nothing written";
    const int muharram900 = profile.HijriCalendar().RuleMonthStart(900, 1);
    EXPECT_FALSE(profile.RecordMonthStart({900, 1, muharram900}, error));
    EXPECT_EQ(error.rfind("Muharram 900 cannot be recorded: ", 0), 0u) << error;
    EXPECT_NE(error.find("the Gregorian calendar begins on 15 October 1582"), std::string::npos);
    EXPECT_EQ(settings.count(), 1) << "nothing written";

    ASSERT_TRUE(profile.RemoveMonthStart("1447/13", error)) << error;
    ASSERT_TRUE(profile.RemoveMonthStart("1447/9", error)) << error;
    EXPECT_EQ(ReadBytes(m_file), "[HijriMonthStarts]\n");
    const HijriMonthStart imported[] = {{1447, 10, ChristianDayNumber({2026, 3, 21})}};
    ASSERT_TRUE(profile.ReplaceMonthStarts(imported, error)) << error;
    EXPECT_EQ(ReadBytes(m_file), "[HijriMonthStarts]\n1447/10=2026-03-21\n");

    m_bWritable = false;
    EXPECT_FALSE(profile.SetHijriCalendar({HijriRule::Civil, 0}, error));
    WriteBytes(m_file, "[HijriMonthStarts]\n1447/10=2026-03-20\n");
    profile.Refresh();
    EXPECT_EQ(profile.HijriCalendar().Rule(), HijriRule::Civil) << "it holds";
    EXPECT_EQ(profile.HijriCalendar().RecordedMonthStart(1447, 10)->day,
        ChristianDayNumber({2026, 3, 20}));
}

TEST_F(ZamanixProfileTest, RemindersWrittenHereAreToldAtOnce)
{
    CZamanixProfile profile(m_file);
    QSignalSpy reminders(&profile, &CZamanixProfile::remindersChanged);
    std::string error;
    ASSERT_TRUE(profile.AddReminder("Rajab/1", "Rent", "08:00 60", error)) << error;
    ASSERT_TRUE(profile.RemoveReminder("rajab/1", ReminderKind::Yearly, error)) << error;
    ASSERT_EQ(reminders.count(), 2);
    EXPECT_EQ(reminders.at(1).at(0).toStringList(), QStringList{"Rajab/1"});
    EXPECT_EQ(ReadBytes(m_file), "[Reminder]\n[Alarm]\n");
}

TEST_F(ZamanixProfileTest, AnEditedReminderReplacesItsOldKeyInOneWrite)
{
    WriteBytes(m_file,
        "[MoreReminders]\nHijri/13=Fast\n[MoreAlarms]\nHijri/13=05:00 15\n"
        "[Notice]\nHijri/13=1\n");
    CZamanixProfile profile(m_file);
    QSignalSpy reminders(&profile, &CZamanixProfile::remindersChanged);
    std::string error;
    // The same key keeps its lines where they stand.
    ASSERT_TRUE(profile.SaveReminder({"hijri/13", ReminderKind::Monthly, "Fast", "05:00 15", 0},
        std::pair(std::string("Hijri/13"), ReminderKind::Monthly), error))
        << error;
    EXPECT_EQ(ReadBytes(m_file),
        "[MoreReminders]\nHijri/13=Fast\n[MoreAlarms]\nHijri/13=05:00 15\n[Notice]\n");
    ASSERT_TRUE(profile.SaveReminder({"Ramadhan/27", ReminderKind::Yearly, "Fast", "05:00 15", 2},
        std::pair(std::string("Hijri/13"), ReminderKind::Monthly), error))
        << error;
    EXPECT_EQ(ReadBytes(m_file),
        "[MoreReminders]\n[MoreAlarms]\n[Notice]\nRamadhan/27=2\n"
        "[Reminder]\nRamadhan/27=Fast\n[Alarm]\nRamadhan/27=05:00 15\n");
    ASSERT_EQ(reminders.count(), 2);
    EXPECT_EQ(reminders.at(1).at(0).toStringList(), (QStringList{"Hijri/13", "Ramadhan/27"}));
    ASSERT_TRUE(profile.RemoveReminder("Ramadhan/27", ReminderKind::Yearly, error)) << error;
    EXPECT_EQ(ReadBytes(m_file), "[MoreReminders]\n[MoreAlarms]\n[Notice]\n[Reminder]\n[Alarm]\n")
        << "its notice goes with it";
}

TEST_F(ZamanixProfileTest, TheClockTellsOfANewDayAndOfAJump)
{
    const struct {
        const char *name;
        long long after; // seconds after the tick before, on day 100
        int day; // the day of the next tick
        bool newDay, jumped;
    } cases[] = {
        {"a minute", 60, 100, false, false},
        {"a late tick is no jump", 180, 100, false, false},
        {"a suspend of ten minutes", 600, 100, false, true},
        {"the minute after midnight", 60, 101, true, false},
        {"a suspend past midnight", 3600, 101, true, true},
        {"the clock set back a day", -86400, 99, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CZamanixProfile profile(m_file);
        QSignalSpy day(&profile, &CZamanixProfile::newDay);
        QSignalSpy jump(&profile, &CZamanixProfile::clockJumped);
        const long long evening = 1'000'000 * 60;
        profile.ClockTicked(evening, 100);
        EXPECT_EQ(profile.Today(), 100);
        profile.ClockTicked(evening + c.after, c.day);
        EXPECT_EQ(day.count(), c.newDay ? 1 : 0);
        EXPECT_EQ(jump.count(), c.jumped ? 1 : 0);
        EXPECT_EQ(profile.Today(), c.day);
    }
}

// The watch on the file, which takes a moment to tell.
TEST_F(ZamanixProfileTest, RealTimeAnotherProgramsWriteIsHeard)
{
    WriteBytes(m_file, "[Reminder]\n");
    CZamanixProfile profile(m_file);
    QSignalSpy reminders(&profile, &CZamanixProfile::remindersChanged);
    std::string error;
    ASSERT_TRUE(WriteProfileEntry(m_file, "Reminder", "December/08", "Dentist", error)) << error;
    EXPECT_TRUE(QTest::qWaitFor([&] { return reminders.count() == 1; }, 10000));
}

} // namespace
