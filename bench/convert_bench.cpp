// The converter's work per input line in --batch mode under each rule:
// parse, check that the date exists, convert, format; and the program
// itself on a million dates. A million lines should take about a second.
#include "cli/date_text.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kLines = 1'000'000;

std::vector<std::string> randomLines(int count)
{
    std::mt19937 random(99);
    std::uniform_int_distribution<int> year(-4000, 3000), month(1, 12), day(1, 28);
    std::vector<std::string> lines;
    while (lines.size() < static_cast<std::size_t>(count)) {
        const DayDate date{year(random), month(random), day(random)};
        // Every one a date that exists: no year 0, none of the days the
        // Gregorian reform dropped.
        if (date.year != 0 && !(date.year == 1582 && date.month == 10 && date.day > 4))
            lines.push_back(FormatIso(date));
    }
    return lines;
}

void batchLine(benchmark::State &state, HijriRule rule)
{
    const CHijriCalendar calendar(rule, 0);
    const std::vector<std::string> lines = randomLines(4096);
    std::size_t i = 0;
    for (auto _ : state) {
        DayDate date;
        std::string error, out;
        const std::string &line = lines[i++ % lines.size()];
        if (ParseDate(line, date, error) &&
            CheckDate(calendar, CalendarKind::Christian, date, error))
            out = FormatIso(Convert(calendar, CalendarKind::Christian, date).output);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(batchLine, astronomical, HijriRule::Astronomical);
BENCHMARK_CAPTURE(batchLine, umalqura, HijriRule::UmmAlQura);
BENCHMARK_CAPTURE(batchLine, civil, HijriRule::Civil);

// A million random dates of the supported years through the program, from
// a file to /dev/null: what `zamanix-convert --batch` costs a script.
void programBatch(benchmark::State &state, const char *calendar)
{
    const std::filesystem::path input =
        std::filesystem::temp_directory_path() / "zamanix-convert-bench-dates";
    {
        std::ofstream out(input, std::ios::binary);
        for (const std::string &line : randomLines(kLines))
            out << line << '\n';
    }
    const std::string command = std::string("'" ZAMANIX_CONVERT "' --batch --calendar ") +
        calendar + " < '" + input.string() + "' > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("zamanix-convert failed");
    std::filesystem::remove(input);
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK_CAPTURE(programBatch, civil, "civil")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(programBatch, umalqura, "umalqura")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(programBatch, astronomical, "astronomical")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
