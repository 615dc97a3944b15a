// Profiles compatible both ways. The program keeps a profile written before
// the other kinds of reminder byte for byte while it adds, changes and
// removes reminders of every kind; and the release before them (its due
// check and its profile writer, frozen in tests/agenda/previous_release/)
// rings none of the new kinds, lists none of them, and loses none of them
// when it adds and deletes its own reminders.
#include "agenda/day_agenda.h"
#include "agenda/reminder_changes.h"
#include "agenda/reminder_list.h"
#include "reminders/profile.h"
#include "reminders/reminder_entries.h"
#include "tests/agenda/previous_release/agenda/day_reminders.h"
#include "tests/agenda/previous_release/reminders/profile.h"
#include "tests/agenda/previous_release/reminders/profile_text.h"
#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A profile as the release before wrote and hand edits left it: comments,
// both spellings of a day, an odd case, a quoted and an escaped memo, CRLF
// line ends, a section after the reminders.
const std::string kOldProfile = "; my reminders\r\n"
                                "[Reminder]\r\n"
                                "Ramadhan/27=Visit uncle\r\n"
                                "march/06=\\\"Dentist\\nbring the card\"\r\n"
                                "Shawwal/05=\" Eid visits \"\r\n"
                                "February/29=Leap day\r\n"
                                "[Alarm]\r\n"
                                "Ramadhan/27=07:30 15\r\n"
                                "march/06=09:00 60\r\n"
                                "[Defaults]\r\n"
                                "Audio=OFF\r\n";

// Reminders of the other kinds, and notice, as the program writes them.
std::vector<ProfileChange> newKinds()
{
    std::vector<ProfileChange> changes;
    for (const ReminderEntry &entry :
        {ReminderEntry{"Friday", ReminderKind::Weekly, "Friday prayer", "12:30 15", 2},
            ReminderEntry{"Hijri/13", ReminderKind::Monthly, "Fast", "05:00 60", 1},
            ReminderEntry{"Christian/01", ReminderKind::Monthly, "Rent", "08:00 60", 0},
            ReminderEntry{"Ramadhan/27/1448", ReminderKind::Once, "Engagement", "18:00 5", 3},
            ReminderEntry{"March/06/2027", ReminderKind::Once, "Exam", "08:00 60", 0},
            ReminderEntry{"Ramadhan/27", ReminderKind::Yearly, "Visit uncle", "07:30 15", 3}}) {
        const std::vector<ProfileChange> kept = KeepReminderChanges(entry);
        changes.insert(changes.end(), kept.begin(), kept.end());
    }
    return changes;
}

class PreviousReleaseTest : public testing::Test {
protected:
    std::filesystem::path File() const { return m_folder / "zamanix.INI"; }

    void WriteNew(const std::vector<ProfileChange> &changes)
    {
        std::string error;
        ASSERT_TRUE(WriteProfileEntries(File(), changes, error)) << error;
    }

    // The rows the program lists now (only the yearly ones), as text that
    // says all of each.
    std::set<std::string> Rows(bool yearlyOnly = false) const
    {
        std::set<std::string> rows;
        for (const ReminderRow &row :
            BuildReminderRows(CProfileSnapshot(File()), CHijriCalendar(), m_nToday))
            if (!yearlyOnly || row.parsed.kind == ReminderKind::Yearly)
                rows.insert(row.key + "=" + row.memo + " " +
                    std::to_string(row.ringsAt.value_or(-1)) + " " +
                    std::to_string(row.alarm.every) + " " + std::to_string(row.notice));
        return rows;
    }

    CTempFolder m_folder;
    int m_nToday = ChristianDayNumber({2026, 12, 7});
};

TEST_F(PreviousReleaseTest, AnOldProfileKeepsEveryYearlyReminderByteForByte)
{
    WriteBytes(File(), kOldProfile);
    const std::set<std::string> before = Rows();
    WriteNew(newKinds());
    const std::string written = ReadBytes(File());
    EXPECT_EQ(written.substr(0, written.find("[MoreReminders]")), kOldProfile)
        << "the new kinds go after all that was there; a notice of a yearly reminder too";
    // Removing and changing the other kinds touches nothing yearly.
    WriteNew(ForgetReminderChanges("Friday", ReminderKind::Weekly));
    WriteNew(KeepReminderChanges({"Hijri/13", ReminderKind::Monthly, "Fast", "04:30 60", 0}));
    EXPECT_EQ(ReadBytes(File()).substr(0, kOldProfile.size()), kOldProfile);
    const std::set<std::string> yearly = Rows(true);
    std::set<std::string> expected = before;
    expected.erase("Ramadhan/27=Visit uncle 450 15 0");
    expected.insert("Ramadhan/27=Visit uncle 450 15 3");
    EXPECT_EQ(yearly, expected) << "the same yearly reminders, one of them with notice";
}

