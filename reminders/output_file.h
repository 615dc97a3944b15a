// Writing a program's output (an export) to the file the user names, as a
// Linux program is expected to: a file is replaced whole and atomically,
// through symbolic links the file they lead to; a pipe or a terminal is
// written as a stream, never replaced, and a descriptor of this process
// named by its path ("/dev/stdout", "/dev/fd/3") is written through, so
// that a file a shell opened to append keeps what it holds; a folder, a
// device or a socket is refused, and so is every file of the profile
// (profile_files.h).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct OutputRules {
    // The profiles whose files are refused, by any name or link.
    std::vector<std::filesystem::path> profiles;
    // Whether a pipe that no program reads yet is waited for, as a shell's
    // redirection waits; without, it is refused at once, so that a window
    // is never held.
    bool waitForReader = true;
};

// Writes `bytes` to `file` by the rules above. False, with `error` saying
// what is wrong in words fit to show the user, when it was refused or
// failed; a refused file is left as it was.
bool WriteOutputFile(const std::filesystem::path &file, std::string_view bytes,
    const OutputRules &rules, std::string &error);
