// Start at Login: the user's XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/<application id>.desktop, which the desktop
// reads at login to start the programs listed there. It is a copy of the
// installed desktop entry that starts this very program (its real path) with
// --minimized, so that a login brings the window up minimized.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The entry's path: XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config; empty when neither is known.
std::filesystem::path AutostartEntryPath(
    const char *xdgConfigHome, const char *home, std::string_view appId);

// The installed desktop entry (`entry`) made into the autostart entry: in
// its [Desktop Entry] group, Exec= starts `program` (quoted as desktop
// entries quote arguments) with --minimized, and DBusActivatable goes, as
// the session starts the program itself, wherever it lies. Every other
// line is kept. Empty when `program` holds a character an entry cannot
// carry (a control character).
std::string AutostartEntryText(std::string_view entry, const std::string &program);

// The desktop entry this program was installed with: the file beside it
// (<prefix>/share/applications/<id>.desktop for <prefix>/bin/<program>),
// or else the one it was built with.
std::string InstalledDesktopEntry(const std::filesystem::path &program, std::string_view appId);

// Writes the entry, atomically, creating the folder; removes it. False,
// with `error` saying what failed where, when that could not be done.
bool WriteAutostartEntry(
    const std::filesystem::path &file, std::string_view text, std::string &error);
bool RemoveAutostartEntry(const std::filesystem::path &file, std::string &error);
