// Conversion speed of the engine beside ICU's Islamic calendars, on the same
// dates in one run. ICU gets its instants precomputed, so only its Islamic
// field computation is timed; the engine starts from year, month and day.
#include "calendar/calendar.h"

#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>
#include <random>
#include <vector>

namespace {

struct Ymd {
    int year, month, day;
};

constexpr int kDates = 1 << 16;

// Consecutive days from 1 January 1900 on.
std::vector<Ymd> consecutiveDays()
{
    std::vector<Ymd> days;
    const double first = juliandate(1900, 1, 1, 0);
    for (int i = 0; i < kDates; ++i) {
        const CalendarDate *c = christiandate(first + i + 0.5);
        days.push_back({c->year, c->month, c->day});
    }
    return days;
}

// Uniformly random days of the years 1 to 3000 (ICU's astronomical calendar
// does not reach far before the era).
std::vector<Ymd> randomDays()
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pick(static_cast<int>(juliandate(1, 1, 1, 0) + 0.5),
        static_cast<int>(juliandate(3000, 12, 31, 0) + 0.5));
    std::vector<Ymd> days;
    for (int i = 0; i < kDates; ++i) {
        const CalendarDate *c = christiandate(pick(random));
        days.push_back({c->year, c->month, c->day});
    }
    return days;
}

const std::vector<Ymd> &days(bool random)
{
    static const std::vector<Ymd> consecutive = consecutiveDays();
    static const std::vector<Ymd> scattered = randomDays();
    return random ? scattered : consecutive;
}

void BM_christtohijri(benchmark::State &state)
{
    const std::vector<Ymd> &dates = days(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const Ymd &d = dates[i++ & (kDates - 1)];
        const CalendarDate *h = christtohijri(d.year, d.month, d.day);
        benchmark::DoNotOptimize(h->day);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_hijritochrist(benchmark::State &state)
{
    // The Hijri dates of the same days.
    std::vector<Ymd> hijri;
    for (const Ymd &d : days(state.range(0))) {
        const CalendarDate *h = christtohijri(d.year, d.month, d.day);
        hijri.push_back({h->year, h->month, h->day});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Ymd &d = hijri[i++ & (kDates - 1)];
        const CalendarDate *c = hijritochrist(d.year, d.month, d.day);
        benchmark::DoNotOptimize(c->day);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_tmoonphase(benchmark::State &state)
{
    int k = -15800;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tmoonphase(k, 0));
        k = k < 20000 ? k + 1 : -15800;
    }
    state.SetItemsProcessed(state.iterations());
}

void icuIslamic(benchmark::State &state, const char *calendarName)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::TimeZone *utc = icu::TimeZone::getGMT();
    icu::GregorianCalendar gregorian(*utc, status);
    std::unique_ptr<icu::Calendar> islamic(
        icu::Calendar::createInstance(*utc, icu::Locale("en", "", "", calendarName), status));
    if (U_FAILURE(status)) {
        state.SkipWithError("ICU could not create the calendar");
        return;
    }
    // Midnight UT of each day, as the instant ICU converts.
    std::vector<UDate> instants;
    for (const Ymd &d : days(state.range(0))) {
        gregorian.clear();
        if (d.year > 0)
            gregorian.set(d.year, d.month - 1, d.day);
        instants.push_back(gregorian.getTime(status));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        islamic->setTime(instants[i++ & (kDates - 1)], status);
        benchmark::DoNotOptimize(islamic->get(UCAL_YEAR, status));
        benchmark::DoNotOptimize(islamic->get(UCAL_MONTH, status));
        benchmark::DoNotOptimize(islamic->get(UCAL_DATE, status));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_icu_islamic_civil(benchmark::State &state)
{
    icuIslamic(state, "calendar=islamic-civil");
}
void BM_icu_islamic(benchmark::State &state)
{
    icuIslamic(state, "calendar=islamic");
}

// Argument 0: consecutive days; 1: random days.
BENCHMARK(BM_christtohijri)->ArgName("random")->Arg(0)->Arg(1);
BENCHMARK(BM_icu_islamic_civil)->ArgName("random")->Arg(0)->Arg(1);
BENCHMARK(BM_icu_islamic)->ArgName("random")->Arg(0)->Arg(1);
BENCHMARK(BM_hijritochrist)->ArgName("random")->Arg(0)->Arg(1);
BENCHMARK(BM_tmoonphase);

} // namespace

BENCHMARK_MAIN();
