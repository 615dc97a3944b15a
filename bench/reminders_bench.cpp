// All Reminders and zamanix-reminders on a profile of 10,000 reminders:
// every key that can fall due in both calendars and spellings (942 of
// them), the rest keys that never can, as a profile grown by hand holds
// them. Measured: the rows built (every next date under each Hijri rule),
// the window opened with them (model, view and layout, offscreen, sorted),
// and one keystroke in its filter.
//
// Goals: the window open within 200 ms, a keystroke under 16 ms.
#include "agenda/reminder_list.h"
#include "bench/bench_support.h"
#include "calendar/calendar.h"
#include "panels/all_reminders_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
const int kToday = ChristianDayNumber({2026, 12, 7});

void buildRows(benchmark::State &state, const char *rule)
{
    const CBenchProfile profile(rule);
    const CProfileSnapshot snapshot(profile.File());
    const CHijriCalendar hijri = ProfileHijriCalendar(snapshot);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildReminderRows(snapshot, hijri, kToday));
    state.SetItemsProcessed(state.iterations() * kBenchReminders);
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
        CBenchSession read(profile.File());
        auto *window = new CAllRemindersWindow(read, nullptr);
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
    CBenchSession read(profile.File());
    CAllRemindersWindow window(read, nullptr);
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
    return RunOffscreenBenchmarks(argc, argv);
}
