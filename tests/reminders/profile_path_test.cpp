// Where the profile lives, and the names the program stores reminders under.
#include "reminders/profile_path.h"
#include "reminders/reminder_entries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ProfilePath, FromExecutableAndEnvironment)
{
    struct Case {
        const char *executable;
        const char *xdgConfigHome;
        const char *home;
        const char *expected;
    };
    const Case cases[] = {
        {"/usr/bin/zamanix", nullptr, "/home/amina", "/home/amina/.config/zamanix.INI"},
        {"/home/a.b/bin/zamanix", "/x/conf", "/home/a.b", "/x/conf/zamanix.INI"},
        {"./ZAMANIX.EXE", "", "/h", "/h/.config/ZAMANIX.INI"},
        {"zamanix.v2.bin", "relative/conf", "/h", "/h/.config/zamanix.v2.INI"},
        {"/usr/bin/zamanix", nullptr, nullptr, ""},
        {"/usr/bin/zamanix", nullptr, "relative", ""},
        {"/usr/bin/", "/x", "/h", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.executable) + " " + (c.xdgConfigHome ? c.xdgConfigHome : "-"));
        EXPECT_EQ(ProfilePath(c.executable, c.xdgConfigHome, c.home).string(), c.expected);
        // Without a path, the reason says what to set; with one, there is none.
        const std::string problem = ProfilePathProblem(c.executable, c.xdgConfigHome, c.home);
        EXPECT_EQ(problem.empty(), *c.expected != '\0') << problem;
    }
}

TEST(ProfilePath, TheProblemNamesWhatToSet)
{
    const struct {
        const char *name;
        const char *executable, *xdgConfigHome, *home;
        std::vector<const char *> said;
    } cases[] = {
        {"nothing set", "/usr/bin/zamanix", nullptr, nullptr,
            {"zamanix.INI", "HOME is not set", "XDG_CONFIG_HOME is not set", "Set HOME"}},
        {"relative folders", "/usr/bin/zamanix", "conf", "home",
            {"XDG_CONFIG_HOME is \"conf\"", "HOME is \"home\"", "absolute folder"}},
        {"no file name", "/usr/bin/", nullptr, "/h", {"file name", "/usr/bin/"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string problem = ProfilePathProblem(c.executable, c.xdgConfigHome, c.home);
        for (const char *words : c.said)
            EXPECT_NE(problem.find(words), std::string::npos) << words << " in: " << problem;
    }
}

TEST(ReminderEntries, KeysAndAudio)
{
    EXPECT_EQ(ReminderKey("Ramadhan", "05"), "Ramadhan/05");
    EXPECT_NE(ReminderKey("Ramadhan", "5"), ReminderKey("Ramadhan", "05"));
    EXPECT_EQ(ReminderKey("Rabi'ul Awwal", ""), "Rabi'ul Awwal/");
    EXPECT_FALSE(AudioIsOn("OFF"));
    for (const char *on : {"ON", "off", "Off", "", " OFF", "OFF "})
        EXPECT_TRUE(AudioIsOn(on)) << on;
}

} // namespace
