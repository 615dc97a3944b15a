// The profile with 10,000 reminders (20,000 entries, about 1 MB): a single
// read, a snapshot built, a lookup in it, its refresh and its list of a
// section; the reads of a due check; and the writes of Add, of one entry and
// of a removal. Wall-clock times: a write waits for the disk twice.
//
// Goals: a single read at most 0.5 ms, a snapshot at most 2 ms, a lookup in
// a snapshot under 1 us.
#include "reminders/alarm_value.h"
#include "reminders/profile.h"
#include "reminders/profile_snapshot.h"
#include "reminders/reminder_entries.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
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
        for (int i = 0; i < kReminders; ++i)
            m_keys.push_back(keyOf(i));
    }
    ~CBenchProfile() { std::filesystem::remove_all(m_folder); }

    // A fresh profile.
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
    }

    // As if another program had changed the file: new times.
    void Touch()
    {
        const timespec times[2] = {{1'000'000'000 + ++m_nAge, 0}, {1'000'000'000 + m_nAge, 1}};
        ::utimensat(AT_FDCWD, m_file.c_str(), times, 0);
    }

    const std::filesystem::path &File() const { return m_file; }
    // A key of the profile, chosen at random; made beforehand, so that
    // making it is not measured.
    const std::string &Pick(std::mt19937 &random) const
    {
        return m_keys[std::uniform_int_distribution<int>(0, kReminders - 1)(random)];
    }

private:
    std::filesystem::path m_folder, m_file;
    std::vector<std::string> m_keys;
    long m_nAge = 0;
};

CBenchProfile &profile()
{
    static CBenchProfile s_profile;
    return s_profile;
}

void BM_ReadEntry(benchmark::State &state)
{
    profile().Reset();
    std::mt19937 random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ReadProfileEntry(profile().File(), kReminderSection, profile().Pick(random), ""));
}

void BM_SnapshotLoad(benchmark::State &state)
{
    profile().Reset();
    for (auto _ : state) {
        CProfileSnapshot snapshot(profile().File());
        benchmark::DoNotOptimize(snapshot);
    }
}

void BM_SnapshotFind(benchmark::State &state)
{
    profile().Reset();
    const CProfileSnapshot snapshot(profile().File());
    std::mt19937 random(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(snapshot.Find(kAlarmSection, profile().Pick(random)));
}

// Argument 0: the file is unchanged. 1: another program touched it, so the
// snapshot reads it again.
void BM_SnapshotRefresh(benchmark::State &state)
{
    profile().Reset();
    CProfileSnapshot snapshot(profile().File());
    for (auto _ : state) {
        if (state.range(0) != 0) {
            state.PauseTiming();
            profile().Touch();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(snapshot.Refresh());
    }
}

void BM_SnapshotEntries(benchmark::State &state)
{
    profile().Reset();
    const CProfileSnapshot snapshot(profile().File());
    for (auto _ : state)
        benchmark::DoNotOptimize(snapshot.Entries(kReminderSection));
}

// The minute's due check with the snapshot its owner keeps: a refresh of
// the unchanged file, the memos of today's two keys and their alarms.
void BM_DueCheck(benchmark::State &state)
{
    profile().Reset();
    CProfileSnapshot snapshot(profile().File());
    std::mt19937 random(3);
    for (auto _ : state) {
        const std::string &christian = profile().Pick(random), &hijri = profile().Pick(random);
        snapshot.Refresh();
        const std::string memo1 = snapshot.Get(kReminderSection, christian, "");
        const std::string memo2 = snapshot.Get(kReminderSection, hijri, "");
        if (!memo1.empty() || !memo2.empty()) {
            int hour = 0, minute = 0, every = 0;
            ScanAlarmValue(
                snapshot.Get(kAlarmSection, christian, kDefaultAlarmValue), hour, minute, every);
            ScanAlarmValue(
                snapshot.Get(kAlarmSection, hijri, kDefaultAlarmValue), hour, minute, every);
            benchmark::DoNotOptimize(hour + minute + every);
        }
    }
}

void BM_WriteEntry(benchmark::State &state)
{
    profile().Reset();
    std::mt19937 random(4);
    int every = 0;
    for (auto _ : state) {
        if (!WriteProfileEntry(profile().File(), kAlarmSection, profile().Pick(random),
                FormatAlarmValue(7, 30, ++every % 720)))
            state.SkipWithError("write failed");
    }
}

// What Add writes: a memo and its alarm in one replacement.
void BM_AddReminder(benchmark::State &state)
{
    profile().Reset();
    std::mt19937 random(5);
    int every = 0;
    std::string error;
    for (auto _ : state) {
        const std::string &key = profile().Pick(random);
        const ProfileChange changes[] = {
            ProfileChange::Set(kReminderSection, key, "Call the family " + std::to_string(++every)),
            ProfileChange::Set(kAlarmSection, key, FormatAlarmValue(7, 30, every % 720))};
        if (!WriteProfileEntries(profile().File(), changes, error))
            state.SkipWithError(error.c_str());
    }
}

void BM_RemoveEntry(benchmark::State &state)
{
    profile().Reset();
    std::mt19937 random(6);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string &key = profile().Pick(random);
        WriteProfileEntry(profile().File(), kReminderSection, key, "Call the family");
        state.ResumeTiming();
        if (!WriteProfileEntry(profile().File(), kReminderSection, key, std::nullopt))
            state.SkipWithError("removal failed");
    }
}

void inMicroseconds(benchmark::internal::Benchmark *b)
{
    b->UseRealTime()->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_ReadEntry)->Apply(inMicroseconds);
BENCHMARK(BM_SnapshotLoad)->Apply(inMicroseconds);
BENCHMARK(BM_SnapshotFind)->UseRealTime()->Unit(benchmark::kNanosecond);
BENCHMARK(BM_SnapshotRefresh)->Apply(inMicroseconds)->ArgName("changed")->Arg(0)->Arg(1);
BENCHMARK(BM_SnapshotEntries)->Apply(inMicroseconds);
BENCHMARK(BM_DueCheck)->Apply(inMicroseconds);
BENCHMARK(BM_WriteEntry)->Apply(inMicroseconds);
BENCHMARK(BM_AddReminder)->Apply(inMicroseconds);
BENCHMARK(BM_RemoveEntry)->Apply(inMicroseconds);

} // namespace

BENCHMARK_MAIN();
