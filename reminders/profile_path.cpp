#include "reminders/profile_path.h"

namespace {

bool isAbsoluteFolder(const char *value)
{
    return value != nullptr && std::filesystem::path(value).is_absolute();
}

} // namespace

std::filesystem::path ConfigFolder(const char *xdgConfigHome, const char *home)
{
    if (isAbsoluteFolder(xdgConfigHome))
        return xdgConfigHome;
    if (isAbsoluteFolder(home))
        return std::filesystem::path(home) / ".config";
    return {};
}

std::filesystem::path ProfilePath(
    const std::filesystem::path &executable, const char *xdgConfigHome, const char *home)
{
    // The file name first: a dot in a folder name is no extension.
    std::filesystem::path name = executable.filename().stem();
    const std::filesystem::path folder = ConfigFolder(xdgConfigHome, home);
    if (name.empty() || folder.empty())
        return {};
    name += ".INI";
    return folder / name;
}

std::filesystem::path DesktopProfilePath(const char *xdgConfigHome, const char *home)
{
    return ProfilePath(kDesktopProgramName, xdgConfigHome, home);
}

std::string ProfilePathProblem(
    const std::filesystem::path &executable, const char *xdgConfigHome, const char *home)
{
    if (!ProfilePath(executable, xdgConfigHome, home).empty())
        return {};
    const std::string name = executable.filename().stem().string();
    if (name.empty())
        return "no profile file: the program's file name \"" + executable.string() +
            "\" gives it no name";
    const auto described = [](const char *variable, const char *value) {
        return std::string(variable) +
            (value == nullptr ? " is not set" : " is \"" + std::string(value) + "\"");
    };
    return "no folder for the profile file " + name + ".INI: it is kept in " +
        "$XDG_CONFIG_HOME or else in $HOME/.config, but " +
        described("XDG_CONFIG_HOME", xdgConfigHome) + " and " + described("HOME", home) +
        ". Set HOME (or XDG_CONFIG_HOME) to an absolute folder, such as your home folder, " +
        "and start the program again";
}
