// A language the program is not translated into leaves it English: days
// and months keep their English names and the digits are Western, under a
// locale that names them otherwise (tests/CMakeLists.txt runs these tests
// in German).
#include "tests/form/form_fixture.h"

#include "calendar/calendar.h"
#include "resources/resource.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <clocale>
#include <cstdlib>
#include <ctime>

namespace {

class EnglishNamesTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (const std::string missing = MissingTestLocale(); !missing.empty())
            GTEST_SKIP() << missing;
        // The locale itself names March otherwise, or the test proves nothing.
        std::tm march{};
        march.tm_mon = 2;
        char name[64];
        ASSERT_GT(std::strftime(name, sizeof name, "%B", &march), 0u);
        ASSERT_STRNE(name, "March");
    }

    QStringList MonthList() const
    {
        QStringList items;
        const QComboBox *months = Control<QComboBox>(IDC_MONTH);
        for (int i = 0; i < months->count(); ++i)
            items << months->itemText(i);
        return items;
    }
};

QStringList englishNames(const std::string *names)
{
    QStringList list;
    for (int m = 0; m < 12; ++m)
        list << QString::fromStdString(names[m]);
    return list;
}

TEST_F(EnglishNamesTest, TimeFormatsInEnglish)
{
    const struct {
        int year, month, day;
        const char *shown;
    } dates[] = {
        {1998, 3, 6, "Friday March 06, 1998 | Fri Mar"},
        {2024, 1, 1, "Monday January 01, 2024 | Mon Jan"},
        {2026, 5, 31, "Sunday May 31, 2026 | Sun May"},
        {2027, 10, 13, "Wednesday October 13, 2027 | Wed Oct"},
    };
    for (const auto &d : dates) {
        SCOPED_TRACE(d.shown);
        EXPECT_EQ(CTime(At(d.year, d.month, d.day)).Format("%A %B %d, %Y | %a %b"), d.shown);
    }
    EXPECT_EQ(CTime(At(1998, 3, 6, 21, 5)).Format("%I:%M %p"), "09:05 PM");
}

TEST_F(EnglishNamesTest, TheFormShowsEnglishNamesAndPlainDigits)
{
    Start();
    const char *today = "Friday March 06, 1998 - 7 Thul Qi'dah 1418";
    EXPECT_EQ(View()->m_strToday, today);
    EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->text().toStdString(), today);
    EXPECT_EQ(MonthList(), englishNames(HijriMonthNames));
    EXPECT_EQ(Control<QLabel>(IDC_CORRESPONDING)->text(), "6 March 1998");
    EXPECT_EQ(Control<QLineEdit>(IDC_YEAR)->text(), "1418");

    QTest::mouseClick(Control<QWidget>(IDC_CHRISTIAN), Qt::LeftButton);
    EXPECT_EQ(MonthList(), englishNames(ChristianMonthNames));
    Control<QComboBox>(IDC_MONTH)->setCurrentText("January");
    Control<QLineEdit>(IDC_DAY)->setText("1");
    Control<QLineEdit>(IDC_YEAR)->setText("2000");
    View()->OnViewReminder();
    EXPECT_EQ(Control<QLabel>(IDC_CORRESPONDING)->text(), "24 Ramadhan 1420");
    EXPECT_EQ(Control<QLineEdit>(IDC_HOUR)->text(), "8") << "the default alarm, 08:00";
}

} // namespace