TEST_F(PreviousReleaseTest, ThePreviousReleaseRingsAndListsNoneOfTheNewKinds)
{
    WriteBytes(File(), kOldProfile);
    WriteNew(newKinds());
    const std::string text = ReadBytes(File());
    // Its list: every entry of [Reminder], and nothing else.
    std::vector<std::string> listed;
    for (const auto &[name, value] : previous_release::ListStoredEntries(text, "Reminder"))
        listed.emplace_back(name);
    EXPECT_EQ(
        listed, (std::vector<std::string>{"Ramadhan/27", "march/06", "Shawwal/05", "February/29"}));
    // Its due check, through its own reader, on every day of two years:
    // what rings is what the program rings of the yearly reminders, on the
    // same days, with the same alarms.
    const previous_release::ProfileLookup oldLookup = [&](std::string_view section,
                                                          std::string_view entry) {
        return previous_release::FindProfileEntry(File(), section, entry);
    };
    const CProfileSnapshot snapshot(File());
    const ProfileLookup newLookup = [&](std::string_view section, std::string_view entry) {
        return snapshot.Find(section, entry);
    };
    const CHijriCalendar hijri;
    std::size_t rung = 0;
    for (int day = m_nToday; day < m_nToday + 2 * 366; day += 1) {
        const YearMonthDay c = ChristianOfDay(day), h = hijri.HijriOfDay(day);
        std::vector<std::string> old, now;
        for (const auto &r : previous_release::FindDayReminders(
                 {c.year, c.month, c.day}, {h.year, h.month, h.day}, oldLookup))
            old.push_back(r.key + " " + r.memo + " " + std::to_string(r.alarm.hour));
        for (const DayReminder &r : FindRemindersOfDay(day, hijri, newLookup, WithNotices::No))
            if (r.kind == ReminderKind::Yearly)
                now.push_back(r.key + " " + r.memo + " " + std::to_string(r.alarm.hour));
        ASSERT_EQ(old, now) << c.year << "-" << c.month << "-" << c.day;
        rung += old.size();
    }
    EXPECT_EQ(rung, 2u * 3 + 1) << "three yearly reminders each year, and one leap day";
}

TEST_F(PreviousReleaseTest, ThePreviousReleaseLosesNoneOfThemWhenItWritesItsOwn)
{
    WriteBytes(File(), kOldProfile);
    WriteNew(newKinds());
    const std::string text = ReadBytes(File());
    const std::string kinds = text.substr(text.find("[MoreReminders]"));
    const std::set<std::string> before = Rows();
    // Its Add and its Delete, each both entries in one write.
    const previous_release::ProfileChange add[] = {
        previous_release::ProfileChange::Set("Reminder", "Rajab/1", "New month"),
        previous_release::ProfileChange::Set("Alarm", "Rajab/1", "08:00 60")};
    const previous_release::ProfileChange remove[] = {
        previous_release::ProfileChange::Remove("Reminder", "Ramadhan/27"),
        previous_release::ProfileChange::Remove("Alarm", "Ramadhan/27")};
    std::string error;
    ASSERT_TRUE(previous_release::WriteProfileEntries(File(), add, error)) << error;
    ASSERT_TRUE(previous_release::WriteProfileEntries(File(), remove, error)) << error;
    const std::string after = ReadBytes(File());
    EXPECT_EQ(after.substr(after.find("[MoreReminders]")), kinds)
        << "the other kinds and the notices, byte for byte";
    std::set<std::string> expected = before;
    expected.erase("Ramadhan/27=Visit uncle 450 15 3");
    expected.insert("Rajab/1=New month 480 60 0");
    EXPECT_EQ(Rows(), expected);
}

} // namespace
