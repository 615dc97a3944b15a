// Conversion speed under each Hijri rule, alone and with 100 recorded month
// starts, beside ICU's Islamic calendars, on the same dates in one run, both
// ways, over consecutive and over random days. ICU gets its instants (or
// fields) ready-made, so only its own conversion is timed; the rules start
// from year, month and day. The rules' tables are built before timing; the
// first use of a table block is timed on its own. At the end, each rule's
// speed on random dates as a multiple of ICU's for the same rule and of
// ICU's tabular calendar.
#include "calendar/calendar.h"
#include "calendar/icu/hijri_calendar.h"
#include "calendar/icu/icu_month_table.h"

#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
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

// 100 records at random months of the Hijri years 1000 to 2400, each on
// the day of its candidates furthest from the rule's start, so that all are
// kept and the months around them move.
CHijriCalendar withRecords(const CHijriCalendar &plain)
{
    std::mt19937 random(1448);
    std::uniform_int_distribution<int> pick(HijriMonthIndex(1000, 1), HijriMonthIndex(2400, 12));
    std::vector<HijriMonthStart> records;
    CHijriCalendar calendar = plain;
    while (calendar.MonthStarts().size() < 100) {
        const YearMonthDay month = HijriMonthOfIndex(pick(random));
        const std::vector<int> days = calendar.MonthStartCandidates(month.year, month.month);
        if (days.empty() || calendar.RecordedMonthStart(month.year, month.month))
            continue;
        records.push_back(
            {month.year, month.month, records.size() % 2 ? days.back() : days.front()});
        calendar = plain.WithMonthStarts(records);
    }
    return calendar;
}

CHijriCalendar benchCalendar(HijriRule rule, bool records)
{
    const CHijriCalendar plain(rule, 0);
    return records ? withRecords(plain) : plain;
}

void toHijri(benchmark::State &state, HijriRule rule, bool records, bool random)
{
    const CHijriCalendar calendar = benchCalendar(rule, records);
    const std::vector<YearMonthDay> &dates = days(random);
    hijriDays(calendar, random); // builds the table before timing
    std::size_t i = 0;
    for (auto _ : state) {
        const YearMonthDay h = calendar.ToHijri(dates[i++ & (kDates - 1)]);
        benchmark::DoNotOptimize(h);
    }
    state.SetItemsProcessed(state.iterations());
}

void toChristian(benchmark::State &state, HijriRule rule, bool records, bool random)
{
    const CHijriCalendar calendar = benchCalendar(rule, records);
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

// Each rule's rows, alone and with records, right above ICU's, for each
// direction and kind of dates.
void registerAll()
{
    for (const bool random : {false, true}) {
        const std::string dates = random ? "/random" : "/sequential";
        for (const char *direction : {"ToHijri/", "ToChristian/"}) {
            const bool toH = direction == std::string("ToHijri/");
            for (const Peer &p : kPeers) {
                const std::string rule = direction + std::string(HijriRuleName(p.rule));
                for (const bool records : {false, true})
                    benchmark::RegisterBenchmark(
                        (rule + (records ? "+100records" : "") + dates).c_str(),
                        toH ? toHijri : toChristian, p.rule, records, random);
                benchmark::RegisterBenchmark(
                    (direction + std::string("icu:") + p.icuType + dates).c_str(),
                    toH ? icuToHijri : icuToChristian, p.icuType, random);
            }
        }
    }
    benchmark::RegisterBenchmark("TableBlock/first_use", firstUse)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("tmoonphase", tmoonphaseSeries);
}

// The console's report, then the random-date rows as multiples of ICU's
// speed: for the same rule, and for ICU's tabular calendar.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours for a terminal only, as the library's own reporter does.
    CRatioReporter()
        : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                m_times[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        bool header = false;
        for (const char *direction : {"ToHijri/", "ToChristian/"})
            for (const Peer &p : kPeers)
                for (const char *records : {"", "+100records"}) {
                    const std::string name =
                        direction + std::string(HijriRuleName(p.rule)) + records + "/random";
                    const double ours = time(name);
                    const double same =
                        time(direction + std::string("icu:") + p.icuType + "/random");
                    const double tabular =
                        time(direction + std::string("icu:islamic-civil/random"));
                    if (ours <= 0 || same <= 0 || tabular <= 0)
                        continue;
                    if (!header)
                        std::printf("\nRandom dates, times as fast as ICU in this run "
                                    "(goal: 10 or more):\n%-44s %12s %14s\n",
                            "", "same rule", "islamic-civil");
                    header = true;
                    std::printf("%-44s %12.1f %14.1f\n", name.c_str(), same / ours, tabular / ours);
                }
    }

private:
    double time(const std::string &name) const
    {
        const auto at = m_times.find(name);
        return at == m_times.end() ? 0 : at->second;
    }

    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
