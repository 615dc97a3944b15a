#include "cli/reminders_options.h"

#include "agenda/day_reminders.h"
#include "agenda/sentence.h"
#include "reminders/reminder_entries.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

constexpr const char *kNoticeRange =
    ZX_TRANSLATE_NOOP("RemindersProgram", "--notice takes a number of days from 0 to %1, not %2");

struct CommandName {
    std::string_view name;
    RemindersCommand command;
    std::size_t arguments; // how many it takes
};

constexpr CommandName kCommands[] = {{"list", RemindersCommand::List, 0},
    {"upcoming", RemindersCommand::Upcoming, 0}, {"add", RemindersCommand::Add, 2},
    {"remove", RemindersCommand::Remove, 1}, {"export", RemindersCommand::Export, 0},
    {"publish", RemindersCommand::Publish, 0}};

// Options, with a value unless `flag`, and the commands each applies to
// (empty: all).
struct OptionName {
    std::string_view name;
    std::vector<RemindersCommand> commands;
    bool flag = false;
};

const OptionName kValueOptions[] = {{"--profile", {}}, {"--calendar", {}}, {"--adjust", {}},
    {"--format", {RemindersCommand::List, RemindersCommand::Upcoming}},
    {"--days", {RemindersCommand::Upcoming}}, {"--alarm", {RemindersCommand::Add}},
    {"--every", {RemindersCommand::Add}}, {"--notice", {RemindersCommand::Add}},
    {"--years", {RemindersCommand::Export, RemindersCommand::Publish}},
    {"--from", {RemindersCommand::Export}}, {"-o", {RemindersCommand::Export}},
    {"--output", {RemindersCommand::Export}}, {"--rscale", {RemindersCommand::Export}, true},
    {"--url", {RemindersCommand::Publish}}, {"--user", {RemindersCommand::Publish}},
    {"--password-file", {RemindersCommand::Publish}}};

bool parseNumber(std::string_view text, int low, int high, int &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
        value >= low && value <= high;
}

