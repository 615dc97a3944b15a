// The converter as a user runs it: dates, months, the batch mode and what
// goes wrong.
#include "convert_fixture.h"

#include <string>

namespace {

struct GoodCase {
    const char *args;
    const char *out;
};

const GoodCase kGoodCases[] = {
    {"2000-01-01", "Saturday 1 January 2000 = 24 Ramadhan 1420\n"},
    {"--format iso 2000-01-01", "1420-09-24\n"},
    {"--format=iso 2000-01-01", "1420-09-24\n"},
    {"--from-hijri 1420-09-24", "Saturday 24 Ramadhan 1420 = 1 January 2000\n"},
    {"--from-hijri --format iso 1405-01-01", "1984-09-26\n"},
    {"-1-12-31 1-1-1",
        "Friday 31 December -1 = 16 Jumada al-awwal -641\n"
        "Saturday 1 January 1 = 17 Jumada al-awwal -641\n"},
    {"1582-10-04 1582-10-15",
        "Thursday 4 October 1582 = 17 Ramadhan 990\n"
        "Friday 15 October 1582 = 18 Ramadhan 990\n"},
    {"--from-hijri --format iso -- -1-12-29", "622-07-14\n"},
};

TEST_F(ConvertTest, ConvertsDates)
{
    for (const GoodCase &c : kGoodCases) {
        SCOPED_TRACE(c.args);
        expectAnswer(c.args, "", c.out);
    }
}

const RefusalCase kBadCases[] = {
    {"2023-02-29", "zamanix-convert: \"2023-02-29\": February 2023 has only 28 days"},
    {"2000-13-01",
        "zamanix-convert: \"2000-13-01\": month 13 does not exist; months run from 1 to 12"},
    {"1582-10-10",
        "zamanix-convert: \"1582-10-10\": 10 October 1582 does not exist; the Gregorian "
        "calendar follows 4 October 1582 with 15 October 1582"},
    {"--from-hijri 1417-08-30",
        "zamanix-convert: \"1417-08-30\": Sha'ban 1417 (Hijri) has only 29 days"},
    {"0-01-01", "zamanix-convert: \"0-01-01\": there is no year 0; the year before 1 is -1"},
    {"3001-01-01",
        "zamanix-convert: \"3001-01-01\": year 3001 is outside the supported range -4000 to 3000"},
    {"tomorrow",
        "zamanix-convert: \"tomorrow\" is not a date; write YEAR-MONTH-DAY, for example "
        "2000-01-31"},
    {"", "zamanix-convert: no date given"},
    {"--frobnicate 2000-01-01", "zamanix-convert: unknown option '--frobnicate'"},
    {"--format xml 2000-01-01", "zamanix-convert: unknown format 'xml'; use text or iso"},
    {"--today 2000-01-01",
        "zamanix-convert: dates cannot be given together with --today, --month or --batch"},
    {"--month 2000-13",
        "zamanix-convert: \"2000-13\": month 13 does not exist; months run from 1 to 12"},
};

TEST_F(ConvertTest, RefusesBadInputWithStatusTwo)
{
    for (const RefusalCase &c : kBadCases) {
        SCOPED_TRACE(c.args);
        expectRefusal(c.args, c.err);
    }
}

TEST_F(ConvertTest, OneBadDateMeansNoAnswerAtAll)
{
    const RunResult r = run("2000-01-01 2023-02-29 2000-01-02");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.status, 2);
}

