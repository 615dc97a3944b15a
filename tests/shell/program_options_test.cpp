// zamanix --help and --version answer like any Linux program, before a
// window exists: the program runs here with no display to open one on.
#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs the built program with no display (X11 asked for, none to be had) and
// standard output into outTo, or into a file that is read back.
Outcome runWithoutDisplay(const std::string &args, const std::string &outTo = "")
{
    const CTempFolder dir;
    const std::filesystem::path out = dir / "out", err = dir / "err";
    // A program that opened a window after all would run on: 20 s ends it.
    const std::string command =
        "timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '" +
        std::string(ZAMANIX_BINARY_DIR) + "/zamanix' " + args + " >" +
        (outTo.empty() ? out.string() : outTo) + " 2>" + err.string() + " </dev/null";
    const int result = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(result) ? WEXITSTATUS(result) : 128 + WTERMSIG(result);
    outcome.out = ReadBytes(out);
    outcome.err = ReadBytes(err);
    return outcome;
}

TEST(ProgramOptions, HelpAndVersionAnswerWithoutAWindow)
{
    const std::string version = "zamanix " ZAMANIX_VERSION "\n";
    const struct {
        const char *args;
        const char *firstLine; // of standard output
    } cases[] = {
        {"--version", version.c_str()},
        {"--help", "Usage:\n"},
        {"-h", "Usage:\n"},
        {"--version --help", version.c_str()},
        {"-p some.zam --help", "Usage:\n"},
        {"-platform offscreen --version", version.c_str()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args);
        const Outcome o = runWithoutDisplay(c.args);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.err, "");
        EXPECT_EQ(o.out.substr(0, o.out.find('\n') + 1), c.firstLine);
    }
    const std::string help = runWithoutDisplay("--help").out;
    for (const char *option : {"zamanix [FILE]", "-p FILE", "-pt FILE PRINTER", "--version"})
        EXPECT_NE(help.find(option), std::string::npos) << option << " in\n" << help;
}

TEST(ProgramOptions, AnAnswerThatCannotBeWrittenIsAFailure)
{
    for (const char *option : {"--version", "--help"}) {
        SCOPED_TRACE(option);
        const Outcome o = runWithoutDisplay(option, "/dev/full");
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find("zamanix: cannot write"), std::string::npos) << o.err;
    }
}

} // namespace
