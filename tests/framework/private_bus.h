// Session buses of a test's own, apart from the bus the tests run on: a
// dbus-daemon that can be stopped as a hung bus is, and a socket that
// takes connections and never says a word. Both end with the test.
#pragma once

#include <QProcess>
#include <QString>

#include <csignal>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class CPrivateBus {
public:
    CPrivateBus() = default;
    CPrivateBus(const CPrivateBus &) = delete;
    CPrivateBus &operator=(const CPrivateBus &) = delete;
    ~CPrivateBus()
    {
        if (m_daemon.state() == QProcess::NotRunning)
            return;
        Continue();
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    // Starts a session bus that listens in `folder`, finds the programs it
    // starts in `serviceFolder` (if any) and hands them `environment`.
    // False when dbus-daemon could not be run or named no address.
    bool Start(const std::filesystem::path &folder, const std::string &serviceFolder = {},
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        const std::filesystem::path config = folder / "bus.conf";
        std::ofstream(config)
            << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
               "1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig><type>session</type><listen>unix:tmpdir="
            << folder.string() << "</listen>"
            << (serviceFolder.empty() ? "" : "<servicedir>" + serviceFolder + "</servicedir>")
            << "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
               "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n";
        m_daemon.setProcessEnvironment(environment);
        m_daemon.start("dbus-daemon",
            {"--nofork", "--print-address", "--config-file", QString::fromStdString(config)});
        if (!m_daemon.waitForStarted())
            return false;
        while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) { }
        m_strAddress = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return !m_strAddress.isEmpty();
    }

    QString Address() const { return m_strAddress; }

    // As a hung bus: it keeps its connections and answers nothing.
    void Stop() { ::kill(static_cast<pid_t>(m_daemon.processId()), SIGSTOP); }
    void Continue() { ::kill(static_cast<pid_t>(m_daemon.processId()), SIGCONT); }

private:
    QProcess m_daemon;
    QString m_strAddress;
};

// Takes connections and never answers: the kernel completes them into the
// socket's queue, as it does for a bus whose daemon is stopped.
class CSilentSocket {
public:
    CSilentSocket() = default;
    CSilentSocket(const CSilentSocket &) = delete;
    CSilentSocket &operator=(const CSilentSocket &) = delete;
    ~CSilentSocket()
    {
        if (m_nFd >= 0)
            ::close(m_nFd);
    }

    // At `name`, a path, or a name in the abstract namespace.
    bool Listen(const std::string &name, bool abstract = false)
    {
        m_nFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        if (m_nFd < 0 || offset + name.size() >= sizeof address.sun_path)
            return false;
        std::memcpy(address.sun_path + offset, name.data(), name.size());
        const auto length = static_cast<socklen_t>(
            offsetof(sockaddr_un, sun_path) + offset + name.size() + (abstract ? 0 : 1));
        m_strAddress = QString::fromStdString((abstract ? "unix:abstract=" : "unix:path=") + name);
        return ::bind(m_nFd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
            ::listen(m_nFd, 64) == 0;
    }
    QString Address() const { return m_strAddress; }

private:
    int m_nFd = -1;
    QString m_strAddress;
};
