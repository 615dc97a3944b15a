// zamanix-convert: converts dates between the Christian and the Hijri
// calendar from the command line, for terminals and scripts.
#include "agenda/hijri_month_starts.h"
#include "agenda/month_starts_file.h"
#include "agenda/profile_calendar.h"
#include "cli/clock_override.h"
#include "cli/date_text.h"
#include "cli/input_lines.h"
#include "cli/month_grid.h"
#include "cli/terminal_text.h"
#include "language/translations.h"
#include "reminders/atomic_file.h"
#include "reminders/profile_path.h"
#include "reminders/reminder_entries.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char *kProgram = "zamanix-convert";
constexpr int kUsageError = 2;

// Seconds since 1970 that --today takes as the time instead of the clock;
// for the converter's tests.
constexpr const char *kNowVariable = "ZAMANIX_CONVERT_NOW";

const char *const kHelp = ZX_TRANSLATE_NOOP("Converter", R"(Usage:
  zamanix-convert [--from-hijri] [--format text|iso] [CALENDAR] DATE...
  zamanix-convert --today [--format text|iso] [CALENDAR]
  zamanix-convert --month YEAR-MONTH [--from-hijri] [CALENDAR]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [CALENDAR] < dates
where CALENDAR is [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts FILE] [--use-settings].

Converts dates between the Christian calendar (Julian up to 4 October 1582,
Gregorian from 15 October 1582) and the Hijri calendar: by default computed
from the instants of new moons, or kept by the Umm al-Qura or the tabular
(civil) rule.

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
  --calendar RULE     the Hijri calendar: astronomical (default, from new
                      moons), umalqura (Umm al-Qura, Saudi Arabia's official
                      calendar) or civil (the tabular calendar)
  --adjust N          move the Hijri calendar N days, -2 to 2: with +1 each
                      day shows the Hijri date of the day after (default 0)
  --month-starts FILE the Hijri months begin as recorded in FILE, one line
                      a month, YEAR/MONTH=YYYY-MM-DD (the Hijri year and
                      month, then the Gregorian date of its first day),
                      e.g. 1448/9=2027-02-07, under a line [HijriMonthStarts]
                      or alone; the months around a record move as little
                      as keeps every month 29 or 30 days long
  --use-settings      take the calendar, adjustment and recorded month
                      starts of the Zamanix desktop program (its profile,
                      zamanix.INI) unless --calendar, --adjust or
                      --month-starts says otherwise
  -h, --help          show this help
  --version           show the version

Errors: a date that does not exist (a month outside 1-12, 2023-02-29, the
dropped days 1582-10-05 to 1582-10-14, Hijri day 30 of a month that has 29
days under the chosen calendar, year 0, a year out of range) or text that is
not a date is reported as "zamanix-convert: <what is wrong>" on standard
error, nothing is converted and the exit status is 2. In --batch mode the
line "error: <what is wrong>" stands in place of that date, the other lines
are still converted, and the exit status is 1 at the end.

A --month-starts FILE that cannot be read, holds a line that is no record,
or a record that cannot be kept (its day more than 2 days from the rule's
start of the month, or a month of 28 or 31 days with the other records)
is reported as "zamanix-convert: FILE: line N: <what is wrong>" and ends
the run with status 2 before any date is printed. A record of the profile
that cannot be kept is left out, with a warning on standard error.

Exit status: 0 success, 1 some --batch lines were wrong, 2 bad usage or date,
or input or output that failed.
)");

enum class Mode { Dates, Today, Month, Batch };
enum class Format { Text, Iso };

struct Options {
    Mode mode = Mode::Dates;
    Format format = Format::Text;
    bool formatGiven = false;
    CalendarKind from = CalendarKind::Christian;
    std::optional<HijriRule> rule;
    std::optional<int> adjust;
    bool useSettings = false;
    std::string monthStarts; // the file of --month-starts
    CHijriCalendar hijri;
    std::string month;
    std::vector<std::string> dates;
};

int usageError(const std::string &message)
{
    const std::string text =
        FillSentence(Translate("Converter", "%1: %2\nTry '%3 --help' for more information."),
            {kProgram, message, kProgram});
    std::fprintf(stderr, "%s\n", text.c_str());
    return kUsageError;
}

void setMode(Options &o, Mode mode, const char *name, std::string &error)
{
    if (o.mode != Mode::Dates && o.mode != mode)
        error = FillSentence(Translate("Converter",
                                 "%1 cannot be combined with another of --today, --month, --batch"),
            {name});
    o.mode = mode;
}

struct OptionName {
    std::string_view name;
    bool takesValue;
};

constexpr OptionName kOptionNames[] = {{"-h", false}, {"--help", false}, {"--version", false},
    {"--from-hijri", false}, {"--today", false}, {"--batch", false}, {"--use-settings", false},
    {"--month", true}, {"--format", true}, {"--calendar", true}, {"--adjust", true},
    {"--month-starts", true}};

