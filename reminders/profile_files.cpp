#include "reminders/profile_files.h"

#include "reminders/atomic_file.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <sys/stat.h>

namespace {

constexpr ProfileFile kKinds[] = {
    ProfileFile::Profile, ProfileFile::Lock, ProfileFile::Temporary, ProfileFile::Backup};

const char *suffixOf(ProfileFile kind)
{
    switch (kind) {
    case ProfileFile::Lock:
        return kProfileLockSuffix;
    case ProfileFile::Temporary:
        return kReplacementSuffix;
    case ProfileFile::Backup:
        return kProfileBackupSuffix;
    default:
        return "";
    }
}

// The file that `path` leads to, as a write would reach it; where its links
// cannot be followed (a loop), the path as given, made absolute.
std::filesystem::path followed(const std::filesystem::path &path)
{
    std::filesystem::path resolved;
    std::string ignored;
    if (ResolveFileLinks(path, resolved, ignored))
        return resolved;
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
    return failed ? path.lexically_normal() : absolute.lexically_normal();
}

// One file under two names: hard links, or folders mounted twice.
bool sameFile(const std::filesystem::path &a, const std::filesystem::path &b)
{
    struct stat x, y;
    return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
        x.st_ino == y.st_ino;
}

} // namespace

std::filesystem::path ProfileFilePath(const std::filesystem::path &profile, ProfileFile kind)
{
    if (profile.empty() || kind == ProfileFile::None)
        return {};
    std::filesystem::path file = followed(profile);
    file += suffixOf(kind);
    return file;
}

ProfileFile WhichProfileFile(
    const std::filesystem::path &path, const std::filesystem::path &profile)
{
    if (path.empty() || profile.empty())
        return ProfileFile::None;
    const std::filesystem::path target = followed(path);
    for (const ProfileFile kind : kKinds) {
        const std::filesystem::path file = ProfileFilePath(profile, kind);
        if (target == file || sameFile(target, file))
            return kind;
    }
    return ProfileFile::None;
}

std::string ProfileFileProblem(
    const std::filesystem::path &path, const std::filesystem::path &profile)
{
    const std::string name = profile.string();
    switch (WhichProfileFile(path, profile)) {
    case ProfileFile::Profile:
        return Translate("Files", "it is the profile, which holds the reminders and settings");
    case ProfileFile::Lock:
        return FillSentence(Translate("Files",
                                "it is the lock file of the profile \"%1\", which holds the "
                                "reminders and settings"),
            {name});
    case ProfileFile::Temporary:
        return FillSentence(Translate("Files",
                                "it is the file through which the profile \"%1\", which holds "
                                "the reminders and settings, is replaced"),
            {name});
    case ProfileFile::Backup:
        return FillSentence(Translate("Files",
                                "it is the backup of the profile \"%1\", which holds the "
                                "reminders and settings"),
            {name});
    default:
        return {};
    }
}
