// ICU failing to give the calendars that Umm al-Qura and the tabular rule
// are built from (icu_failure_shim.cpp): the desktop program says what
// failed and goes on with the astronomical rule; the command-line programs
// say it and end with status 2.
#include "tests/cli/program_run.h"
#include "tests/form/form_fixture.h"

#include "reminders/reminder_entries.h"

namespace {

class IcuFailureTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        m_now = At(2026, 2, 18, 9, 0); // 30 Sha'ban 1447 by the new moons
    }
};

TEST_F(IcuFailureTest, TheDesktopProgramSaysSoAndGoesOnWithTheAstronomicalRule)
{
    Store("Defaults", "HijriCalendar", "umalqura");
    Store("Defaults", "HijriAdjust", "1");
    Start();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text,
        "Zamanix cannot compute the Umm al-Qura calendar: ICU has no calendar "
        "islamic-umalqura.\n\nIt goes on with the Astronomical calendar; Options > Hijri "
        "Calendar chooses another.");
    EXPECT_EQ(View()->GetHijriCalendar(), CHijriCalendar(HijriRule::Astronomical, 1));
    EXPECT_EQ(FormText(IDC_DATENOW), "Wednesday February 18, 2026 - 1 Ramadhan 1447");

    // Choosing a rule that ICU cannot give changes nothing, and writes nothing.
    const std::string before = ReadBytes(m_profile);
    Frame()->GetMenu()->FindItem(ID_OPTIONS_HIJRI_CIVIL)->trigger();
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text.rfind("Zamanix cannot compute the Tabular (civil) calendar", 0), 0u)
        << m_boxes[1].text;
    EXPECT_EQ(View()->GetHijriCalendar().Rule(), HijriRule::Astronomical);
    EXPECT_EQ(ReadBytes(m_profile), before);
}

TEST_F(IcuFailureTest, TheCommandLineProgramsSaySoAndEndWithStatus2)
{
    Store("Defaults", "HijriCalendar", "civil");
    const std::vector<std::string> env = {"LD_PRELOAD=" ZAMANIX_ICU_FAILURE,
        // The sanitizers' runtime would refuse to come after a preloaded library.
        "ASAN_OPTIONS=verify_asan_link_order=0", "HOME=" + m_dir.string(),
        "XDG_CONFIG_HOME=" + m_dir.string(), "TZ=UTC", "LC_ALL=C"};
    const std::string convert = ZAMANIX_BINARY_DIR "/zamanix-convert";
    const std::string reminders = ZAMANIX_BINARY_DIR "/zamanix-reminders";
    const struct {
        const char *name;
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {"a rule ICU computes", {convert, "--calendar", "umalqura", "2026-02-18"}, 2,
            "zamanix-convert: the Umm al-Qura calendar cannot be computed: ICU has no calendar "
            "islamic-umalqura\n"},
        {"the profile's rule", {convert, "--use-settings", "--batch"}, 2,
            "zamanix-convert: the Tabular (civil) calendar cannot be computed: ICU has no "
            "calendar islamic-civil\n"},
        {"the astronomical rule needs no ICU", {convert, "--format", "iso", "2026-02-18"}, 0, ""},
        {"zamanix-reminders", {reminders, "list"}, 2,
            "zamanix-reminders: the Tabular (civil) calendar cannot be computed: ICU has no "
            "calendar islamic-civil\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramOutcome run = RunProgram(c.args, env, m_dir);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
    }
}

} // namespace
