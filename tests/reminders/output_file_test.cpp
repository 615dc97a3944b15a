// An export written to what the user names: files replaced whole, links
// followed, pipes and terminals written as streams; folders, devices,
// sockets and the profile's own files refused and left as they were.
#include "reminders/output_file.h"

#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::string_view kText = "BEGIN:VCALENDAR";

bool isFifo(const std::filesystem::path &path)
{
    return std::filesystem::is_fifo(std::filesystem::symlink_status(path));
}

// A socket that stands at `path` until the test ends.
int bindSocket(const std::filesystem::path &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    return fd;
}

// A device that is no terminal: a twin of /dev/null in the test's folder
// where the tests may make one (as root, who could also replace the real
// one), else /dev/null itself.
std::filesystem::path nullDevice(const CTempFolder &folder)
{
    const std::filesystem::path twin = folder / "null";
    if (::mknod(twin.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        return "/dev/null";
    // A folder on a file system mounted "nodev" holds it but cannot open it.
    const int fd = ::open(twin.c_str(), O_WRONLY);
    if (fd < 0)
        return "/dev/null";
    ::close(fd);
    return twin;
}

// The program at the other end of a pipe: open before anything is written,
// it reads to the end in the background (or, not `reading`, goes away once
// something comes). It gives up after 10 s without a byte, so that a pipe
// replaced by a file fails the test instead of hanging it.
class CPipeReader {
public:
    explicit CPipeReader(const std::filesystem::path &fifo, bool reading = true)
        : m_nFd(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK))
        , m_thread([this, reading] {
            pollfd ready{m_nFd, POLLIN, 0};
            char buffer[4096];
            while (::poll(&ready, 1, 10000) == 1 && reading) {
                const ssize_t got = ::read(m_nFd, buffer, sizeof buffer);
                if (got <= 0)
                    break;
                m_strRead.append(buffer, static_cast<std::size_t>(got));
            }
            ::close(m_nFd);
        })
    {
    }
    std::string Read()
    {
        m_thread.join();
        return m_strRead;
    }

private:
    int m_nFd;
    std::string m_strRead;
    std::thread m_thread;
};

TEST(OutputFile, FilesAndLinks)
{
    CTempFolder folder;
    std::filesystem::create_directories(folder / "sub");
    WriteBytes(folder / "old.ics", "an older and longer export");
    WriteBytes(folder / "sub" / "target.ics", "before");
    std::filesystem::create_symlink("sub/target.ics", folder / "link.ics");
    std::filesystem::create_symlink("sub/new.ics", folder / "dangling.ics");
    const struct {
        const char *name;
        const char *path;
        const char *written; // the file that holds the text after
    } cases[] = {
        {"a new file", "new.ics", "new.ics"},
        {"a file, replaced whole", "old.ics", "old.ics"},
        {"a link: its target", "link.ics", "sub/target.ics"},
        {"a link to no file yet: the file it names", "dangling.ics", "sub/new.ics"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        EXPECT_TRUE(WriteOutputFile(folder / c.path, kText, {}, error)) << error;
        EXPECT_EQ(ReadBytes(folder / c.written), kText);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.ics")) << "the link stays a link";
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.ics"));
}

TEST(OutputFile, WhatIsNoFileIsRefusedAndKept)
{
    CTempFolder folder;
    std::filesystem::create_directories(folder / "folder");
    const int socket = bindSocket(folder / "socket");
    ::mkfifo((folder / "unread").c_str(), 0600);
    const struct {
        const char *name;
        std::filesystem::path path;
        bool waitForReader;
        const char *why;
        std::filesystem::file_type after;
    } cases[] = {
        {"a folder", folder / "folder", true, "it is a folder",
            std::filesystem::file_type::directory},
        {"a socket", folder / "socket", true, "it is a socket", std::filesystem::file_type::socket},
        {"a device that is no terminal", nullDevice(folder), true, "it is a device",
            std::filesystem::file_type::character},
        {"a pipe that nothing reads, from a window", folder / "unread", false,
            "it is a pipe that no program reads", std::filesystem::file_type::fifo},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        OutputRules rules;
        rules.waitForReader = c.waitForReader;
        std::string error;
        EXPECT_FALSE(WriteOutputFile(c.path, kText, rules, error));
        EXPECT_NE(error.find(c.why), std::string::npos) << error;
        EXPECT_EQ(std::filesystem::symlink_status(c.path).type(), c.after);
    }
    ::close(socket);
}

TEST(OutputFile, APipeIsWrittenAsAStream)
{
    CTempFolder folder;
    const std::filesystem::path fifo = folder / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const bool waitForReader : {true, false}) {
        SCOPED_TRACE(waitForReader ? "from the command line" : "from a window");
        CPipeReader reader(fifo);
        OutputRules rules;
        rules.waitForReader = waitForReader;
        std::string error;
        EXPECT_TRUE(WriteOutputFile(fifo, kText, rules, error)) << error;
        EXPECT_EQ(reader.Read(), kText);
        EXPECT_TRUE(isFifo(fifo)) << "the pipe stays a pipe";
    }
}

TEST(OutputFile, AReaderThatStopsIsAnErrorNotTheEndOfTheProgram)
{
    CTempFolder folder;
    const std::filesystem::path fifo = folder / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    CPipeReader reader(fifo, false); // opens and closes without reading
    // More than a pipe holds, so that the write goes on after the close.
    const std::string text(4 << 20, 'x');
    std::string error;
    EXPECT_FALSE(WriteOutputFile(fifo, text, {}, error));
    EXPECT_NE(error.find("stopped reading"), std::string::npos) << error;
    reader.Read();
}

TEST(OutputFile, ATerminalIsWrittenAsAStream)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::filesystem::path terminal = ::ptsname(master);
    // Held open, so that what was written stays to be read.
    const int slave = ::open(terminal.c_str(), O_RDWR | O_NOCTTY);
    std::string error;
    EXPECT_TRUE(WriteOutputFile(terminal, kText, {}, error)) << error;
    std::string shown;
    pollfd ready{master, POLLIN, 0};
    while (shown.size() < kText.size() && ::poll(&ready, 1, 10000) == 1) {
        char buffer[64];
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got <= 0)
            break;
        shown.append(buffer, static_cast<std::size_t>(got));
    }
    EXPECT_EQ(shown, kText);
    EXPECT_EQ(std::filesystem::status(terminal).type(), std::filesystem::file_type::character);
    ::close(slave);
    ::close(master);
}

