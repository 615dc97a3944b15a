// Main of the tests that need Qt widgets: Qt's offscreen platform (no X
// server), a fixed time zone, the C locale or the one ZAMANIX_TEST_LOCALE
// names, whose language the program then speaks as it would at start, and
// the program's resources.
#include "framework/desktop_language.h"
#include "resources/resources.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <unistd.h>
#include <vector>

#ifdef ZAMANIX_TEST_PRIVATE_BUS
namespace {

// Runs the tests again inside a session bus of their own, started by
// dbus-run-session: the desktop's bus, where a real notification service may
// own the names, is never used. Returns only when that cannot be done; the
// tests that need a bus then skip.
void reenterOnAPrivateBus(int argc, char **argv)
{
    if (std::getenv("ZAMANIX_TEST_PRIVATE_BUS"))
        return; // this is the run inside
    setenv("ZAMANIX_TEST_PRIVATE_BUS", "1", 1);
    std::vector<char *> command = {
        const_cast<char *>("dbus-run-session"), const_cast<char *>("--")};
    command.insert(command.end(), argv, argv + argc);
    command.push_back(nullptr);
    execvp(command[0], command.data());
    unsetenv("ZAMANIX_TEST_PRIVATE_BUS");
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace
#endif

int main(int argc, char **argv)
{
#ifdef ZAMANIX_TEST_PRIVATE_BUS
    reenterOnAPrivateBus(argc, argv);
#endif
    const char *locale = std::getenv("ZAMANIX_TEST_LOCALE");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TZ", "UTC", 1);
    setenv("LC_ALL", locale && *locale ? locale : "C", 1);
    unsetenv("LANGUAGE"); // the desktop's list of languages would outrank the locale
    tzset();
    std::setlocale(LC_ALL, "");
    QApplication application(argc, argv);
    ApplyProgramLanguage(LanguageOfEnvironment());
    RegisterZamanixResources();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
