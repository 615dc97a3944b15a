// zamanix-convert: converts dates between the Christian and the Hijri
// calendar from the command line, for terminals and scripts.
#include "cli/date_text.h"
#include "cli/month_grid.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char *kProgram = "zamanix-convert";
constexpr int kUsageError = 2;

const char kHelp[] = R"(Usage:
  zamanix-convert [--from-hijri] [--format text|iso] DATE...
  zamanix-convert --today [--format text|iso]
  zamanix-convert --month YEAR-MONTH [--from-hijri]
  zamanix-convert --batch [--from-hijri] [--format iso|text]  < dates

Converts dates between the Christian calendar (Julian up to 4 October 1582,
Gregorian from 15 October 1582) and the Hijri calendar, computed from the
instants of new moons.

DATE is YEAR-MONTH-DAY with the year as people write it: there is no year 0,
and -1-12-31 is the last day before 1-1-1. Years from -4000 to 3000 (of the
Christian calendar) are supported.

Options:
  --from-hijri        the dates given are Hijri dates (default: Christian)
  --format text       print both dates with the weekday (default), e.g.
                        Saturday 1 January 2000 = 24 Ramadhan 1420
  --format iso        print the converted date alone as YEAR-MM-DD, e.g.
                        1420-09-24
  --today             show today (local clock) in both calendars
  --month YEAR-MONTH  print the month as a grid like cal(1), each day as
                      day/day-in-the-other-calendar
  --batch             read one date per line from standard input and write
                      one line per input line (iso form unless --format text)
  -h, --help          show this help
  --version           show the version

Errors: a date that does not exist (a month outside 1-12, 2023-02-29, the
dropped days 1582-10-05 to 1582-10-14, Hijri day 30 of a 29-day month, year
0, a year out of range) or text that is not a date is reported as
"zamanix-convert: <what is wrong>" on standard error, nothing is converted and
the exit status is 2. In --batch mode the line "error: <what is wrong>"
stands in place of that date, the other lines are still converted, and the
exit status is 1 at the end.

Exit status: 0 success, 1 some --batch lines were wrong, 2 bad usage or date.
)";

enum class Mode { Dates, Today, Month, Batch };
enum class Format { Text, Iso };

struct Options {
    Mode mode = Mode::Dates;
    Format format = Format::Text;
    bool formatGiven = false;
    CalendarKind from = CalendarKind::Christian;
    std::string month;
    std::vector<std::string> dates;
};

int usageError(const std::string &message)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram,
        message.c_str(), kProgram);
    return kUsageError;
}

void setMode(Options &o, Mode mode, const char *name, std::string &error)
{
    if (o.mode != Mode::Dates && o.mode != mode)
        error = std::string(name) + " cannot be combined with another of --today, --month, --batch";
    o.mode = mode;
}

// Returns -1 when the options are fine, otherwise the exit status.
int parseOptions(int argc, char **argv, Options &o)
{
    bool onlyDates = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // A leading "-" followed by a digit is a negative year, not an option.
        const bool looksLikeDate =
            arg.size() > 1 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9';
        if (onlyDates || arg.empty() || arg[0] != '-' || looksLikeDate) {
            o.dates.emplace_back(arg);
            continue;
        }
        std::string error;
        std::string_view value;
        std::string_view name = arg;
        bool hasInlineValue = false;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasInlineValue = true;
        }
        const auto takeValue = [&]() -> bool {
            if (hasInlineValue)
                return true;
            if (i + 1 >= argc) {
                error = "option " + std::string(name) + " needs a value";
                return false;
            }
            value = argv[++i];
            return true;
        };

        if (name == "--") {
            onlyDates = true;
        } else if (name == "-h" || name == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (name == "--version") {
            std::printf("%s %s\n", kProgram, ZAMANIX_VERSION);
            return 0;
        } else if (name == "--from-hijri") {
            o.from = CalendarKind::Hijri;
        } else if (name == "--today") {
            setMode(o, Mode::Today, "--today", error);
        } else if (name == "--batch") {
            setMode(o, Mode::Batch, "--batch", error);
        } else if (name == "--month") {
            if (takeValue()) {
                setMode(o, Mode::Month, "--month", error);
                o.month = value;
            }
        } else if (name == "--format") {
            if (takeValue()) {
                o.formatGiven = true;
                if (value == "text")
                    o.format = Format::Text;
                else if (value == "iso")
                    o.format = Format::Iso;
                else
                    error = "unknown format '" + std::string(value) + "'; use text or iso";
            }
        } else {
            error = "unknown option '" + std::string(arg) + "'";
        }
        if (hasInlineValue && name != "--month" && name != "--format" && error.empty())
            error = "option " + std::string(name) + " takes no value";
        if (!error.empty())
            return usageError(error);
    }

    if (o.mode != Mode::Dates && !o.dates.empty())
        return usageError("dates cannot be given together with --today, --month or --batch");
    if (o.mode == Mode::Dates && o.dates.empty())
        return usageError("no date given");
    if (o.mode == Mode::Month && o.formatGiven)
        return usageError("--format does not apply to --month");
    if (o.mode == Mode::Batch && !o.formatGiven)
        o.format = Format::Iso;
    return -1;
}

