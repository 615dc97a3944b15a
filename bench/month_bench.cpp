// The month panel on a profile of 10,000 reminders. Measured: a month's
// data built (its days in both calendars, the Moon's phases in local time,
// the reminders of both calendars and spellings from one snapshot, the holy
// days) under each Hijri rule; the panel's grid painted (offscreen, into an
// image); and Page Down as the user holds it: the next month built, shown
// and painted.
//
// Goals: building a month and painting it within 5 ms each, so that a held
// Page Down (some 30 key repeats a second) flips months without a stutter.
#include "agenda/month_data.h"
#include "agenda/reminder_list.h"
#include "bench/bench_support.h"
#include "panels/month_grid_view.h"
#include "panels/month_panel.h"

#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// Months from January 2026 on, and from Muharram 1447 on.
const MonthId kFirstMonths[] = {
    {ReminderCalendar::Christian, 2026, 1}, {ReminderCalendar::Hijri, 1447, 1}};

void buildMonth(benchmark::State &state, const char *rule, ReminderCalendar calendar)
{
    const CBenchProfile profile(rule);
    const CProfileSnapshot snapshot(profile.File());
    const CHijriCalendar hijri = ProfileHijriCalendar(snapshot);
    const ProfileLookup lookup = [&snapshot](std::string_view section, std::string_view entry) {
        return snapshot.Find(section, entry);
    };
    const QTimeZone zone("America/New_York");
    const UtcOffsetAt offsetAt = [&zone](std::int64_t utc) {
        return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC));
    };
    const MonthId first = kFirstMonths[calendar == ReminderCalendar::Hijri];
    MonthId month = first;
    std::size_t reminders = 0;
    for (auto _ : state) {
        const MonthData data = BuildMonthData(month, hijri, lookup, offsetAt);
        for (const MonthDay &day : data.days)
            reminders += day.reminders.size();
        month = AddMonths(month, 1);
        if (month.year > first.year + 20)
            month = first;
    }
    benchmark::DoNotOptimize(reminders);
    state.counters["reminders/month"] =
        benchmark::Counter(static_cast<double>(reminders) / state.iterations());
}
BENCHMARK_CAPTURE(buildMonth, astronomical_christian, "astronomical", ReminderCalendar::Christian)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildMonth, astronomical_hijri, "astronomical", ReminderCalendar::Hijri)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildMonth, umalqura_hijri, "umalqura", ReminderCalendar::Hijri)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildMonth, civil_hijri, "civil", ReminderCalendar::Hijri)
    ->Unit(benchmark::kMillisecond);

// A panel shown on a month with reminders on every day and holy days.
class CBenchPanel {
public:
    CBenchPanel()
        : m_profile("astronomical")
        , m_read(m_profile.File())
        , m_panel(m_read, nullptr)
    {
        m_panel.ShowMonth({ReminderCalendar::Hijri, 1447, 12});
        m_panel.show();
        QApplication::processEvents();
        m_image = QImage(m_panel.Grid()->size(), QImage::Format_ARGB32_Premultiplied);
    }
    CMonthPanel &Panel() { return m_panel; }
    void PaintGrid()
    {
        QPainter painter(&m_image);
        m_panel.Grid()->render(&painter);
    }

private:
    CBenchProfile m_profile;
    CBenchSession m_read;
    CMonthPanel m_panel;
    QImage m_image;
};

void paintGrid(benchmark::State &state)
{
    CBenchPanel panel;
    for (auto _ : state)
        panel.PaintGrid();
}
BENCHMARK(paintGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

// Page Down in the grid: the next month built and shown, then painted;
// every twelfth key goes back a year, so that the months stay alike.
void pageDown(benchmark::State &state)
{
    CBenchPanel panel;
    panel.Panel().Grid()->setFocus();
    int keys = 0;
    for (auto _ : state) {
        if (++keys % 12 == 0)
            QTest::keyClick(panel.Panel().Grid(), Qt::Key_PageUp, Qt::ControlModifier);
        else
            QTest::keyClick(panel.Panel().Grid(), Qt::Key_PageDown);
        panel.PaintGrid();
    }
}
BENCHMARK(pageDown)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
