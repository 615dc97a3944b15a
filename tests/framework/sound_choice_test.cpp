// Which sound an alarm asks for: the sound file found along the search path,
// or the sound theme's alarm when there is none to play.
#include "framework/sound.h"
#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class SoundChoiceTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char *folder : {"cwd", "bin", "data", "empty"})
            fs::create_directories(m_dir / folder);
        std::ofstream(m_dir / "bin/Reminder.wav") << "RIFF";
        std::ofstream(m_dir / "data/Reminder.wav") << "RIFF";
        std::ofstream(m_dir / "data/Other.wav") << "RIFF";
        fs::create_directories(m_dir / "cwd/Folder.wav");
        fs::create_symlink(m_dir / "nowhere.wav", m_dir / "cwd/Dangling.wav");
        fs::create_symlink(m_dir / "data/Other.wav", m_dir / "cwd/Linked.wav");
    }

    CTempFolder m_folder;
    const fs::path m_dir = m_folder.Path();
};

TEST_F(SoundChoiceTest, TheFileFoundFirstOrElseTheThemesAlarm)
{
    const std::vector<fs::path> path = {m_dir / "cwd", m_dir / "bin", m_dir / "data"};
    const struct {
        const char *name;
        const char *file;
        std::vector<fs::path> searchPath;
        const char *found; // relative to the folder, "" for the theme's alarm
    } cases[] = {
        {"the first folder that has it", "Reminder.wav", path, "bin/Reminder.wav"},
        {"found in a later folder only", "Other.wav", path, "data/Other.wav"},
        {"a link to a sound is followed", "Linked.wav", path, "cwd/Linked.wav"},
        {"missing everywhere", "Missing.wav", path, ""},
        {"a folder of that name is no sound", "Folder.wav", path, ""},
        {"a link to nothing is no sound", "Dangling.wav", path, ""},
        {"an empty search path", "Reminder.wav", {}, ""},
        {"folders without it", "Reminder.wav", {m_dir / "empty", m_dir / "gone"}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SoundChoice choice = ChooseSound(c.file, c.searchPath);
        if (*c.found) {
            EXPECT_EQ(choice.file, m_dir / c.found);
            EXPECT_EQ(choice.eventId, "") << "one sound, not both";
        } else {
            EXPECT_EQ(choice.file, fs::path());
            EXPECT_EQ(choice.eventId, "alarm-clock-elapsed");
        }
    }
}

} // namespace