// One output line for each input line, in the iso form unless --format
// says otherwise; a bad line gets its error in its place and status 1.
TEST_F(ConvertTest, BatchConvertsEveryLineAndMarksErrors)
{
    const struct {
        const char *args;
        const char *input;
        const char *out;
        int status;
    } cases[] = {
        {"--batch", "2000-01-01\n2023-02-29\r\n\n1984-09-26\r\nnonsense\n-1-12-31",
            "1420-09-24\n"
            "error: \"2023-02-29\": February 2023 has only 28 days\n"
            "error: \"\" is not a date; write YEAR-MONTH-DAY, for example 2000-01-31\n"
            "1405-01-01\n"
            "error: \"nonsense\" is not a date; write YEAR-MONTH-DAY, for example 2000-01-31\n"
            "-641-05-16\n",
            1},
        {"--batch --from-hijri", "1420-09-24\n1405-01-01\n", "2000-01-01\n1984-09-26\n", 0},
        {"--batch --format text", "2000-01-01\n2000-02-30\n1984-09-26\n",
            "Saturday 1 January 2000 = 24 Ramadhan 1420\n"
            "error: \"2000-02-30\": February 2000 has only 29 days\n"
            "Wednesday 26 September 1984 = 1 Muharram 1405\n",
            1},
        {"--batch --from-hijri --format=text", "1420-09-24",
            "Saturday 24 Ramadhan 1420 = 1 January 2000\n", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args);
        const RunResult r = run(c.args, c.input);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

TEST_F(ConvertTest, MonthGrid)
{
    const RunResult r = run("--month 2000-01");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "                 January 2000\n"
        "     Ramadhan 1420 - Shawwal 1420 (Hijri)\n"
        " Su     Mo     Tu     We     Th     Fr     Sa\n"
        "                                           1/24\n"
        " 2/25   3/26   4/27   5/28   6/29   7/30   8/1\n"
        " 9/2   10/3   11/4   12/5   13/6   14/7   15/8\n"
        "16/9   17/10  18/11  19/12  20/13  21/14  22/15\n"
        "23/16  24/17  25/18  26/19  27/20  28/21  29/22\n"
        "30/23  31/24\n"
        "Shawwal 1420 begins on Saturday 8 January 2000.\n");

    const RunResult october = run("--month 1582-10");
    ASSERT_EQ(october.status, 0);
    EXPECT_NE(october.out.find(" 4/17  15/18"), std::string::npos) << october.out;
}

// Error messages show the input trimmed, control characters escaped, and
// no more than 40 characters of it.
TEST_F(ConvertTest, QuotesBadInputInMessages)
{
    struct Case {
        const char *name;
        std::string arg;
        const char *err;
    };
    const Case cases[] = {
        {"blanks around", "'  2000-02-30  '",
            "zamanix-convert: \"2000-02-30\": February 2000 has only 29 days\n"},
        {"control characters", "\"$(printf 'bad\\tdate\\033[31m')\"",
            "zamanix-convert: \"bad\\x09date\\x1b[31m\" is not a date; write YEAR-MONTH-DAY, "
            "for example 2000-01-31\n"},
        {"long text", std::string(50, 'x'),
            "zamanix-convert: \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\" is not a date; "
            "write YEAR-MONTH-DAY, for example 2000-01-31\n"},
        {"a month", "--month \"$(printf '2000\\001-1')\"",
            "zamanix-convert: \"2000\\x01-1\" is not a month; write YEAR-MONTH, for example "
            "2000-01\nTry 'zamanix-convert --help' for more information.\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const RunResult r = run(c.arg);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.status, 2);
    }
}

TEST_F(ConvertTest, HijriMonthGrid)
{
    const RunResult r = run("--month 1446-09 --from-hijri");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "             Ramadhan 1446 (Hijri)\n"
        "                  March 2025\n"
        " Su     Mo     Tu     We     Th     Fr     Sa\n"
        "                                           1/1\n"
        " 2/2    3/3    4/4    5/5    6/6    7/7    8/8\n"
        " 9/9   10/10  11/11  12/12  13/13  14/14  15/15\n"
        "16/16  17/17  18/18  19/19  20/20  21/21  22/22\n"
        "23/23  24/24  25/25  26/26  27/27  28/28  29/29\n"
        "March 2025 begins on Saturday 1 Ramadhan 1446.\n");
}

// A folder, or input that cannot be read, is not an empty input.
TEST_F(ConvertTest, BatchReportsInputThatCannotBeRead)
{
    const RunResult r = runFrom("--batch", "/");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "zamanix-convert: cannot read the dates: Is a directory\n");
    EXPECT_EQ(r.status, 2);
}

TEST_F(ConvertTest, TodayNamesBothCalendars)
{
    // 1 January 2000, 23:30 in UTC; already the 2nd east of it.
    const std::string now = "ZAMANIX_CONVERT_NOW=946769400";
    const RunResult r = run("--today", "", now);
    EXPECT_EQ(r.out, "Saturday 1 January 2000 = 24 Ramadhan 1420\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(run("--today --format iso", "", now + " TZ=UTC-3").out, "1420-09-25\n")
        << "the local clock's day";
}

// The clock a test sets is held to the supported years, however far beyond
// them it lies, in every time zone.
TEST_F(ConvertTest, TheTestClockStaysInTheSupportedYears)
{
    const struct {
        const char *now;
        const char *date; // in what --today prints
    } cases[] = {
        {"9223372036854775807", " December 3000 = "},
        {"32503680000000", " December 3000 = "}, // the year 3000 ends at 32535215999
        {"-9223372036854775808", " January "},
    };
    for (const auto &c : cases) {
        for (const char *zone : {"UTC", "UTC-14", "UTC+12"}) {
            SCOPED_TRACE(std::string(c.now) + " " + zone);
            const RunResult r =
                run("--today", "", std::string("ZAMANIX_CONVERT_NOW=") + c.now + " TZ=" + zone);
            EXPECT_NE(r.out.find(c.date), std::string::npos) << r.out;
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(r.status, 0);
        }
    }
}

TEST_F(ConvertTest, HelpDocumentsTheForms)
{
    const RunResult r = run("--help");
    EXPECT_EQ(r.status, 0);
    for (const char *text : {"--from-hijri", "--format", "--today", "--month", "--batch",
             "--calendar", "--adjust", "--use-settings", "Exit status"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
}

} // namespace
