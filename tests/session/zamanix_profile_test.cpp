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
    CTempFolder m_folder;
    std::filesystem::path m_file = m_folder / "zamanix.INI";
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
        {"the calendar server", before + "[CalendarServer]\nURL=https://dav.example.org/a/\n",
            kCalendarServerSetting, {}},
        {"its years, unreadable, are the default",
            before + "[CalendarServer]\nYears=two\n", 0, {}},
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
        if (c.settings)
            EXPECT_EQ(settings.at(0).at(0).toUInt(), c.settings);
        ASSERT_EQ(reminders.count(), c.keys.isEmpty() ? 0 : 1);
        if (!c.keys.isEmpty())
            EXPECT_EQ(reminders.at(0).at(0).toStringList(), c.keys);
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
    bool writable = true;
    CZamanixProfile profile(
        m_file, [&](std::span<const ProfileChange> changes, std::string &error) {
            return writable ? WriteProfileEntries(m_file, changes, error)
                            : (error = "the disk is full", false);
        });
    QSignalSpy settings(&profile, &CZamanixProfile::settingsChanged);
    writable = false;
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

TEST_F(ZamanixProfileTest, RemindersWrittenHereAreToldAtOnce)
{
    CZamanixProfile profile(m_file);
    QSignalSpy reminders(&profile, &CZamanixProfile::remindersChanged);
    std::string error;
    ASSERT_TRUE(profile.AddReminder("Rajab/1", "Rent", "08:00 60", error)) << error;
    ASSERT_TRUE(profile.RemoveReminder("rajab/1", error)) << error;
    ASSERT_EQ(reminders.count(), 2);
    EXPECT_EQ(reminders.at(1).at(0).toStringList(), QStringList{"Rajab/1"});
    EXPECT_EQ(ReadBytes(m_file), "[Reminder]\n[Alarm]\n");
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