std::string render(const Conversion &c, Format format)
{
    return format == Format::Iso ? FormatIso(c.output) : FormatText(c);
}

// Checks the date named by text; on failure the error names the input.
bool checkedConversion(CalendarKind from, std::string_view text, Conversion &c, std::string &error)
{
    DayDate date;
    if (!ParseDate(text, date, error))
        return false;
    if (!CheckDate(from, date, error)) {
        error = QuoteInput(text) + ": " + error;
        return false;
    }
    c = Convert(from, date);
    return true;
}

// Nothing is printed unless every date is good: a script never gets a
// partial answer that it could mistake for a whole one.
int convertDates(const Options &o)
{
    std::vector<Conversion> results;
    bool ok = true;
    for (const std::string &text : o.dates) {
        Conversion c;
        std::string error;
        if (checkedConversion(o.from, text, c, error))
            results.push_back(c);
        else {
            std::fprintf(stderr, "%s: %s\n", kProgram, error.c_str());
            ok = false;
        }
    }
    if (!ok)
        return kUsageError;
    for (const Conversion &c : results)
        std::printf("%s\n", render(c, o.format).c_str());
    return 0;
}

int showToday(const Options &o)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const DayDate today{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    std::string error;
    if (!CheckDate(CalendarKind::Christian, today, error)) {
        std::fprintf(
            stderr, "%s: the clock's date cannot be converted: %s\n", kProgram, error.c_str());
        return kUsageError;
    }
    std::printf("%s\n", render(Convert(CalendarKind::Christian, today), o.format).c_str());
    return 0;
}

int showMonth(const Options &o)
{
    int year, month;
    std::string error;
    if (!ParseYearMonth(o.month, year, month, error))
        return usageError(error);
    if (!CheckYearMonth(o.from, year, month, error)) {
        std::fprintf(stderr, "%s: %s: %s\n", kProgram, QuoteInput(o.month).c_str(), error.c_str());
        return kUsageError;
    }
    std::fputs(FormatMonthGrid(o.from, year, month).c_str(), stdout);
    return 0;
}

int runBatch(const Options &o)
{
    std::ios::sync_with_stdio(false);
    std::string line, out;
    out.reserve(1 << 16);
    bool anyError = false;
    while (std::getline(std::cin, line)) {
        Conversion c;
        std::string error;
        if (checkedConversion(o.from, line, c, error))
            out += render(c, o.format);
        else {
            out += "error: " + error;
            anyError = true;
        }
        out += '\n';
        if (out.size() > (1 << 16) - 128) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return anyError ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (const int status = parseOptions(argc, argv, options); status >= 0)
        return status;
    int status = 0;
    switch (options.mode) {
    case Mode::Dates:
        status = convertDates(options);
        break;
    case Mode::Today:
        status = showToday(options);
        break;
    case Mode::Month:
        status = showMonth(options);
        break;
    case Mode::Batch:
        status = runBatch(options);
        break;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s: could not write the output\n", kProgram);
        return kUsageError;
    }
    return status;
}
