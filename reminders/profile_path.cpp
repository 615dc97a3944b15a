#include "reminders/profile_path.h"

namespace {

bool isAbsoluteFolder(const char *value)
{
    return value != nullptr && std::filesystem::path(value).is_absolute();
}

} // namespace

std::filesystem::path ProfilePath(
    const std::filesystem::path &executable, const char *xdgConfigHome, const char *home)
{
    // The file name first: a dot in a folder name is no extension.
    std::filesystem::path name = executable.filename().stem();
    if (name.empty())
        return {};
    name += ".INI";
    if (isAbsoluteFolder(xdgConfigHome))
        return std::filesystem::path(xdgConfigHome) / name;
    if (isAbsoluteFolder(home))
        return std::filesystem::path(home) / ".config" / name;
    return {};
}
