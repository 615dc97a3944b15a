#include "framework/sound.h"

#include "framework/canberra_library.h"

#include <QCoreApplication>

#include <cstdlib>
#include <sstream>

namespace {

std::function<bool(const CString &)> s_player;

// The program's one context, made with the first sound; null where the
// library is missing or refuses it.
ca_context *context(const CanberraFunctions &canberra)
{
    static ca_context *shared = [&canberra] {
        ca_context *created = nullptr;
        if (canberra.create(&created) != CA_SUCCESS)
            return static_cast<ca_context *>(nullptr);
        canberra.changeProps(created, CA_PROP_APPLICATION_NAME, "Zamanix", CA_PROP_APPLICATION_ID,
            "zamanix", nullptr);
        return created;
    }();
    return shared;
}

bool playWithCanberra(const CString &fileName)
{
    const CanberraFunctions *canberra = SystemCanberra();
    if (!canberra)
        return false;
    ca_context *sounds = context(*canberra);
    if (!sounds)
        return false;
    std::error_code error;
    const std::filesystem::path executableFolder =
        std::filesystem::path(QCoreApplication::applicationFilePath().toStdString()).parent_path();
    const SoundChoice choice = ChooseSound(fileName,
        SoundSearchPath(std::filesystem::current_path(error), executableFolder,
            std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), std::getenv("XDG_DATA_DIRS")));
    const std::string description =
        QCoreApplication::translate("Sound", "Zamanix reminder").toStdString();
    int result;
    if (!choice.file.empty())
        result = canberra->play(sounds, 0, CA_PROP_MEDIA_FILENAME, choice.file.c_str(),
            CA_PROP_EVENT_DESCRIPTION, description.c_str(), nullptr);
    else
        result = canberra->play(sounds, 0, CA_PROP_EVENT_ID, choice.eventId.c_str(),
            CA_PROP_EVENT_DESCRIPTION, description.c_str(), nullptr);
    return result == CA_SUCCESS;
}

} // namespace

void SetSoundPlayer(std::function<bool(const CString &)> player)
{
    s_player = std::move(player);
}

bool PlaySoundAsync(const CString &fileName)
{
    return s_player ? s_player(fileName) : playWithCanberra(fileName);
}

std::vector<std::filesystem::path> SoundSearchPath(const std::filesystem::path &workingFolder,
    const std::filesystem::path &executableFolder, const char *xdgDataHome, const char *home,
    const char *xdgDataDirs)
{
    std::vector<std::filesystem::path> folders;
    if (!workingFolder.empty())
        folders.push_back(workingFolder);
    if (!executableFolder.empty())
        folders.push_back(executableFolder);
    // Relative values of the XDG variables are invalid and ignored.
    if (xdgDataHome && xdgDataHome[0] == '/')
        folders.push_back(std::filesystem::path(xdgDataHome) / "zamanix");
    else if (home && home[0] == '/')
        folders.push_back(std::filesystem::path(home) / ".local/share/zamanix");
    std::istringstream dirs(
        xdgDataDirs && xdgDataDirs[0] ? xdgDataDirs : "/usr/local/share:/usr/share");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && dir[0] == '/')
            folders.push_back(std::filesystem::path(dir) / "zamanix");
    return folders;
}

std::filesystem::path FindSoundFile(
    const CString &fileName, const std::vector<std::filesystem::path> &searchPath)
{
    std::error_code error;
    for (const std::filesystem::path &folder : searchPath) {
        const std::filesystem::path candidate = folder / fileName;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return {};
}

SoundChoice ChooseSound(
    const CString &fileName, const std::vector<std::filesystem::path> &searchPath)
{
    if (std::filesystem::path file = FindSoundFile(fileName, searchPath); !file.empty())
        return {file, {}};
    return {{}, kAlarmSoundEvent};
}
