// zamanix-reminders: the reminders of the Zamanix profile from the command
// line: list them, see what falls due soon, add and remove them as the
// desktop program's form does, and export them to other calendar programs.
#include "agenda/hijri_month_starts.h"
#include "agenda/ical_export.h"
#include "agenda/ical_repeating.h"
#include "agenda/reminder_list.h"
#include "cli/clock_override.h"
#include "cli/date_text.h"
#include "cli/publish_command.h"
#include "cli/reminder_edit.h"
#include "cli/reminders_options.h"
#include "cli/terminal_text.h"
#include "language/translations.h"
#include "reminders/output_file.h"
#include "reminders/profile.h"
#include "reminders/profile_path.h"
#include "reminders/reminder_entries.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>

namespace {

constexpr const char *kProgram = "zamanix-reminders";
constexpr int kError = 2;

// Seconds since 1970 that stand for the clock; for the program's tests.
constexpr const char *kNowVariable = "ZAMANIX_REMINDERS_NOW";

const char *const kHelp = ZX_TRANSLATE_NOOP("RemindersProgram", R"(Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
                    [--notice DAYS]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY says when a reminder falls due:
  Ramadhan/27, March/06      every year, on a month and day of either
                             calendar, as the form builds it
  Ramadhan/27/1448,          once, on a date of either calendar
  March/06/2027
  Hijri/13, Christian/01     every month of that calendar, on a day; a month
                             without the day has it on its last day
  Friday                     every week, on the weekday (in English)
add and remove also take the common spellings of the Hijri months
(Ramadan, Dhul Hijjah, Rabi al-Awwal, Jumada al-Ula, ...) and keep the month
as the program spells it. A day 1 to 9 falls due written as 5 or as 05.

Commands:
  list                every reminder and its kind, by the day it falls due
                      next; once reminders whose day has gone by after
                      them, those that never fall due (April/31, a misspelt
                      month) last, with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60), and --notice DAYS, 0 to
                      30, to be reminded that many days before each day it
                      falls due too (0: no notice); a reminder that exists
                      keeps what is not given; for a yearly KEY writes
                      exactly what the form's Add writes
  remove KEY          forgets the reminder, its alarm and its notice, as the
                      form's Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month, day, year or weekday is not valid, a date outside
the supported years, a profile that cannot be read or written, bad options,
no password for publish) are reported as
"zamanix-reminders: <what is wrong>" on standard error with exit status 2,
and nothing is written.
)");

// A message may quote what was typed or stored: nothing in it reaches the
// terminal as a control.
int fail(const std::string &message)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, TerminalText(message).c_str());
    return kError;
}

// What a command works on: the profile as read once, the Hijri calendar,
// and the clock.
struct Context {
    std::filesystem::path profile;
    CProfileSnapshot snapshot;
    CHijriCalendar hijri;
    std::time_t now = 0;
    int today = 0; // the local date's day number
};

