// Conversion speed under each Hijri rule beside ICU's Islamic calendars, on
// the same dates in one run, both ways, over consecutive and over random
// days. ICU gets its instants (or fields) ready-made, so only its own
// conversion is timed; the rules start from year, month and day. The
// tables of the ICU-backed rules are built before timing; the first use of
// a table block is timed on its own.
#include "calendar/calendar.h"
#include "calendar/icu/hijri_calendar.h"
#include "calendar/icu/icu_month_table.h"

#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kDates = 1 << 16;

// Consecutive days from 1 January 1900 on.
std::vector<YearMonthDay> consecutiveDays()
{
    std::vector<YearMonthDay> days;
    const int first = ChristianDayNumber({1900, 1, 1});
    for (int i = 0; i < kDates; ++i)
        days.push_back(ChristianOfDay(first + i));
    return days;
}

// Uniformly random days of the years 1 to 3000 (ICU's astronomical calendar
// does not reach far before the era).
std::vector<YearMonthDay> randomDays()
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pick(
        ChristianDayNumber({1, 1, 1}), ChristianDayNumber({3000, 12, 31}));
    std::vector<YearMonthDay> days;
    for (int i = 0; i < kDates; ++i)
        days.push_back(ChristianOfDay(pick(random)));
    return days;
}

const std::vector<YearMonthDay> &days(bool random)
{
    static const std::vector<YearMonthDay> consecutive = consecutiveDays();
    static const std::vector<YearMonthDay> scattered = randomDays();
    return random ? scattered : consecutive;
}

// The same days as Hijri dates under the rule.
std::vector<YearMonthDay> hijriDays(const CHijriCalendar &calendar, bool random)
{
    std::vector<YearMonthDay> hijri;
    for (const YearMonthDay &d : days(random))
        hijri.push_back(calendar.ToHijri(d));
    return hijri;
}

void toHijri(benchmark::State &state, HijriRule rule, bool random)
{
    const CHijriCalendar calendar(rule, 0);
    const std::vector<YearMonthDay> &dates = days(random);
    hijriDays(calendar, random); // builds the table before timing
    std::size_t i = 0;
    for (auto _ : state) {
        const YearMonthDay h = calendar.ToHijri(dates[i++ & (kDates - 1)]);
        benchmark::DoNotOptimize(h);
    }
    state.SetItemsProcessed(state.iterations());
}

void toChristian(benchmark::State &state, HijriRule rule, bool random)
{
    const CHijriCalendar calendar(rule, 0);
    const std::vector<YearMonthDay> hijri = hijriDays(calendar, random);
    std::size_t i = 0;
    for (auto _ : state) {
        const YearMonthDay c = calendar.ToChristian(hijri[i++ & (kDates - 1)]);
        benchmark::DoNotOptimize(c);
    }
    state.SetItemsProcessed(state.iterations());
}

std::unique_ptr<icu::Calendar> icuCalendar(benchmark::State &state, const char *type)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(*icu::TimeZone::getGMT(),
        icu::Locale("en", "", "", (std::string("calendar=") + type).c_str()), status));
    if (U_FAILURE(status))
        state.SkipWithError("ICU could not create the calendar");
    return calendar;
}

void icuToHijri(benchmark::State &state, const char *type, bool random)
{
    std::unique_ptr<icu::Calendar> islamic = icuCalendar(state, type);
    // Midnight UT of each day, as the instant ICU converts.
    std::vector<UDate> instants;
    for (const YearMonthDay &d : days(random))
        instants.push_back((ChristianDayNumber(d) - 2440588.0) * 86400000.0);
    UErrorCode status = U_ZERO_ERROR;
    std::size_t i = 0;
    for (auto _ : state) {
        islamic->setTime(instants[i++ & (kDates - 1)], status);
        benchmark::DoNotOptimize(islamic->get(UCAL_YEAR, status));
        benchmark::DoNotOptimize(islamic->get(UCAL_MONTH, status));
        benchmark::DoNotOptimize(islamic->get(UCAL_DATE, status));
    }
    state.SetItemsProcessed(state.iterations());
}

void icuToChristian(benchmark::State &state, const char *type, bool random)
{
    std::unique_ptr<icu::Calendar> islamic = icuCalendar(state, type);
    UErrorCode status = U_ZERO_ERROR;
    std::vector<YearMonthDay> fields; // ICU's extended year, month from 0
    for (const YearMonthDay &d : days(random)) {
        islamic->setTime((ChristianDayNumber(d) - 2440588.0) * 86400000.0, status);
        fields.push_back({islamic->get(UCAL_EXTENDED_YEAR, status),
            islamic->get(UCAL_MONTH, status), islamic->get(UCAL_DATE, status)});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const YearMonthDay &f = fields[i++ & (kDates - 1)];
        islamic->clear();
        islamic->set(UCAL_EXTENDED_YEAR, f.year);
        islamic->set(UCAL_MONTH, f.month);
        islamic->set(UCAL_DATE, f.day);
        benchmark::DoNotOptimize(islamic->getTime(status));
    }
    state.SetItemsProcessed(state.iterations());
}

// What a program pays when it first converts a date of a 20-year block.
void firstUse(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CIcuMonthTable> table(new CIcuMonthTable("islamic-umalqura"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(table->DateOf(ChristianDayNumber({2026, 2, 18})));
    }
    state.SetItemsProcessed(state.iterations());
}

void tmoonphaseSeries(benchmark::State &state)
{
    int k = -15800;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tmoonphase(k, 0));
        k = k < 20000 ? k + 1 : -15800;
    }
    state.SetItemsProcessed(state.iterations());
}

struct Peer {
    HijriRule rule;
    const char *icuType; // ICU's calendar of the same rule
};

const Peer kPeers[] = {
    {HijriRule::Astronomical, "islamic"},
    {HijriRule::UmmAlQura, "islamic-umalqura"},
    {HijriRule::Civil, "islamic-civil"},
};

// Each rule's row right above ICU's, for each direction and kind of dates.
void registerAll()
{
    for (const bool random : {false, true}) {
        const std::string dates = random ? "/random" : "/sequential";
        for (const Peer &p : kPeers) {
            const std::string rule(HijriRuleName(p.rule));
            benchmark::RegisterBenchmark(
                ("ToHijri/" + rule + dates).c_str(), toHijri, p.rule, random);
            benchmark::RegisterBenchmark(("ToHijri/icu:" + std::string(p.icuType) + dates).c_str(),
                icuToHijri, p.icuType, random);
        }
        for (const Peer &p : kPeers) {
            const std::string rule(HijriRuleName(p.rule));
            benchmark::RegisterBenchmark(
                ("ToChristian/" + rule + dates).c_str(), toChristian, p.rule, random);
            benchmark::RegisterBenchmark(
                ("ToChristian/icu:" + std::string(p.icuType) + dates).c_str(), icuToChristian,
                p.icuType, random);
        }
    }
    benchmark::RegisterBenchmark("TableBlock/first_use", firstUse)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("tmoonphase", tmoonphaseSeries);
}

} // namespace

int main(int argc, char **argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
