// Where the profile lives: the user's configuration folder, and a file named
// after the program.
#pragma once

#include <filesystem>
#include <string>

// The desktop program's name, after which its profile is named; the
// command-line programs read and change that profile.
inline constexpr const char *kDesktopProgramName = "zamanix";

// The user's configuration folder: `$XDG_CONFIG_HOME` when it is set to an
// absolute folder, else `$HOME/.config`; empty when neither gives one. The
// arguments are the variables' values, null when unset.
std::filesystem::path ConfigFolder(const char *xdgConfigHome, const char *home);

// ConfigFolder(), then the executable's file name without its extension and
// ".INI": "/home/a.b/bin/zamanix" gives ".../zamanix.INI". The result is
// empty when there is no folder or the executable has no file name.
std::filesystem::path ProfilePath(
    const std::filesystem::path &executable, const char *xdgConfigHome, const char *home);

// The desktop program's profile, which the command-line programs read and
// change: ProfilePath of kDesktopProgramName.
std::filesystem::path DesktopProfilePath(const char *xdgConfigHome, const char *home);

// Why ProfilePath gives no file, in words fit to show the user, naming the
// variables to set; empty when it gives one.
std::string ProfilePathProblem(
    const std::filesystem::path &executable, const char *xdgConfigHome, const char *home);
