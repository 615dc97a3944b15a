// Start at Login: the autostart entry that Options > Start at Login writes
// and removes, as the desktop's own validator reads it, and the minimized
// start it asks for.
#include "tests/form/form_fixture.h"
#include "tests/reminders/temp_folder.h"

#include "resources/resource.h"
#include "shell/login_start.h"
#include "shell/zamanix_app.h"

#include <QAction>
#include <QCoreApplication>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

namespace {

const char kAppId[] = "org.zamanix.zamanix";

std::string readAll(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What desktop-file-validate says of the file; empty when it accepts it
// without a word.
std::string validatorComplaints(const std::filesystem::path &file)
{
    const std::filesystem::path out = file.parent_path() / "validator.out";
    const std::string command = std::string(ZAMANIX_DESKTOP_FILE_VALIDATE) + " '" + file.string() +
        "' >'" + out.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    const std::string said = readAll(out);
    return status == 0 ? said : "status " + std::to_string(status) + ": " + said;
}

std::string execLine(const std::string &entry)
{
    const std::size_t at = entry.find("\nExec=");
    return at == std::string::npos ? "" : entry.substr(at + 1, entry.find('\n', at + 1) - at - 1);
}

TEST(AutostartEntry, InTheConfigurationFolder)
{
    const struct {
        const char *xdgConfigHome, *home, *entry;
    } cases[] = {
        {"/cfg", "/home/u", "/cfg/autostart/org.zamanix.zamanix.desktop"},
        {"relative/cfg", "/home/u", "/home/u/.config/autostart/org.zamanix.zamanix.desktop"},
        {nullptr, "/home/u", "/home/u/.config/autostart/org.zamanix.zamanix.desktop"},
        {nullptr, nullptr, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(AutostartEntryPath(c.xdgConfigHome, c.home, kAppId).string(), c.entry);
    }
}

TEST(AutostartEntry, StartsThisVeryProgramAndTheValidatorAcceptsIt)
{
    const CTempFolder dir;
    const std::string installed = InstalledDesktopEntry("/nowhere/bin/zamanix", kAppId);
    ASSERT_NE(installed.find("DBusActivatable=true"), std::string::npos)
        << "the built entry stands in for a missing installed one";
    const struct {
        const char *program;
        const char *exec; // as the entry's line holds it
    } cases[] = {
        {"/usr/bin/zamanix", R"(Exec="/usr/bin/zamanix" --minimized)"},
        {"/opt/My Apps/zamanix", R"(Exec="/opt/My Apps/zamanix" --minimized)"},
        // Quoting takes a backslash before " ` $ \, and a string value
        // doubles every backslash; % is doubled.
        {R"(/home/u/a"b$c`d\e%f/zamanix)",
            R"(Exec="/home/u/a\\"b\\$c\\`d\\\\e%%f/zamanix" --minimized)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.program);
        const std::string entry = AutostartEntryText(installed, c.program);
        EXPECT_EQ(execLine(entry), c.exec);
        EXPECT_EQ(entry.find("DBusActivatable"), std::string::npos)
            << "the session starts the program, not the bus";
        EXPECT_NE(entry.find("\nIcon=org.zamanix.zamanix\n"), std::string::npos);
        const std::filesystem::path file = dir.Path() / "org.zamanix.zamanix.desktop";
        std::ofstream(file, std::ios::binary) << entry;
        EXPECT_EQ(validatorComplaints(file), "");
    }
    EXPECT_EQ(AutostartEntryText(installed, "/tmp/line\nbreak/zamanix"), "")
        << "a path an entry cannot hold is refused";
}

TEST(AutostartEntry, OnlyTheMainGroupChanges)
{
    const std::string entry = AutostartEntryText("[Desktop Entry]\nExec=zamanix %F\n"
                                                 "DBusActivatable=true\nName=Zamanix\n"
                                                 "[Desktop Action new]\nExec=zamanix --new\n"
                                                 "DBusActivatable=kept\n",
        "/usr/bin/zamanix");
    EXPECT_EQ(entry,
        "[Desktop Entry]\nExec=\"/usr/bin/zamanix\" --minimized\nName=Zamanix\n"
        "[Desktop Action new]\nExec=zamanix --new\nDBusActivatable=kept\n");
}

class StartAtLoginTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (const char *old = std::getenv("XDG_CONFIG_HOME"))
            m_oldConfig = old;
        setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1);
        m_entry = m_dir / "config" / "autostart" / "org.zamanix.zamanix.desktop";
    }
    void TearDown() override
    {
        if (m_oldConfig)
            setenv("XDG_CONFIG_HOME", m_oldConfig->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        ProgramTest::TearDown();
    }
    // The menu item as the Options menu shows it when it opens.
    bool Checked() const
    {
        Frame()->UpdateCommandUI();
        return Frame()->CommandAction(ID_OPTIONS_START_AT_LOGIN)->isChecked();
    }
    void Choose() const { Frame()->ExecuteCommand(ID_OPTIONS_START_AT_LOGIN); }

    std::optional<std::string> m_oldConfig;
    std::filesystem::path m_entry;
};

TEST_F(StartAtLoginTest, TheEntryComesAndGoesWithTheMenuItem)
{
    Start();
    EXPECT_FALSE(Checked());
    Choose();
    ASSERT_TRUE(std::filesystem::exists(m_entry));
    EXPECT_TRUE(Checked());
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    EXPECT_EQ(execLine(readAll(m_entry)), "Exec=\"" + program + "\" --minimized");
    EXPECT_EQ(validatorComplaints(m_entry), "");
    Choose();
    EXPECT_FALSE(std::filesystem::exists(m_entry));
    EXPECT_FALSE(Checked());
    EXPECT_TRUE(m_boxes.empty());

    // An entry made some other way counts as well.
    std::filesystem::create_directories(m_entry.parent_path());
    std::ofstream(m_entry) << "[Desktop Entry]\n";
    EXPECT_TRUE(Checked());
}

TEST_F(StartAtLoginTest, AFailureSaysWhatFailedWhere)
{
    const struct {
        const char *name;
        std::function<void(const std::filesystem::path &entry)> prepare;
        const char *says;
        bool checked; // after the failure
    } cases[] = {
        {"the autostart folder is a file",
            [](const std::filesystem::path &entry) {
                std::filesystem::create_directories(entry.parent_path().parent_path());
                std::ofstream(entry.parent_path()) << "not a folder";
            },
            "Zamanix could not be set to start at login:", false},
        {"the entry is a folder with files in it",
            [](const std::filesystem::path &entry) {
                std::filesystem::create_directories(entry);
                std::ofstream(entry / "x") << "x";
            },
            "Zamanix could not stop starting at login:", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(m_dir / "config");
        c.prepare(m_entry);
        m_boxes.clear();
        Start();
        Choose();
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_NE(m_boxes[0].text.find(c.says), CString::npos) << m_boxes[0].text;
        EXPECT_NE(m_boxes[0].text.find("autostart"), CString::npos) << "where";
        EXPECT_EQ(Checked(), c.checked);
        m_app.reset();
    }
}

TEST_F(StartAtLoginTest, TheStartAtLoginIsMinimized)
{
    for (const bool minimized : {false, true}) {
        SCOPED_TRACE(minimized ? "--minimized" : "a plain start");
        ASSERT_TRUE(StartWith(
            minimized ? std::vector<std::string>{"--minimized"} : std::vector<std::string>{}));
        EXPECT_TRUE(Frame()->GetMainWindow()->isVisible());
        EXPECT_EQ(Frame()->GetMainWindow()->isMinimized(), minimized);
        m_app.reset();
    }
}

} // namespace
