// Where the profile lives, and the names the program stores reminders under.
#include "reminders/profile_path.h"
#include "reminders/reminder_entries.h"

#include <gtest/gtest.h>

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