const OptionName *findOption(std::string_view name)
{
    for (const OptionName &option : kOptionNames)
        if (option.name == name)
            return &option;
    return nullptr;
}

// Applies an option that takes a value; `error` says what is wrong with it.
void applyValue(Options &o, std::string_view name, std::string_view value, std::string &error)
{
    if (name == "--month") {
        setMode(o, Mode::Month, "--month", error);
        o.month = value;
    } else if (name == "--format") {
        o.formatGiven = true;
        if (value == "text")
            o.format = Format::Text;
        else if (value == "iso")
            o.format = Format::Iso;
        else
            error = FillSentence(
                Translate("Converter", "unknown format '%1'; use text or iso"), {value});
    } else if (name == "--calendar") {
        o.rule = HijriRuleFromName(value);
        if (!o.rule)
            error = FillSentence(Translate("Converter",
                                     "unknown calendar '%1'; use astronomical, umalqura or civil"),
                {value});
    } else if (name == "--month-starts") {
        o.monthStarts = value;
        if (value.empty())
            error = Translate("Converter", "--month-starts needs a file name");
    } else if (name == "--adjust") {
        o.adjust = HijriAdjustFromText(value);
        if (!o.adjust)
            error = FillSentence(Translate("Converter",
                                     "adjustment '%1' is not a whole number of days from -2 to 2"),
                {value});
    }
}

