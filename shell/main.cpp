#include "framework/font_warmup.h"
#include "framework/session_bus.h"
#include "language/translations.h"
#include "resources/resources.h"
#include "shell/program_options.h"
#include "shell/zamanix_app.h"

#include <QGuiApplication>

#include <malloc.h>

// The one application object.
CZamanixApp theApp;

int main(int argc, char **argv)
{
    // --help answers in the desktop's language too.
    InstallLanguage(LanguageOfEnvironment());
    if (const std::optional<int> status = AnswerInformationOption(argc, argv, stdout))
        return *status;
    // One malloc arena for all threads: the start's font threads would
    // each keep an arena of their own, with what they freed, for the life
    // of the program.
    mallopt(M_ARENA_MAX, 1);
    WarmFontConfiguration();
    // A bus that takes connections and never answers would hold the start
    // for ever; asked first, it holds it two seconds at most.
    GuardSessionBus("zamanix", std::chrono::seconds(2));
    RegisterZamanixResources();
    // The name of the installed desktop entry, icons and metainfo: desktops
    // match the window to them by it (on Wayland, by nothing else).
    QGuiApplication::setDesktopFileName(QStringLiteral(ZAMANIX_APP_ID));
    theApp.KeepOneCopy();
    return theApp.Run(argc, argv);
}
