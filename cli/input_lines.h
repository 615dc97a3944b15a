// Lines of text read from a file descriptor, as --batch takes its dates: a
// line ends with LF, and a last line without one still counts. Unlike a
// stream, it tells a failed read (a folder in place of a file, an I/O
// error) from the end of the input.
#pragma once

#include <string>

class CInputLines {
public:
    explicit CInputLines(int fd);
    CInputLines(const CInputLines &) = delete;
    CInputLines &operator=(const CInputLines &) = delete;

    // The next line without its LF; false at the end of the input or when
    // reading failed.
    bool Next(std::string &line);
    // Why reading failed ("Is a directory"), or empty.
    const std::string &Error() const { return m_strError; }

private:
    bool fill();

    int m_fd;
    std::string m_buffer;
    std::size_t m_nStart = 0; // first byte of m_buffer not yet handed out
    bool m_bEnd = false;
    std::string m_strError;
};
