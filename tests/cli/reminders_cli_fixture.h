// zamanix-reminders run as a user runs it, on a profile of the test's own,
// at a clock of the test's own.
#pragma once

#include "tests/cli/program_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Monday 7 December 2026, 12:00 UTC.
constexpr const char *kNow = "ZAMANIX_REMINDERS_NOW=1796644800";

using Outcome = ProgramOutcome;

class RemindersCliTest : public testing::Test {
protected:
    std::filesystem::path Profile() const { return m_folder / "zamanix.INI"; }

    void WriteProfile(const std::string &text)
    {
        std::ofstream(Profile(), std::ios::binary) << text;
    }

    // The program with `args`, the profile given unless `ownProfile`; TZ is
    // UTC unless `env` sets it.
    Outcome Start(
        std::vector<std::string> args, std::vector<std::string> env = {}, bool ownProfile = true)
    {
        if (ownProfile)
            args.insert(args.begin(), {"--profile", Profile().string()});
        args.insert(args.begin(), ZAMANIX_BINARY_DIR "/zamanix-reminders");
        env.insert(env.begin(), {"TZ=UTC", "LC_ALL=C", kNow});
        return RunProgram(args, env, m_folder.Path());
    }

    CTempFolder m_folder;
};
