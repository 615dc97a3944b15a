// All Reminders and zamanix-reminders on a profile of 10,000 reminders:
// every key that can fall due in both calendars and spellings (942 of
// them), the rest keys that never can, as a profile grown by hand holds
// them. Measured: the rows built (every next date under each Hijri rule),
// the window opened with them (model, view and layout, offscreen, sorted),
// and one keystroke in its filter.
//
// Goals: the window open within 200 ms, a keystroke under 16 ms.
#include "agenda/reminder_list.h"
#include "calendar/calendar.h"
#include "panels/all_reminders_window.h"
#include "reminders/alarm_value.h"
#include "reminders/reminder_entries.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr int kReminders = 10'000;

// Every key that falls due, then keys with a day no month has.
std::vector<std::string> benchKeys()
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
    for (int i = 0; keys.size() < kReminders; ++i)
        keys.push_back(ReminderKey(i % 2 ? HijriMonthNames[i % 12] : ChristianMonthNames[i % 12],
            std::to_string(32 + i / 12)));
    return keys;
}

class CBenchProfile {
public:
    explicit CBenchProfile(std::string_view rule)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zamanix-bench-XXXXXX");
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_folder = pattern;
        const std::vector<std::string> keys = benchKeys();
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
    std::filesystem::path File() const { return m_folder / "zamanix.INI"; }

private:
    std::filesystem::path m_folder;
};

const int kToday = ChristianDayNumber({2026, 12, 7});

void buildRows(benchmark::State &state, const char *rule)
{
    const CBenchProfile profile(rule);
    const CProfileSnapshot snapshot(profile.File());
    const CHijriCalendar hijri = ProfileHijriCalendar(snapshot);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildReminderRows(snapshot, hijri, kToday));
    state.SetItemsProcessed(state.iterations() * kReminders);
}
BENCHMARK_CAPTURE(buildRows, astronomical, "astronomical")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildRows, umalqura, "umalqura")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildRows, civil, "civil")->Unit(benchmark::kMillisecond);

// From nothing to a window on the screen: the profile read, the rows built
// and sorted, the model and view filled and laid out.
void openWindow(benchmark::State &state)
{
    const CBenchProfile profile("astronomical");
    for (auto _ : state) {
        auto *window = new CAllRemindersWindow(nullptr, profile.File(), nullptr);
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->Model().rowCount());
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(openWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// One character typed into the filter, or taken away, and the list shown
// again.
void filterKeystroke(benchmark::State &state)
{
    const CBenchProfile profile("astronomical");
    CAllRemindersWindow window(nullptr, profile.File(), nullptr);
    window.show();
    QTest::keyClicks(window.FilterBox(), "famil");
    QApplication::processEvents();
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            QTest::keyClick(window.FilterBox(), Qt::Key_Backspace);
        else
            QTest::keyClick(window.FilterBox(), Qt::Key_Y);
        typed = !typed;
        QApplication::processEvents();
    }
}
BENCHMARK(filterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
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