std::string quote(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

// Applies an option that any command takes; `error` says what is wrong
// with it. False when the option is not one of those.
bool applySharedValue(
    RemindersOptions &o, std::string_view name, std::string_view value, std::string &error)
{
    if (name == "--profile") {
        o.profile = value;
        if (value.empty())
            error = Translate("RemindersProgram", "--profile needs a file name");
    } else if (name == "--calendar") {
        if (!(o.rule = HijriRuleFromName(value)))
            error = FillSentence(Translate("RemindersProgram",
                                     "unknown calendar %1; use astronomical, umalqura or civil"),
                {quote(value)});
    } else if (name == "--adjust") {
        if (!(o.adjust = HijriAdjustFromText(value)))
            error = FillSentence(Translate("RemindersProgram",
                                     "adjustment %1 is not a whole number of days from -2 to 2"),
                {quote(value)});
    } else if (name == "--format") {
        if (value == "text" || value == "tsv")
            o.format = value == "tsv" ? TableFormat::Tsv : TableFormat::Text;
        else
            error =
                FillSentence(Translate("RemindersProgram", "unknown format %1; use text or tsv"),
                    {quote(value)});
    } else
        return false;
    return true;
}

// Applies an option that takes a value; `error` says what is wrong with it.
void applyValue(
    RemindersOptions &o, std::string_view name, std::string_view value, std::string &error)
{
    int number = 0, hour = 0, minute = 0;
    if (applySharedValue(o, name, value, error))
        return;
    if (name == "--days") {
        if (!parseNumber(value, 0, 36525, o.days))
            error = FillSentence(Translate("RemindersProgram",
                                     "--days takes a number of days from 0 to 36525, not %1"),
                {quote(value)});
    } else if (name == "--alarm") {
        if (!ParseAlarmTime(value, hour, minute))
            error = FillSentence(
                Translate("RemindersProgram", "--alarm takes a time from 00:00 to 23:59, not %1"),
                {quote(value)});
        o.hour = hour;
        o.minute = minute;
    } else if (name == "--every") {
        if (!parseNumber(value, 0, kMaxAlarmInterval, number))
            error = FillSentence(Translate("RemindersProgram",
                                     "--every takes a number of minutes from 0 to %1, not %2"),
                {std::to_string(kMaxAlarmInterval), quote(value)});
        o.every = number;
    } else if (name == "--notice") {
        if (!parseNumber(value, 0, kMaxNoticeDays, number))
            error = FillSentence(Translate("RemindersProgram", kNoticeRange),
                {std::to_string(kMaxNoticeDays), quote(value)});
        o.notice = number;
    } else if (name == "--years") {
        if (!parseNumber(value, 1, 100, number))
            error = FillSentence(Translate("RemindersProgram",
                                     "--years takes a number of years from 1 to 100, not %1"),
                {quote(value)});
        o.years = number;
    } else if (name == "--rscale")
        o.rscale = true;
    else if (name == "--url")
        o.url = value;
    else if (name == "--user")
        o.user = value;
    else if (name == "--password-file") {
        o.passwordFile = value;
        if (value.empty())
            error = Translate(
                "RemindersProgram", "--password-file needs a file name, or - for standard input");
    } else if (name == "--from")
        o.from = value;
    else
        o.output = value;
}

const OptionName *valueOption(std::string_view name)
{
    for (const OptionName &option : kValueOptions)
        if (option.name == name)
            return &option;
    return nullptr;
}

// Takes a word that is no option: the command, then its arguments.
bool takeWord(RemindersOptions &o, std::string_view word, std::string &error)
{
    if (o.command != RemindersCommand::None) {
        o.arguments.emplace_back(word);
        return true;
    }
    for (const CommandName &command : kCommands)
        if (command.name == word) {
            o.command = command.command;
            return true;
        }
    error =
        FillSentence(Translate("RemindersProgram",
                         "unknown command %1; use list, upcoming, add, remove, export or publish"),
            {quote(word)});
    return false;
}

bool checkCommand(
    const RemindersOptions &o, const std::vector<std::string_view> &given, std::string &error)
{
    if (o.command == RemindersCommand::None) {
        error = Translate("RemindersProgram",
            "no command given; use list, upcoming, add, remove, export or publish");
        return false;
    }
    for (const CommandName &command : kCommands)
        if (command.command == o.command && o.arguments.size() != command.arguments) {
            error = FillSentence(command.arguments == 0
                    ? Translate("RemindersProgram", "%1 takes no arguments")
                    : command.arguments == 1
                    ? Translate("RemindersProgram", "%1 takes one KEY")
                    : Translate("RemindersProgram", "%1 takes a KEY and a MEMO"),
                {command.name});
            return false;
        }
    for (const std::string_view name : given) {
        const OptionName *option = valueOption(name);
        if (!option->commands.empty() &&
            std::find(option->commands.begin(), option->commands.end(), o.command) ==
                option->commands.end()) {
            error = FillSentence(
                Translate("RemindersProgram", "option %1 does not apply to this command"), {name});
            return false;
        }
    }
    return true;
}

} // namespace

bool ParseAlarmTime(std::string_view text, int &hour, int &minute)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon > 2 || text.size() - colon - 1 != 2)
        return false;
    return parseNumber(text.substr(0, colon), 0, 23, hour) &&
        parseNumber(text.substr(colon + 1), 0, 59, minute) && text[0] != '+' && text[0] != '-';
}

bool ParseRemindersOptions(int argc, char **argv, RemindersOptions &o, std::string &error)
{
    std::vector<std::string_view> given;
    bool onlyWords = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (onlyWords || arg.size() < 2 || arg[0] != '-') {
            if (!takeWord(o, arg, error))
                return false;
            continue;
        }
        if (arg == "--") {
            onlyWords = true;
            continue;
        }
        if (arg == "-h" || arg == "--help" || arg == "--version") {
            o.command = arg == "--version" ? RemindersCommand::Version : RemindersCommand::Help;
            return true;
        }
        std::string_view name = arg, value;
        const std::size_t eq = arg.find('=');
        if (eq != std::string_view::npos && arg.starts_with("--")) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        const OptionName *option = valueOption(name);
        if (!option) {
            error = FillSentence(Translate("RemindersProgram", "unknown option %1"), {quote(arg)});
            return false;
        }
        if (option->flag && name != arg) {
            error = FillSentence(Translate("RemindersProgram", "option %1 takes no value"), {name});
            return false;
        }
        if (name == arg && !option->flag) {
            if (i + 1 >= argc) {
                error =
                    FillSentence(Translate("RemindersProgram", "option %1 needs a value"), {name});
                return false;
            }
            value = argv[++i];
        }
        given.push_back(name);
        applyValue(o, name, value, error);
        if (!error.empty())
            return false;
    }
    return checkCommand(o, given, error);
}
