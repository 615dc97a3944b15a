#include "framework/session_bus.h"

#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The socket of an address entry: "unix:path=..." or "unix:abstract=...".
struct LocalSocket {
    std::string name;
    bool abstract;
};

// A value of an address, its %XX escapes undone, as D-Bus writes the
// values of its server addresses.
std::string unescaped(std::string_view value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        unsigned byte = 0;
        if (value[i] == '%' && i + 2 < value.size() &&
            std::sscanf(std::string(value.substr(i + 1, 2)).c_str(), "%2x", &byte) == 1) {
            out += static_cast<char>(byte);
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

// Nothing for another transport, or a unix entry without a path to
// connect to (the forms that only a server listens on).
std::optional<LocalSocket> localSocketOf(std::string_view entry)
{
    if (!entry.starts_with("unix:"))
        return std::nullopt;
    entry.remove_prefix(5);
    while (!entry.empty()) {
        const std::string_view pair = entry.substr(0, entry.find(','));
        entry.remove_prefix(std::min(entry.size(), pair.size() + 1));
        const std::size_t equals = pair.find('=');
        const std::string_view key = pair.substr(0, equals);
        const std::string value =
            equals == std::string_view::npos ? "" : unescaped(pair.substr(equals + 1));
        if (key == "path" || key == "abstract")
            return LocalSocket{value, key == "abstract"};
    }
    return std::nullopt;
}

// Closes a socket when it goes out of scope.
class CSocket {
public:
    CSocket()
        : m_nFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0))
    {
    }
    CSocket(const CSocket &) = delete;
    CSocket &operator=(const CSocket &) = delete;
    ~CSocket()
    {
        if (m_nFd >= 0)
            ::close(m_nFd);
    }
    int Get() const { return m_nFd; }

private:
    int m_nFd;
};

// Whether `events` came on the socket before `end`.
bool waitFor(int fd, short events, Clock::time_point end)
{
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        pollfd ready{fd, events, 0};
        const int got = ::poll(&ready, 1, static_cast<int>(std::max<long long>(left, 0)));
        if (got < 0 && errno == EINTR)
            continue;
        return got == 1;
    }
}

// Answered when connected, at once or before `end`; Silent when the other
// end takes no connections in time.
BusAnswer connectBefore(int fd, const LocalSocket &socket, Clock::time_point end)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = socket.abstract ? 1 : 0; // the leading NUL of an abstract name
    if (socket.name.empty() || offset + socket.name.size() >= sizeof address.sun_path)
        return BusAnswer::Unreachable;
    std::memcpy(address.sun_path + offset, socket.name.data(), socket.name.size());
    const socklen_t length = static_cast<socklen_t>(
        offsetof(sockaddr_un, sun_path) + offset + socket.name.size() + (socket.abstract ? 0 : 1));
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0)
        return BusAnswer::Answered;
    if (errno == EAGAIN)
        return BusAnswer::Silent; // its queue is full: nothing takes connections
    if (errno != EINPROGRESS)
        return BusAnswer::Unreachable;
    if (!waitFor(fd, POLLOUT, end))
        return BusAnswer::Silent;
    int failure = 0;
    socklen_t size = sizeof failure;
    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &size);
    return failure == 0 ? BusAnswer::Answered : BusAnswer::Unreachable;
}

// The first line of the D-Bus authentication, as every client sends it:
// a NUL byte, then the user's id, its decimal digits in hexadecimal.
std::string authenticationStart()
{
    std::string line(1, '\0');
    line += "AUTH EXTERNAL ";
    char hex[4];
    for (const char digit : std::to_string(::geteuid())) {
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(digit));
        line += hex;
    }
    return line + "\r\n";
}

BusAnswer askSocket(const LocalSocket &socket, Clock::time_point end)
{
    CSocket fd;
    if (fd.Get() < 0)
        return BusAnswer::Unreachable;
    if (const BusAnswer connected = connectBefore(fd.Get(), socket, end);
        connected != BusAnswer::Answered)
        return connected;
    const std::string line = authenticationStart();
    if (::send(fd.Get(), line.data(), line.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(line.size()))
        return BusAnswer::Unreachable;
    if (!waitFor(fd.Get(), POLLIN, end))
        return BusAnswer::Silent;
    char reply[64];
    // Any answer ("OK <guid>", "REJECTED ...") is a bus at work; a close
    // fails the library at once.
    return ::recv(fd.Get(), reply, sizeof reply, 0) > 0 ? BusAnswer::Answered
                                                        : BusAnswer::Unreachable;
}

} // namespace

BusAnswer AskSessionBus(std::string_view address, std::chrono::milliseconds deadline)
{
    const Clock::time_point end = Clock::now() + deadline;
    while (!address.empty()) {
        const std::string_view entry = address.substr(0, address.find(';'));
        address.remove_prefix(std::min(address.size(), entry.size() + 1));
        const std::optional<LocalSocket> socket = localSocketOf(entry);
        if (!socket)
            return BusAnswer::NotAsked;
        // The library takes the first entry that connects, silent or not.
        if (const BusAnswer answer = askSocket(*socket, end); answer != BusAnswer::Unreachable)
            return answer;
    }
    return BusAnswer::Unreachable;
}

bool GuardSessionBus(const char *program, std::chrono::milliseconds deadline)
{
    const char *address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address || !*address) {
        // Asked without an address, the D-Bus library would start a bus of
        // its own for the display (dbus-launch --autolaunch) the first time
        // anything asks: Qt looking for a global menu bar while the window
        // is built, its accessibility bridge. That costs the start a child
        // process, and may leave a bus daemon behind the program.
        ::setenv("DBUS_SESSION_BUS_ADDRESS", kNoSessionBus, 1);
        return false;
    }
    if (AskSessionBus(address, deadline) != BusAnswer::Silent)
        return true;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%g", static_cast<double>(deadline.count()) / 1000);
    std::fprintf(stderr, "%s\n",
        FillSentence(Translate("SessionBus",
                         "%1: the session bus at %2 does not answer within %3 seconds; going on "
                         "without it, as a copy of its own, without desktop notifications"),
            {program, address, seconds})
            .c_str());
    ::setenv("DBUS_SESSION_BUS_ADDRESS", kNoSessionBus, 1);
    return false;
}