// Applies one option; returns 0 when it was --help or --version (already
// answered), -1 otherwise. `error` says what is wrong with it.
int applyOption(Options &o, std::string_view name, std::string_view value, std::string &error)
{
    if (name == "-h" || name == "--help") {
        std::fputs(Translate("Converter", kHelp).c_str(), stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("%s %s\n", kProgram, ZAMANIX_VERSION);
        return 0;
    }
    if (name == "--from-hijri")
        o.from = CalendarKind::Hijri;
    else if (name == "--today")
        setMode(o, Mode::Today, "--today", error);
    else if (name == "--batch")
        setMode(o, Mode::Batch, "--batch", error);
    else if (name == "--use-settings")
        o.useSettings = true;
    else
        applyValue(o, name, value, error);
    return -1;
}

// The desktop program's profile, read once for all its values. It is named
// after that program, not after this one; it is only read.
CProfileSnapshot desktopProfile()
{
    const std::filesystem::path profile =
        DesktopProfilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (profile.empty())
        return {};
    return CProfileSnapshot(profile);
}

// Scripts get the same answer on every machine unless they ask for the
// desktop program's setting.
void chooseCalendar(Options &o, const CProfileSnapshot &settings)
{
    o.hijri = OverriddenHijriCalendar(
        CHijriCalendar::FromSettings(settings.Get(kDefaultsSection, kHijriCalendarEntry, ""),
            settings.Get(kDefaultsSection, kHijriAdjustEntry, "")),
        o.rule, o.adjust);
}

// The records of --month-starts, else those of the profile read (none
// without --use-settings). A file that cannot be read or holds a record
// that cannot be kept ends the run before any date is printed; the
// profile's records that cannot be kept are left out, with a warning.
int chooseMonthStarts(Options &o, const CProfileSnapshot &settings)
{
    if (o.monthStarts.empty()) {
        o.hijri = WithProfileMonthStarts(o.hijri, settings);
        for (const std::string &warning : ProfileMonthStartWarnings(settings, o.hijri))
            std::fprintf(stderr, "%s\n",
                FillSentence(
                    Translate("Converter", "%1: warning: %2"), {kProgram, TerminalText(warning)})
                    .c_str());
        return -1;
    }
    std::string bytes, error;
    FileIdentity identity;
    const FileReadResult read = ReadWholeFile(o.monthStarts, bytes, identity, error);
    if (read != FileReadResult::Read) {
        if (read == FileReadResult::Missing)
            error = FileError(Translate("Files", "cannot read \"%1\": %2"), o.monthStarts, ENOENT);
        std::fprintf(stderr, "%s: %s\n", kProgram, error.c_str());
        return kUsageError;
    }
    std::vector<std::string> problems;
    const MonthStartsFile file = ReadMonthStartsText(bytes, problems);
    if (problems.empty())
        problems = RefusedMonthStartLines(file, o.hijri);
    for (const std::string &problem : problems)
        std::fprintf(stderr, "%s: %s: %s\n", kProgram, o.monthStarts.c_str(), problem.c_str());
    if (!problems.empty())
        return kUsageError;
    o.hijri = o.hijri.WithMonthStarts(file.records);
    return -1;
}

int checkCombination(Options &o)
{
    if (o.mode != Mode::Dates && !o.dates.empty())
        return usageError(Translate(
            "Converter", "dates cannot be given together with --today, --month or --batch"));
    if (o.mode == Mode::Dates && o.dates.empty())
        return usageError(Translate("Converter", "no date given"));
    if (o.mode == Mode::Month && o.formatGiven)
        return usageError(Translate("Converter", "--format does not apply to --month"));
    if (o.mode == Mode::Batch && !o.formatGiven)
        o.format = Format::Iso;
    const CProfileSnapshot settings = o.useSettings ? desktopProfile() : CProfileSnapshot();
    chooseCalendar(o, settings);
    // Told before any date is read, rather than as a crash in the middle.
    if (const std::string problem = HijriRuleProblem(o.hijri.Rule()); !problem.empty()) {
        std::fprintf(stderr, "%s\n",
            FillSentence(Translate("Converter", "%1: the %2 calendar cannot be computed: %3"),
                {kProgram, o.hijri.DisplayName(), problem})
                .c_str());
        return kUsageError;
    }
    return chooseMonthStarts(o, settings);
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
        if (arg == "--") {
            onlyDates = true;
            continue;
        }
        std::string_view name = arg, value;
        const auto eq = arg.find('=');
        if (eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        const OptionName *option = findOption(name);
        if (!option)
            return usageError(FillSentence(Translate("Converter", "unknown option '%1'"), {arg}));
        if (!option->takesValue && eq != std::string_view::npos)
            return usageError(
                FillSentence(Translate("Converter", "option %1 takes no value"), {name}));
        if (option->takesValue && eq == std::string_view::npos) {
            if (i + 1 >= argc)
                return usageError(
                    FillSentence(Translate("Converter", "option %1 needs a value"), {name}));
            value = argv[++i];
        }
        std::string error;
        if (const int status = applyOption(o, name, value, error); status >= 0)
            return status;
        if (!error.empty())
            return usageError(error);
    }
    return checkCombination(o);
}

std::string render(const Conversion &c, Format format)
{
    return format == Format::Iso ? FormatIso(c.output) : FormatText(c);
}

// Checks the date named by text; on failure the error names the input.
bool checkedConversion(const Options &o, std::string_view text, Conversion &c, std::string &error)
{
    DayDate date;
    if (!ParseDate(text, date, error))
        return false;
    if (!CheckDate(o.hijri, o.from, date, error)) {
        error = QuoteInput(text) + ": " + error;
        return false;
    }
    c = Convert(o.hijri, o.from, date);
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
        if (checkedConversion(o, text, c, error))
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
    std::time_t time;
    if (!ReadClock(kNowVariable, time)) {
        std::fprintf(stderr, "%s\n",
            FillSentence(Translate("Converter", "%1: %2 is not a number of seconds"),
                {kProgram, kNowVariable})
                .c_str());
        return kUsageError;
    }
    std::tm local{};
    localtime_r(&time, &local);
    const DayDate today{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    std::string error;
    if (!CheckDate(o.hijri, CalendarKind::Christian, today, error)) {
        std::fprintf(stderr, "%s\n",
            FillSentence(Translate("Converter", "%1: the clock's date cannot be converted: %2"),
                {kProgram, error})
                .c_str());
        return kUsageError;
    }
    std::printf("%s\n", render(Convert(o.hijri, CalendarKind::Christian, today), o.format).c_str());
    return 0;
}

int showMonth(const Options &o)
{
    int year, month;
    std::string error;
    if (!ParseYearMonth(o.month, year, month, error))
        return usageError(error);
    if (!CheckYearMonth(o.hijri, o.from, year, month, error)) {
        std::fprintf(stderr, "%s: %s: %s\n", kProgram, QuoteInput(o.month).c_str(), error.c_str());
        return kUsageError;
    }
    std::fputs(FormatMonthGrid(o.hijri, o.from, year, month).c_str(), stdout);
    return 0;
}

int runBatch(const Options &o)
{
    CInputLines input(STDIN_FILENO);
    std::string line, out;
    out.reserve(1 << 16);
    bool anyError = false;
    while (input.Next(line)) {
        // The lines are for other programs to read: English in every language.
        const CUntranslated english;
        Conversion c;
        std::string error;
        if (checkedConversion(o, line, c, error))
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
    if (!input.Error().empty()) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n",
            FillSentence(
                Translate("Converter", "%1: cannot read the dates: %2"), {kProgram, input.Error()})
                .c_str());
        return kUsageError;
    }
    return anyError ? 1 : 0;
}

int run(const Options &options)
{
    switch (options.mode) {
    case Mode::Dates:
        return convertDates(options);
    case Mode::Today:
        return showToday(options);
    case Mode::Month:
        return showMonth(options);
    case Mode::Batch:
        return runBatch(options);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    InstallLanguage(LanguageOfEnvironment());
    Options options;
    if (const int status = parseOptions(argc, argv, options); status >= 0)
        return status;
    int status = 0;
    try {
        status = run(options);
    } catch (const std::exception &failure) {
        // ICU failing on a date far from those checked at the start.
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s\n", kProgram, failure.what());
        return kUsageError;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s\n",
            FillSentence(Translate("Converter", "%1: could not write the output"), {kProgram})
                .c_str());
        return kUsageError;
    }
    return status;
}
