// What the benchmarks of windows share: a profile of 10,000 reminders, and
// a main that runs them on Qt's offscreen platform.
#pragma once

#include "agenda/reminder_key.h"
#include "calendar/calendar.h"
#include "reminders/alarm_value.h"
#include "reminders/reminder_entries.h"
#include "session/zamanix_profile.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

inline constexpr int kBenchReminders = 10'000;

// Every key that falls due, in both calendars and spellings (942 of them),
// then keys with a day no month has, as a profile grown by hand holds them.
inline std::vector<std::string> BenchReminderKeys()
{
    std::vector<std::string> keys;
    for (const std::string *names : {HijriMonthNames, ChristianMonthNames})
        for (int m = 0; m < 12; ++m)
            for (int day = 1; day <= (names == HijriMonthNames ? 30 : 31); ++day) {
                const std::string key = ReminderKey(names[m], std::to_string(day));
                if (ParseReminderKey(key).CanFallDue())
                    keys.push_back(key);
                if (day < 10)
                    keys.push_back(ReminderKey(names[m], "0" + std::to_string(day)));
            }
    for (int i = 0; keys.size() < kBenchReminders; ++i)
        keys.push_back(ReminderKey(i % 2 ? HijriMonthNames[i % 12] : ChristianMonthNames[i % 12],
            std::to_string(32 + i / 12)));
    return keys;
}

// A profile of kBenchReminders reminders with their alarms, under the Hijri
// rule named, in a folder of its own that goes with it.
class CBenchProfile {
public:
    explicit CBenchProfile(std::string_view rule)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zamanix-bench-XXXXXX");
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_folder = pattern;
        const std::vector<std::string> keys = BenchReminderKeys();
        std::string text = "[Defaults]\nHijriCalendar=" + std::string(rule) + "\n[Reminder]\n";
        for (std::size_t i = 0; i < keys.size(); ++i)
            text += keys[i] + "=Call the family and buy dates for the evening " +
                std::to_string(i) + "\n";
        text += "[Alarm]\n";
        for (std::size_t i = 0; i < keys.size(); ++i)
            text += keys[i] + "=" + FormatAlarmValue(i % 24, i % 60, 15) + "\n";
        std::ofstream(File(), std::ios::binary) << text;
    }
    ~CBenchProfile() { std::filesystem::remove_all(m_folder); }
    CBenchProfile(const CBenchProfile &) = delete;
    CBenchProfile &operator=(const CBenchProfile &) = delete;
    std::filesystem::path File() const { return m_folder / "zamanix.INI"; }

private:
    std::filesystem::path m_folder;
};

// The profile object of a window's benchmark, read from `file`, today as
// the clock says.
class CBenchSession : public CZamanixProfile {
public:
    explicit CBenchSession(const std::filesystem::path &file)
        : CZamanixProfile(file)
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        ClockTicked(
            now, ChristianDayNumber({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}));
    }
};

// The main of a benchmark of windows: Qt's offscreen platform, UTC.
inline int RunOffscreenBenchmarks(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TZ", "UTC", 1);
    // The offscreen platform says at every window what it cannot do.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type != QtWarningMsg || !text.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
