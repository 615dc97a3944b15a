#include "reminders/profile_path.h"

#include "text/sentence.h"
#include "text/translate.h"

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
        return FillSentence(
            Translate("Files", "no profile file: the program's file name \"%1\" gives it no name"),
            {executable.string()});
    const auto described = [](const char *variable, const char *value) {
        return value == nullptr
            ? FillSentence(Translate("Files", "%1 is not set"), {variable})
            : FillSentence(Translate("Files", "%1 is \"%2\""), {variable, value});
    };
    return FillSentence(Translate("Files",
                            "no folder for the profile file %1.INI: it is kept in "
                            "$XDG_CONFIG_HOME or else in $HOME/.config, but %2 and %3. Set HOME "
                            "(or XDG_CONFIG_HOME) to an absolute folder, such as your home "
                            "folder, and start the program again"),
        {name, described("XDG_CONFIG_HOME", xdgConfigHome), described("HOME", home)});
}
