// The stored forms of values: ordinary values exactly as given, the others
// quoted or escaped so that the reader gives them back.
#include "reminders/value_encoding.h"

#include <gtest/gtest.h>

namespace {

struct EncodingCase {
    const char *name;
    std::string value;
    std::string stored;
};

const EncodingCase kEncodingCases[] = {
    {"plain", "Visit uncle; bring dates", "Visit uncle; bring dates"},
    {"inner quotes and backslashes", "say \"hi\" C:\\dir\\", "say \"hi\" C:\\dir\\"},
    {"one quote", "\"", "\""},
    {"backslash quote", "\\\"", "\\\""},
    {"empty", "", ""},
    {"leading blank", " x", "\" x\""},
    {"trailing vertical tab", "x\v", "\"x\v\""},
    {"wrapped in double quotes", "\"x\"", "\"\"x\"\""},
    {"wrapped in single quotes", "'x'", "\"'x'\""},
    {"looks escaped", "\\\"x\"", "\"\\\"x\"\""},
    {"line feed", "a\nb", "\\\"a\\nb\""},
    {"CRLF and a backslash", "a\\\r\n", "\\\"a\\\\\\r\\n\""},
    {"line break and blanks at the ends", " a\n ", "\\\" a\\n \""},
};

TEST(ValueEncoding, StoredForms)
{
    for (const EncodingCase &c : kEncodingCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeProfileValue(c.value), c.stored);
        EXPECT_EQ(DecodeProfileValue(TrimProfileBlanks(c.stored)), c.value);
    }
}

// Hand-edited escaped values: what is no known escape stays.
TEST(ValueEncoding, UnknownEscapesKept)
{
    EXPECT_EQ(DecodeProfileValue("\\\"a\\tb\\\""), "a\\tb\\");
}

} // namespace
