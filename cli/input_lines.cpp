#include "cli/input_lines.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr std::size_t kChunk = 1 << 16;

} // namespace

CInputLines::CInputLines(int fd)
    : m_fd(fd)
{
}

// Appends the next chunk of input; false at the end or on a failed read.
bool CInputLines::fill()
{
    if (m_bEnd)
        return false;
    m_buffer.erase(0, m_nStart);
    m_nStart = 0;
    const std::size_t had = m_buffer.size();
    m_buffer.resize(had + kChunk);
    ssize_t got;
    do
        got = ::read(m_fd, m_buffer.data() + had, kChunk);
    while (got < 0 && errno == EINTR);
    m_buffer.resize(had + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got < 0)
        m_strError = std::strerror(errno);
    m_bEnd = got <= 0;
    return got > 0;
}

bool CInputLines::Next(std::string &line)
{
    std::size_t searched = m_nStart;
    for (;;) {
        const std::size_t end = m_buffer.find('\n', searched);
        if (end != std::string::npos) {
            line.assign(m_buffer, m_nStart, end - m_nStart);
            m_nStart = end + 1;
            return true;
        }
        searched = m_buffer.size() - m_nStart; // fill() moves the rest to the front
        if (!fill())
            break;
    }
    // The last line, when the input does not end with LF.
    if (m_nStart == m_buffer.size() || !m_strError.empty())
        return false;
    line.assign(m_buffer, m_nStart);
    m_nStart = m_buffer.size();
    return true;
}
