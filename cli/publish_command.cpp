#include "cli/publish_command.h"

#include "agenda/ical_export.h"
#include "cli/date_text.h"
#include "reminders/server_settings.h"
#include "sync/publish.h"
#include "sync/server_password.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

namespace {

constexpr int kServerFailed = 1;
constexpr int kBadInput = 2;

int tell(int status, const std::string &message)
{
    std::fprintf(stderr, "zamanix-reminders: %s\n", message.c_str());
    return status;
}

// The password: the file's first line, else the keyring's; false, with
// `error` saying what to do, when neither gives one.
bool findPassword(const RemindersOptions &o, const CalendarServer &server, std::string &password,
    std::string &error)
{
    if (o.passwordFile)
        return ReadPasswordLine(*o.passwordFile, password, error);
    if (server.user.empty())
        return true; // no user, no password: the server asks for none
    const KeyringPassword kept = ReadKeyringPassword(server.url, server.user);
    if (kept.answer == KeyringPassword::Found) {
        password = kept.password;
        return true;
    }
    error = kept.answer == KeyringPassword::NotFound
        ? FillSentence(Translate("RemindersProgram",
                           "the keyring holds no password for \"%1\" at %2; give it with "
                           "--password-file FILE (- reads standard input)"),
              {server.user, server.url})
        : FillSentence(Translate("RemindersProgram",
                           "no keyring answered to give the password for \"%1\" at %2 (%3); "
                           "give it with --password-file FILE (- reads standard input)"),
              {server.user, server.url, kept.problem});
    return false;
}

} // namespace

bool ReadPasswordLine(const std::string &file, std::string &password, std::string &error)
{
    std::ifstream opened;
    if (file != "-")
        opened.open(file, std::ios::binary);
    std::istream &in = file == "-" ? std::cin : opened;
    if (!in || !std::getline(in, password)) {
        const bool empty = in.eof() && !in.bad();
        const std::string why =
            empty ? Translate("RemindersProgram", "it is empty") : std::strerror(errno);
        error = file == "-"
            ? FillSentence(
                  Translate("RemindersProgram", "cannot read the password from standard input: %1"),
                  {why})
            : FillSentence(Translate("RemindersProgram", "cannot read the password from %1: %2"),
                  {QuoteInput(file), why});
        return false;
    }
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return true;
}

int PublishCommand(const RemindersOptions &o, const CProfileSnapshot &profile,
    const CHijriCalendar &hijri, int today, std::time_t now)
{
    const CalendarServerSettings kept = ReadCalendarServerSettings(profile);
    CalendarServer server{o.url.value_or(kept.url), o.user.value_or(kept.user), {}};
    std::string error;
    if (server.url.empty())
        return tell(kBadInput,
            Translate("RemindersProgram",
                "no calendar server is set up: give --url URL (and --user NAME), or keep them in "
                "the profile as URL= and User= under [CalendarServer]"));
    if (!CheckCalendarUrl(server.url, error) || !findPassword(o, server, server.password, error))
        return tell(kBadInput, error);

    std::vector<ReminderEventObject> events;
    {
        // The events are for other programs: the same in every language.
        const CUntranslated english;
        events = EventsToPublish(profile, hijri, today, now, o.years.value_or(kept.years),
            LocalTimeZoneName(std::getenv("TZ")));
    }
    const PublishResult result = PublishReminderEvents(server, std::move(events));
    if (!result.Succeeded())
        return tell(kServerFailed,
            FillSentence(Translate("RemindersProgram", "cannot publish to %1: %2"),
                {server.url, result.message}));
    std::printf("%s\n",
        FillSentence(
            Translate("RemindersProgram", "published to %1: %2"), {server.url, result.Summary()})
            .c_str());
    return 0;
}