// A descriptor named by its path ("/dev/stdout" of "export -o /dev/stdout
// >> all.ics") is written through: a file opened to append keeps what it
// holds.
TEST(OutputFile, ADescriptorIsWrittenThrough)
{
    CTempFolder folder;
    const std::filesystem::path file = folder / "all.ics";
    WriteBytes(file, "kept\n");
    const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    for (const std::string &name :
        {"/dev/fd/" + std::to_string(fd), "/proc/self/fd/" + std::to_string(fd)}) {
        SCOPED_TRACE(name);
        std::string error;
        EXPECT_TRUE(WriteOutputFile(name, kText, {}, error)) << error;
    }
    ::close(fd);
    EXPECT_EQ(ReadBytes(file), "kept\n" + std::string(kText) + std::string(kText));
}

TEST(OutputFile, TheProfileIsNeverWritten)
{
    CTempFolder folder;
    const std::filesystem::path profile = folder / "zamanix.INI";
    const std::string reminders = "[Reminder]\nMarch/06=Dentist\n";
    WriteBytes(profile, reminders);
    std::filesystem::create_symlink("zamanix.INI", folder / "export.ics");
    OutputRules rules;
    rules.profiles = {folder / "other.INI", profile};
    for (const char *name : {"zamanix.INI", "export.ics", "zamanix.INI.lock", "zamanix.INI.bak"}) {
        SCOPED_TRACE(name);
        std::string error;
        EXPECT_FALSE(WriteOutputFile(folder / name, kText, rules, error));
        EXPECT_NE(error.find("reminders and settings"), std::string::npos) << error;
        EXPECT_EQ(ReadBytes(profile), reminders);
        EXPECT_FALSE(std::filesystem::exists(folder / (std::string(name) + ".new")));
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "zamanix.INI.lock"));
}

} // namespace
