// Writers killed at random moments and writers running at the same time:
// no entry whose write returned is ever lost, and the file stays whole.
#include "reminders/profile.h"
#include "reminders/value_encoding.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
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

const char *sectionOf(int i)
{
    return i % 2 ? "Reminder" : "Alarm";
}

// Writes entries from `first` on until killed, telling `report` of each
// write that returned.
[[noreturn]] void writeUntilKilled(const std::filesystem::path &file, int first, int report)
{
    for (int i = first;; ++i) {
        if (!WriteProfileEntry(file, sectionOf(i), keyOf(0, i), valueOf(i)))
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
        EXPECT_EQ(line, keyOf(0, i) + "=" + EncodeProfileValue(valueOf(i)));
    }
}

TEST(ProfileReliability, KilledWriterLosesNothing)
{
    CTempFolder folder;
    const std::filesystem::path file = folder / "p.INI";
    std::mt19937 random(20261207);
    int next = 0; // every entry before it was reported written
    for (int round = 0; round < 20; ++round) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(report[0]);
            writeUntilKilled(file, next, report[1]);
        }
        ::close(report[1]);
        ::usleep(std::uniform_int_distribution<int>(0, 20'000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "a write failed";
        for (int i; ::read(report[0], &i, sizeof i) == sizeof i;)
            next = i + 1;
        ::close(report[0]);

        SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(next) + " written");
        expectWholeLines(ReadBytes(file));
        for (int i = 0; i < next; ++i)
            ASSERT_EQ(ReadProfileEntry(file, sectionOf(i), keyOf(0, i), "lost"), valueOf(i)) << i;
    }
    EXPECT_GT(next, 20);
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

} // namespace
