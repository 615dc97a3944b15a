// The lines --batch reads: where lines end. (A failed read is told apart
// from the end of the input: see the converter's tests.)
#include "cli/input_lines.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The lines of `text`, read from a file that holds it.
std::vector<std::string> linesOf(const std::string &text)
{
    char path[] = "/tmp/zamanix-lines-XXXXXX";
    const int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    lseek(fd, 0, SEEK_SET);
    unlink(path);
    CInputLines input(fd);
    std::vector<std::string> lines;
    std::string line;
    while (input.Next(line))
        lines.push_back(line);
    EXPECT_EQ(input.Error(), "");
    close(fd);
    return lines;
}

TEST(InputLines, EndsOfLines)
{
    const std::string longLine(200000, '7'); // longer than one read
    struct Case {
        const char *name;
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"nothing", "", {}},
        {"one line without LF", "2000-01-01", {"2000-01-01"}},
        {"one line with LF", "2000-01-01\n", {"2000-01-01"}},
        {"empty lines count", "\n\na\n\n", {"", "", "a", ""}},
        {"CR stays with the line", "a\r\nb\r", {"a\r", "b\r"}},
        {"a line over several reads", "x\n" + longLine + "\ny", {"x", longLine, "y"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(linesOf(c.text), c.lines);
    }
}

} // namespace
