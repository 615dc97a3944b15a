// Reading a file whole, and replacing it so that a crash at any moment
// leaves either the old or the new file on disk, never a mix.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>

// What tells one version of a file from another without reading it. A file
// replaced by rename has a new inode (until the old one is reused); one
// rewritten in place gets a new change time.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileIdentity Of(const struct stat &status);
    friend bool operator==(const FileIdentity &a, const FileIdentity &b);
};

enum class FileReadResult { Read, Missing, Failed };

// Reads a regular file whole. Missing: there is no such file. Failed: any
// other reason, which `error` gives ("cannot read "<path>": <reason>").
FileReadResult ReadWholeFile(const std::filesystem::path &path, std::string &bytes,
    FileIdentity &identity, std::string &error);

// Creates the folder and its missing parents, each with mode 0700.
bool CreateFolders(const std::filesystem::path &folder, std::string &error);

// Replaces the file with `bytes`: writes "<file>.new" in the same folder,
// flushes it to disk, renames it over the file and flushes the folder. The
// new file keeps the old one's mode (and owner, where allowed); a new file
// gets mode 0600. The temporary name is fixed, so callers hold the file's
// lock. On failure the file is untouched and `error` says what failed where.
bool ReplaceFileAtomically(
    const std::filesystem::path &file, std::string_view bytes, std::string &error);

// "<what> "<path>": <strerror(errorNumber)>", the form of every error here.
std::string FileError(std::string_view what, const std::filesystem::path &path, int errorNumber);
