// The profile with 10,000 reminders (20,000 entries, about 1 MB): one read,
// one write, one removal, and the four reads of a due check, each with the
// file unchanged since the last read and right after another program
// changed it. Wall-clock times: a write waits for the disk twice.
#include "reminders/alarm_value.h"
#include "reminders/profile.h"
#include "reminders/reminder_entries.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kReminders = 10'000;

const char *const kMonths[24] = {"Muharram", "Safar", "Rabi'ul Awwal", "Rabi'ul Thani",
    "Jumada al-awwal", "Jumada al-Thani", "Rajab", "Sha'ban", "Ramadhan", "Shawwal", "Thul Qi'dah",
    "Thul Hijjah", "January", "February", "March", "April", "May", "June", "July", "August",
    "September", "October", "November", "December"};

std::string keyOf(int i)
{
    return ReminderKey(kMonths[i % 24], std::to_string(i / 24));
}

class CBenchProfile {
public:
    CBenchProfile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zamanix-bench-XXXXXX");
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_folder = pattern;
        m_file = m_folder / "zamanix.INI";
    }
    ~CBenchProfile() { std::filesystem::remove_all(m_folder); }

    // A fresh profile, last changed long ago.
    void Reset()
    {
        std::string text = "[Recent File List]\nFile1=/home/amina/notes.txt\n[Reminder]\n";
        for (int i = 0; i < kReminders; ++i)
            text += keyOf(i) + "=Call the family and buy dates for the evening\n";
        text += "[Alarm]\n";
        for (int i = 0; i < kReminders; ++i)
            text += keyOf(i) + "=" + FormatAlarmValue(i % 24, i % 60, 15) + "\n";
        text += "[Defaults]\nAudio=ON\n[Settings]\nPreviewPages=1\n";
        std::ofstream(m_file, std::ios::binary) << text;
        m_nAge = 0;
        MakeOld();
    }

    // As if another program had changed the file: new times, long ago.
    void MakeOld()
    {
        const timespec times[2] = {{1'000'000'000 + ++m_nAge, 0}, {1'000'000'000 + m_nAge, 1}};
        ::utimensat(AT_FDCWD, m_file.c_str(), times, 0);
    }

    const std::filesystem::path &File() const { return m_file; }

private:
    std::filesystem::path m_folder, m_file;
    long m_nAge = 0;
};

CBenchProfile &profile()
{
    static CBenchProfile s_profile;
    return s_profile;
}

std::string pick(std::mt19937 &random)
{
    return keyOf(std::uniform_int_distribution<int>(0, kReminders - 1)(random));
}

// Argument 0: the file is unchanged since the last read. 1: another program
// changed it just now (it is walked, not indexed). 2: another program changed
// it a while ago (it is read and indexed).
void changeFile(benchmark::State &state)
{
    if (state.range(0) == 0)
        return;
    profile().MakeOld();
    if (state.range(0) == 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

void BM_ReadEntry(benchmark::State &state)
{
    profile().Reset();
    std::mt19937 random(1);
    for (auto _ : state) {
        state.PauseTiming();
        changeFile(state);
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            ReadProfileEntry(profile().File(), kReminderSection, pick(random), ""));
    }
}

void BM_DueCheck(benchmark::State &state)
{
    profile().Reset();
    std::mt19937 random(2);
    for (auto _ : state) {
        state.PauseTiming();
        changeFile(state);
        const std::string christian = pick(random), hijri = pick(random);
        state.ResumeTiming();
        const std::string memo1 =
            ReadProfileEntry(profile().File(), kReminderSection, christian, "");
        const std::string memo2 = ReadProfileEntry(profile().File(), kReminderSection, hijri, "");
        if (!memo1.empty() || !memo2.empty()) {
            int hour = 0, minute = 0, every = 0;
            ScanAlarmValue(
                ReadProfileEntry(profile().File(), kAlarmSection, christian, kDefaultAlarmValue),
                hour, minute, every);
            ScanAlarmValue(
                ReadProfileEntry(profile().File(), kAlarmSection, hijri, kDefaultAlarmValue), hour,
                minute, every);
            benchmark::DoNotOptimize(hour + minute + every);
        }
    }
}

void BM_WriteEntry(benchmark::State &state)
{
    profile().Reset();
    std::mt19937 random(3);
    int every = 0;
    for (auto _ : state) {
        if (!WriteProfileEntry(profile().File(), kAlarmSection, pick(random),
                FormatAlarmValue(7, 30, ++every % 720)))
            state.SkipWithError("write failed");
    }
}

void BM_RemoveEntry(benchmark::State &state)
{
    profile().Reset();
    std::mt19937 random(4);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string key = pick(random);
        WriteProfileEntry(profile().File(), kReminderSection, key, "Call the family");
        state.ResumeTiming();
        if (!WriteProfileEntry(profile().File(), kReminderSection, key, std::nullopt))
            state.SkipWithError("removal failed");
    }
}

void changeArgs(benchmark::internal::Benchmark *b)
{
    b->ArgName("changed")->UseRealTime()->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_ReadEntry)->Apply(changeArgs)->Arg(0)->Arg(1);
BENCHMARK(BM_DueCheck)->Apply(changeArgs)->Arg(0)->Arg(1);
// Each iteration waits for the file to settle.
BENCHMARK(BM_ReadEntry)->Apply(changeArgs)->Arg(2)->Iterations(20);
BENCHMARK(BM_DueCheck)->Apply(changeArgs)->Arg(2)->Iterations(20);
BENCHMARK(BM_WriteEntry)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RemoveEntry)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
