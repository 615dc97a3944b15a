// The converter's work per input line in --batch mode: parse, check that the
// date exists, convert, format. A million lines should take about a second.
#include "cli/date_text.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> randomLines()
{
    std::mt19937 random(99);
    std::uniform_int_distribution<int> year(-4000, 3000), month(1, 12), day(1, 28);
    std::vector<std::string> lines;
    for (int i = 0; i < 4096; ++i) {
        const int y = year(random);
        lines.push_back(FormatIso({y == 0 ? 1 : y, month(random), day(random)}));
    }
    return lines;
}

void BM_batch_line(benchmark::State &state)
{
    const std::vector<std::string> lines = randomLines();
    std::size_t i = 0;
    for (auto _ : state) {
        DayDate date;
        std::string error, out;
        const std::string &line = lines[i++ & 4095];
        if (ParseDate(line, date, error) && CheckDate(CalendarKind::Christian, date, error))
            out = FormatIso(Convert(CalendarKind::Christian, date).output);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_batch_line);

} // namespace
