// A Radicale server of the test's own (radicale_server.py), on a free port
// of the loopback interface, stopped when the object goes.
#pragma once

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/types.h>

class CRadicaleProcess {
public:
    // Serves its collections from `folder`; HTTPS with a certificate that
    // nobody trusts when `tls`.
    explicit CRadicaleProcess(const std::string &folder, bool tls = false)
    {
        const std::string command = "exec /usr/bin/python3 " ZAMANIX_SOURCE_DIR
                                    "/tests/sync/radicale_server.py '" +
            folder + "'" + (tls ? " --tls" : "");
        m_pipe = ::popen(command.c_str(), "r");
        long pid = 0;
        if (!m_pipe || std::fscanf(m_pipe, "%d %ld", &m_nPort, &pid) != 2)
            m_nPort = 0;
        m_pid = static_cast<pid_t>(pid);
    }
    CRadicaleProcess(const CRadicaleProcess &) = delete;
    CRadicaleProcess &operator=(const CRadicaleProcess &) = delete;
    ~CRadicaleProcess() { Stop(); }

    void Stop()
    {
        if (m_pid > 0)
            ::kill(m_pid, SIGTERM);
        if (m_pipe)
            ::pclose(m_pipe); // waits for the server to end
        m_pid = 0;
        m_pipe = nullptr;
    }
    bool Running() const { return m_nPort > 0; }
    // "http://127.0.0.1:PORT/anna/zamanix/" for "anna/zamanix/".
    std::string Url(const std::string &path, bool tls = false) const
    {
        return (tls ? "https" : "http") + std::string("://127.0.0.1:") + std::to_string(m_nPort) +
            "/" + path;
    }

    static constexpr const char *kUser = "anna";
    static constexpr const char *kPassword = "secret";

private:
    FILE *m_pipe = nullptr;
    pid_t m_pid = 0;
    int m_nPort = 0;
};
