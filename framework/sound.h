// Playing a sound file by its bare name, asynchronously, through the
// desktop's sound server (libcanberra, loaded with the first sound).
#pragma once

#include "framework/cstring.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Looks the file up by name in the folders of SoundSearchPath and plays it;
// when it is not found, the desktop's alarm sound ("alarm-clock-elapsed")
// plays instead. Returns at once, true when the sound was handed to the
// sound server; with no sound server, or no libcanberra, it fails quietly.
bool PlaySoundAsync(const CString &fileName);

// Tests hear sounds through their own player; empty restores the real one.
void SetSoundPlayer(std::function<bool(const CString &fileName)> player);

// Where a sound named without a folder is looked for, in order: the working
// folder, the executable's folder, $XDG_DATA_HOME/zamanix (default
// ~/.local/share/zamanix), then each of $XDG_DATA_DIRS/zamanix (default
// /usr/local/share:/usr/share). Unset variables are null.
std::vector<std::filesystem::path> SoundSearchPath(const std::filesystem::path &workingFolder,
    const std::filesystem::path &executableFolder, const char *xdgDataHome, const char *home,
    const char *xdgDataDirs);

// The first existing file of that name along the search path, or empty.
std::filesystem::path FindSoundFile(
    const CString &fileName, const std::vector<std::filesystem::path> &searchPath);

// The sound theme's event that plays when the sound file is missing.
inline constexpr const char *kAlarmSoundEvent = "alarm-clock-elapsed";

// What the sound server is asked to play: the file found along the search
// path, or else the theme's event (file empty).
struct SoundChoice {
    std::filesystem::path file;
    CString eventId;
};
SoundChoice ChooseSound(
    const CString &fileName, const std::vector<std::filesystem::path> &searchPath);
