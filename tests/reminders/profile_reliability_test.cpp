// Writers killed at random moments and writers running at the same time:
// no entry whose write returned is ever lost, a reminder's memo and alarm
// are never found apart, and the file stays whole.
#include "reminders/alarm_value.h"
#include "reminders/profile.h"
#include "reminders/profile_snapshot.h"
#include "reminders/reminder_entries.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace {

std::string keyOf(int writer, int i)
{
    return "Day" + std::to_string(writer) + "/" + std::to_string(i);
}

// Long enough that a write takes a while; some with line breaks.
std::string valueOf(int i)
{
    return "memo " + std::to_string(i) + std::string(200, '.') + (i % 5 ? "" : "\n[Alarm]\nx=1");
}

// valueOf(i) as the file holds it: its line breaks written as \n inside
// \"...", so that the memo stays on its line.
std::string storedValueOf(int i)
{
    const std::string text = "memo " + std::to_string(i) + std::string(200, '.');
    return i % 5 ? text : "\\\"" + text + "\\n[Alarm]\\nx=1\"";
}

std::string alarmOf(int writer, int i)
{
    return FormatAlarmValue(writer, i % 60, i);
}

// What Add writes: the memo and its alarm, in one write.
bool addReminder(const std::filesystem::path &file, const std::string &key, const std::string &memo,
    const std::string &alarm)
{
    const ProfileChange changes[] = {ProfileChange::Set(kReminderSection, key, memo),
        ProfileChange::Set(kAlarmSection, key, alarm)};
    std::string error;
    return WriteProfileEntries(file, changes, error);
}

// Adds reminders from `first` on until killed, telling `report` of each
// write that returned.
[[noreturn]] void addUntilKilled(const std::filesystem::path &file, int first, int report)
{
    for (int i = first;; ++i) {
        if (!addReminder(file, keyOf(0, i), valueOf(i), alarmOf(0, i)))
            ::_exit(1);
        if (::write(report, &i, sizeof i) != sizeof i)
            ::_exit(1);
    }
}

// Every line is a section of the test or one whole entry.
void expectWholeLines(const std::string &bytes)
{
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        if (line == "[Reminder]" || line == "[Alarm]")
            continue;
        const std::size_t equals = line.find('=');
        ASSERT_NE(equals, std::string::npos) << line;
        const int i = std::stoi(line.substr(line.find('/') + 1));
        const std::string memo = keyOf(0, i) + "=" + storedValueOf(i);
        EXPECT_TRUE(line == memo || line == keyOf(0, i) + "=" + alarmOf(0, i)) << line;
    }
}

// Kills the writer after it reported `count` more writes, somewhere in the
// write that follows. Returns the number of the next entry not reported.
int killAfter(pid_t child, int report, int next, int count, std::mt19937 &random)
{
    int i = next - 1;
    while (i < next - 1 + count && ::read(report, &i, sizeof i) == sizeof i) { }
    // A pause of random length, counted rather than timed, moves the kill
    // about within the next write.
    for (volatile int spin = std::uniform_int_distribution<int>(0, 2'000'000)(random); spin > 0;)
        spin = spin - 1;
    ::kill(child, SIGKILL);
    while (::read(report, &i, sizeof i) == sizeof i) { }
    return i + 1;
}

TEST(ProfileReliability, KilledWriterLosesNothingAndSplitsNoReminder)
{
    CTempFolder folder;
    const std::filesystem::path file = folder / "p.INI";
    std::mt19937 random(20261207);
    int next = 0; // every entry before it was reported written
    for (int round = 0; round < 30; ++round) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(report[0]);
            addUntilKilled(file, next, report[1]);
        }
        ::close(report[1]);
        const int count = std::uniform_int_distribution<int>(1, 4)(random);
        const int reported = killAfter(child, report[0], next, count, random);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(report[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "a write failed";
        ASSERT_GE(reported, next + count);
        next = reported;

        SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(next) + " written");
        expectWholeLines(ReadBytes(file));
        const CProfileSnapshot profile(file);
        for (int i = 0; i < next; ++i) {
            ASSERT_EQ(profile.Get(kReminderSection, keyOf(0, i), "lost"), valueOf(i)) << i;
            ASSERT_EQ(profile.Get(kAlarmSection, keyOf(0, i), "lost"), alarmOf(0, i)) << i;
        }
        // The write the kill interrupted landed whole or not at all.
        const bool memo = profile.Find(kReminderSection, keyOf(0, next)).has_value();
        EXPECT_EQ(profile.Find(kAlarmSection, keyOf(0, next)).has_value(), memo);
    }
}

TEST(ProfileReliability, TwoWritersLoseNoEntry)
{
    constexpr int kEach = 300;
    CTempFolder folder;
    const std::filesystem::path file = folder / "p.INI";
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = ::fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            ::close(start[1]);
            char go;
            (void)!::read(start[0], &go, 1); // returns when the parent closes its end
            for (int i = 0; i < kEach; ++i) {
                if (!WriteProfileEntry(file, "Reminder", keyOf(w, i), valueOf(i)))
                    ::_exit(1);
            }
            ::_exit(0);
        }
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t writer : writers) {
        int status = 0;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int w = 0; w < 2; ++w) {
        for (int i = 0; i < kEach; ++i)
            EXPECT_EQ(ReadProfileEntry(file, "Reminder", keyOf(w, i), "lost"), valueOf(i));
    }
}

// Two programs add the same day over and over while a third reads: every
// version of the file holds a memo with its own alarm, never another's.
TEST(ProfileReliability, AReminderIsNeverFoundApartFromItsAlarm)
{
    constexpr int kEach = 300;
    const std::string key = "Ramadhan/27";
    CTempFolder folder;
    const std::filesystem::path file = folder / "p.INI";
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = ::fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            for (int i = 0; i < kEach; ++i) {
                const std::string memo =
                    "writer " + std::to_string(w) + " round " + std::to_string(i);
                if (!addReminder(file, key, memo, alarmOf(w, i)))
                    ::_exit(1);
            }
            ::_exit(0);
        }
    }
    int running = 2, reads = 0, apart = 0;
    std::string example;
    while (running > 0) {
        const CProfileSnapshot profile(file);
        ++reads;
        const std::optional<std::string> memo = profile.Find(kReminderSection, key);
        const std::optional<std::string> alarm = profile.Find(kAlarmSection, key);
        int w = -1, i = -1;
        const bool together = memo
            ? std::sscanf(memo->c_str(), "writer %d round %d", &w, &i) == 2 &&
                alarm == alarmOf(w, i)
            : !alarm;
        if (!together) {
            ++apart;
            example = memo.value_or("no memo") + " with " + alarm.value_or("no alarm");
        }
        for (pid_t &writer : writers) {
            int status = 0;
            if (writer > 0 && ::waitpid(writer, &status, WNOHANG) == writer) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                writer = 0;
                --running;
            }
        }
    }
    EXPECT_EQ(apart, 0) << "of " << reads << " reads, e.g. " << example;
    const CProfileSnapshot last(file);
    const std::string memo = last.Get(kReminderSection, key, "");
    const int w = memo == "writer 1 round 299" ? 1 : 0;
    EXPECT_EQ(memo, "writer " + std::to_string(w) + " round 299");
    EXPECT_EQ(last.Get(kAlarmSection, key, ""), alarmOf(w, 299));
}

} // namespace
