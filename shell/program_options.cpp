#include "shell/program_options.h"

#include "text/sentence.h"
#include "text/translate.h"

#include <cerrno>
#include <cstring>

namespace {

const char *const kUsage = ZX_TRANSLATE_NOOP("ProgramOptions", R"(Usage:
  zamanix [FILE]
  zamanix --minimized
  zamanix -p FILE
  zamanix -pt FILE PRINTER
  zamanix --help | --version

Converts dates between the Hijri and the Christian calendar, shows today in
both, and keeps a reminder memo with an alarm for any day of either calendar.

Options:
  FILE              open FILE as the document; nothing is read from it
  --minimized       start with the window minimized, as at login; when
                    Zamanix runs already, do nothing
  -p FILE           open FILE, print the form on the default printer, exit
  -pt FILE PRINTER  the same on PRINTER
  -h, --help        show this help and exit
  --version         show the version and exit
Qt's standard options, such as -platform NAME and -style NAME, are accepted.

Zamanix runs once per desktop session: while it runs, a start without -p or
-pt shows its window (and opens FILE there) and ends.

Reminders and settings are kept in $XDG_CONFIG_HOME/zamanix.INI (by default
~/.config/zamanix.INI). See zamanix(1).
)");

// 0 when the answer was written; otherwise says so on stderr, 1.
int finish(std::FILE *out)
{
    if (std::fflush(out) == 0 && !std::ferror(out))
        return 0;
    const std::string message =
        FillSentence(Translate("ProgramOptions", "zamanix: cannot write the answer: %1"),
            {std::strerror(errno)});
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

} // namespace

std::optional<int> AnswerInformationOption(int argc, char **argv, std::FILE *out)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Translate("ProgramOptions", kUsage).c_str(), out);
            return finish(out);
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fprintf(out, "zamanix %s\n", ZAMANIX_VERSION);
            return finish(out);
        }
    }
    return std::nullopt;
}
