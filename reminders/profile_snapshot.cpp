#include "reminders/profile_snapshot.h"

#include "reminders/profile_text.h"
#include "reminders/value_encoding.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <new>
#include <sys/stat.h>
#include <unistd.h>

// The bytes read, their index, and the file they came from, held open.
struct CProfileSnapshot::Contents {
    Contents() = default;
    Contents(const Contents &) = delete;
    Contents &operator=(const Contents &) = delete;
    ~Contents()
    {
        if (fd >= 0)
            ::close(fd);
    }

    std::string bytes;
    std::optional<CProfileIndex> index; // views into bytes
    int fd = -1;
};

CProfileSnapshot::CProfileSnapshot(const std::filesystem::path &file)
{
    Load(file);
}

bool CProfileSnapshot::Load(const std::filesystem::path &file, std::string *error)
{
    m_file = file;
    std::string reason;
    const bool readable = read(file, reason);
    if (error)
        *error = std::move(reason);
    return readable;
}

bool CProfileSnapshot::read(const std::filesystem::path &file, std::string &error)
{
    m_identity.reset();
    auto contents = std::make_shared<Contents>();
    bool readable = true;
    try {
        FileIdentity identity;
        struct stat status;
        switch (ReadWholeFile(file, contents->bytes, identity, error, &contents->fd)) {
        case FileReadResult::Read:
            m_identity = identity;
            break;
        case FileReadResult::Missing:
            break;
        case FileReadResult::Failed:
            readable = false;
            // Read again only once whatever stands there changes.
            if (::stat(file.c_str(), &status) == 0)
                m_identity = FileIdentity::Of(status);
            break;
        }
        contents->index.emplace(contents->bytes);
    } catch (const std::bad_alloc &) {
        // A file too big to hold reads as missing.
        contents = std::make_shared<Contents>();
        error = FillSentence(Translate("Files", "cannot read \"%1\": not enough memory to hold it"),
            {file.string()});
        readable = false;
    }
    m_pContents = std::move(contents);
    return readable;
}

bool CProfileSnapshot::Refresh()
{
    if (m_file.empty())
        return false;
    std::optional<FileIdentity> now;
    struct stat status;
    if (::stat(m_file.c_str(), &status) == 0)
        now = FileIdentity::Of(status);
    if (now == m_identity)
        return false;
    const std::shared_ptr<const Contents> before = m_pContents;
    std::string ignored; // a file that cannot be read reads as missing
    read(m_file, ignored);
    const std::string_view old = before ? std::string_view(before->bytes) : std::string_view();
    return old != m_pContents->bytes;
}

std::optional<std::string> CProfileSnapshot::Find(
    std::string_view section, std::string_view entry) const
{
    if (!m_pContents || !m_pContents->index)
        return std::nullopt;
    if (const std::optional<std::string_view> stored = m_pContents->index->Find(section, entry))
        return DecodeProfileValue(*stored);
    return std::nullopt;
}

std::string CProfileSnapshot::Get(
    std::string_view section, std::string_view entry, std::string_view defaultValue) const
{
    if (std::optional<std::string> value = Find(section, entry))
        return std::move(*value);
    return MissingEntryValue(defaultValue);
}

std::vector<ProfileEntryValue> CProfileSnapshot::Entries(std::string_view section) const
{
    std::vector<ProfileEntryValue> entries;
    if (!m_pContents || !m_pContents->index)
        return entries;
    for (const auto &[name, stored] : m_pContents->index->Entries(section))
        entries.push_back({std::string(name), DecodeProfileValue(stored)});
    return entries;
}
