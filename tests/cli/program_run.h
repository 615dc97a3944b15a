// Runs a program of the build with exact arguments (no shell between) and
// an environment of its own; what it printed and its exit status.
#pragma once

#include "tests/reminders/temp_folder.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

struct ProgramOutcome {
    std::string out, err;
    int status = -1;
};

// `folder` takes the output files; `env` is the whole environment.
inline ProgramOutcome RunProgram(std::vector<std::string> args, std::vector<std::string> env,
    const std::filesystem::path &folder)
{
    const std::string out = (folder / "out").string(), err = (folder / "err").string();
    const pid_t pid = fork();
    if (pid == 0) {
        clearenv();
        for (std::string &e : env)
            putenv(e.data());
        dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int raw = 0;
    waitpid(pid, &raw, 0);
    return {ReadBytes(out), ReadBytes(err), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}
