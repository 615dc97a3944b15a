#include "shell/login_start.h"

#include "reminders/atomic_file.h"
#include "reminders/profile_path.h"
#include "shell/desktop_entry.h"
#include "text/translate.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace {

// The program as the first argument of Exec: in double quotes, where `"`,
// `` ` ``, `$` and `\` take a backslash and `%` is doubled; then, as in
// every string value, each backslash is written twice.
std::string execProgram(const std::string &program)
{
    std::string quoted = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += "\\\\";
        else if (c == '%')
            quoted += '%';
        quoted += c == '\\' ? "\\\\" : std::string(1, c);
    }
    return quoted + '"';
}

bool startsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

} // namespace

std::filesystem::path AutostartEntryPath(
    const char *xdgConfigHome, const char *home, std::string_view appId)
{
    const std::filesystem::path folder = ConfigFolder(xdgConfigHome, home);
    if (folder.empty())
        return {};
    return folder / "autostart" / (std::string(appId) + ".desktop");
}

std::string AutostartEntryText(std::string_view entry, const std::string &program)
{
    for (const char c : program)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return {};
    std::string text;
    bool inMainGroup = false;
    std::istringstream lines{std::string(entry)};
    for (std::string line; std::getline(lines, line);) {
        if (startsWith(line, "["))
            inMainGroup = line == "[Desktop Entry]";
        else if (inMainGroup && startsWith(line, "DBusActivatable="))
            continue;
        else if (inMainGroup && startsWith(line, "Exec="))
            line = "Exec=" + execProgram(program) + " --minimized";
        text += line + '\n';
    }
    return text;
}

std::string InstalledDesktopEntry(const std::filesystem::path &program, std::string_view appId)
{
    const std::filesystem::path beside = program.parent_path().parent_path() / "share" /
        "applications" / (std::string(appId) + ".desktop");
    std::ifstream file(beside, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return file && !text.empty() ? text : std::string(kBuiltDesktopEntry);
}

bool WriteAutostartEntry(
    const std::filesystem::path &file, std::string_view text, std::string &error)
{
    return CreateFolders(file.parent_path(), error) && ReplaceFileAtomically(file, text, error);
}

bool RemoveAutostartEntry(const std::filesystem::path &file, std::string &error)
{
    std::error_code failure;
    std::filesystem::remove(file, failure);
    if (!failure)
        return true;
    error = FileError(Translate("Files", "cannot remove \"%1\": %2"), file, failure.value());
    return false;
}
