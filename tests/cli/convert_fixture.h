// Runs the converter as a user runs it: arguments, standard input, what
// comes out on standard output and standard error, and the exit status.
// Each run has a folder of its own as its configuration folder, UTC as its
// time zone and the C locale.
#pragma once

#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>

struct RunResult {
    std::string out, err;
    int status = -1;
};

class ConvertTest : public testing::Test {
protected:
    // `env` holds more NAME=value words for the program's environment.
    RunResult run(
        const std::string &args, const std::string &input = "", const std::string &env = "")
    {
        std::ofstream(m_dir + "/in", std::ios::binary) << input;
        return runFrom(args, m_dir + "/in", env);
    }

    // Standard input from the file (or folder) at `path`.
    RunResult runFrom(const std::string &args, const std::string &path, const std::string &env = "")
    {
        const std::string command = "TZ=UTC LC_ALL=C XDG_CONFIG_HOME='" + m_dir + "/config' " +
            env + " '" ZAMANIX_BINARY_DIR "/zamanix-convert' " + args + " < '" + path + "' > '" +
            m_dir + "/out' 2> '" + m_dir + "/err'";
        const int raw = std::system(command.c_str());
        RunResult r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = ReadBytes(m_dir + "/out");
        r.err = ReadBytes(m_dir + "/err");
        return r;
    }

    // The answer `out`, and nothing on standard error.
    void expectAnswer(const std::string &args, const std::string &input, const std::string &out,
        const std::string &env = "")
    {
        const RunResult r = run(args, input, env);
        EXPECT_EQ(r.out, out);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
    }

    // No answer at all, status 2, and `err` as the first line of standard
    // error.
    void expectRefusal(const std::string &args, const std::string &err)
    {
        const RunResult r = run(args);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), err);
        EXPECT_EQ(r.out, "") << "no answer for bad input";
        EXPECT_EQ(r.status, 2);
    }

    CTempFolder m_folder;
    const std::string m_dir = m_folder.Path().string();
};

struct RefusalCase {
    const char *args;
    const char *err; // the first line of standard error
};