bool readClock(Context &c, std::string &error)
{
    if (!ReadClock(kNowVariable, c.now)) {
        error = FillSentence(
            Translate("RemindersProgram", "%1 is not a number of seconds"), {kNowVariable});
        return false;
    }
    std::tm local{};
    localtime_r(&c.now, &local);
    c.today = ChristianDayNumber({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
    return true;
}

// The desktop program's profile; empty when the environment names no folder
// for it.
std::filesystem::path desktopProfile()
{
    return DesktopProfilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

// The profile: --profile, else the desktop program's. A file that is there
// but cannot be read is an error, not an empty list.
bool readProfile(const RemindersOptions &o, Context &c, std::string &error)
{
    c.profile = o.profile;
    if (c.profile.empty()) {
        c.profile = desktopProfile();
        if (c.profile.empty()) {
            error = ProfilePathProblem(
                kDesktopProgramName, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
            return false;
        }
    }
    if (!c.snapshot.Load(c.profile, &error))
        return false;
    c.hijri = OverriddenHijriCalendar(ProfileHijriCalendar(c.snapshot), o.rule, o.adjust);
    if (const std::string problem = HijriRuleProblem(c.hijri.Rule()); !problem.empty()) {
        error =
            FillSentence(Translate("RemindersProgram", "the %1 calendar cannot be computed: %2"),
                {c.hijri.DisplayName(), problem});
        return false;
    }
    return true;
}

// Dates follow the profile's month starts; one that cannot be kept is left
// out, and the user told so.
void warnAboutMonthStarts(const Context &c)
{
    for (const std::string &warning : ProfileMonthStartWarnings(c.snapshot, c.hijri))
        std::fprintf(stderr, "%s\n",
            FillSentence(
                Translate("RemindersProgram", "%1: warning: %2"), {kProgram, TerminalText(warning)})
                .c_str());
}

int list(const RemindersOptions &o, const Context &c)
{
    warnAboutMonthStarts(c);
    // The lists are the program's output, in English as every format of it.
    const CUntranslated english;
    const std::vector<ReminderRow> rows = o.command == RemindersCommand::List
        ? BuildReminderRows(c.snapshot, c.hijri, c.today)
        : BuildUpcomingRows(
              c.snapshot, c.hijri, c.today, std::min(c.today + o.days, LastReminderDay()));
    const std::string text = FormatReminderTable(rows, o.format);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

// Writes what add or remove decided, after telling what the user should
// know; a refusal writes nothing.
int writeEdit(const ReminderEdit &edit, const Context &c)
{
    if (!edit.error.empty())
        return fail(edit.error);
    for (const std::string &warning : edit.warnings)
        std::fprintf(stderr, "%s: warning: %s\n", kProgram, TerminalText(warning).c_str());
    std::string error;
    if (!WriteProfileEntries(c.profile, edit.changes, error))
        return fail(error);
    return 0;
}

int add(const RemindersOptions &o, const Context &c)
{
    const AddRequest request{o.arguments[0], o.arguments[1], o.hour, o.minute, o.every, o.notice};
    return writeEdit(AddReminderEdit(request, c.snapshot, c.hijri, c.today), c);
}

int remove(const RemindersOptions &o, const Context &c)
{
    return writeEdit(RemoveReminderEdit(o.arguments[0], c.snapshot), c);
}

int exportCalendar(const RemindersOptions &o, const Context &c)
{
    std::string problem;
    if (o.rscale && o.years)
        return fail(Translate("RemindersProgram",
            "--years does not apply to export --rscale: its events repeat without end"));
    if (o.rscale && !RscaleNameOf(c.hijri, problem))
        return fail(FillSentence(Translate("RemindersProgram",
                                     "cannot export repeating events: %1; export without --rscale "
                                     "lists every day a reminder falls due instead"),
            {problem}));
    warnAboutMonthStarts(c);
    ICalendarExport what;
    what.firstDay = c.today;
    if (!o.from.empty()) {
        YearMonthDay from;
        std::string error;
        // ParseDate's reasons name the input already.
        if (!ParseDate(o.from, from, error))
            return fail(FillSentence(Translate("RemindersProgram", "--from %1"), {error}));
        if (!CheckDate(c.hijri, CalendarKind::Christian, from, error))
            return fail(FillSentence(
                Translate("RemindersProgram", "--from %1: %2"), {QuoteInput(o.from), error}));
        what.firstDay = ChristianDayNumber(from);
    }
    what.lastDay = ExportLastDay(what.firstDay, o.years.value_or(5));
    what.stamp = c.now;
    what.timeZone = LocalTimeZoneName(std::getenv("TZ"));
    std::string text;
    {
        // The file is for other programs: the same in every language.
        const CUntranslated english;
        text = o.rscale ? ExportRepeatingReminders(c.snapshot, c.hijri, what)
                        : ExportRemindersToICalendar(c.snapshot, c.hijri, what);
    }
    if (o.output.empty() || o.output == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    // Neither the profile in use nor the desktop program's is ever written
    // here, whatever name or link leads there.
    OutputRules rules;
    rules.profiles = {c.profile, desktopProfile()};
    std::string error;
    if (!WriteOutputFile(o.output, text, rules, error))
        return fail(error);
    return 0;
}

int run(const RemindersOptions &o)
{
    Context context;
    std::string error;
    if (!readClock(context, error) || !readProfile(o, context, error))
        return fail(error);
    switch (o.command) {
    case RemindersCommand::List:
    case RemindersCommand::Upcoming:
        return list(o, context);
    case RemindersCommand::Add:
        return add(o, context);
    case RemindersCommand::Remove:
        return remove(o, context);
    case RemindersCommand::Export:
        return exportCalendar(o, context);
    case RemindersCommand::Publish:
        warnAboutMonthStarts(context);
        return PublishCommand(o, context.snapshot, context.hijri, context.today, context.now);
    default:
        return kError;
    }
}

} // namespace

int main(int argc, char **argv)
{
    InstallLanguage(LanguageOfEnvironment());
    RemindersOptions options;
    std::string error;
    if (!ParseRemindersOptions(argc, argv, options, error)) {
        const std::string text = FillSentence(
            Translate("RemindersProgram", "%1: %2\nTry '%3 --help' for more information."),
            {kProgram, TerminalText(error), kProgram});
        std::fprintf(stderr, "%s\n", text.c_str());
        return kError;
    }
    if (options.command == RemindersCommand::Help) {
        std::fputs(Translate("RemindersProgram", kHelp).c_str(), stdout);
        return 0;
    }
    if (options.command == RemindersCommand::Version) {
        std::printf("%s %s\n", kProgram, ZAMANIX_VERSION);
        return 0;
    }
    int status = 0;
    try {
        status = run(options);
    } catch (const std::exception &failure) {
        // ICU failing on a date far from those checked at the start.
        std::fflush(stdout);
        return fail(failure.what());
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return fail(Translate("RemindersProgram", "could not write the output"));
    return status;
}
