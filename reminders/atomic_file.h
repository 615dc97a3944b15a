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
// With `descriptor`, the file read stays open and its descriptor is handed
// over there (the caller closes it); it is -1 unless the file was read.
FileReadResult ReadWholeFile(const std::filesystem::path &path, std::string &bytes,
    FileIdentity &identity, std::string &error, int *descriptor = nullptr);

// The file that `file` names, with every symbolic link on the way followed
// as the kernel follows it: a link's own folder is resolved first, links in
// it included, and a relative target (with its "..") is taken from there. A
// link that leads nowhere is followed to where it leads, so that writing
// creates that file. The result holds no link; its missing folders are
// named as the path gives them. Fails on a loop of links.
bool ResolveFileLinks(
    const std::filesystem::path &file, std::filesystem::path &resolved, std::string &error);

// Creates the folder and its missing parents, each with mode 0700.
bool CreateFolders(const std::filesystem::path &folder, std::string &error);

// What ReplaceFileAtomically adds to the file's name for the temporary file
// it writes first.
inline constexpr const char *kReplacementSuffix = ".new";

// Replaces the file with `bytes`: writes "<file>.new" in the same folder,
// flushes it to disk, renames it over the file and flushes the folder. The
// new file keeps the old one's mode (and owner, where allowed); a new file
// gets mode 0600. The temporary name is fixed, so callers hold the file's
// lock. A file whose permission bits forbid this process to write it is not
// replaced, even where the process could (root, or by the rename): its user
// made it read-only. On failure the file is untouched and `error` says what
// failed where. Once the rename is done the file holds the new bytes, so a
// folder that cannot be flushed then is no failure.
bool ReplaceFileAtomically(
    const std::filesystem::path &file, std::string_view bytes, std::string &error);

// Writes all of `bytes` to the descriptor, going on after an interruption.
// False with errno set when a write failed.
bool WriteAll(int fd, std::string_view bytes);

// An error of a file: `pattern` with %1 the path and %2 the system's reason
// (strerror), as in "cannot read \"%1\": %2", the form of every error here;
// a pattern without %1 is a verb put before them.
std::string FileError(std::string_view pattern, const std::filesystem::path &path, int errorNumber);
