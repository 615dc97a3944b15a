// Month names and digits in Persian and Turkish as CLDR gives them
// (tests/CMakeLists.txt runs these tests under fa_IR.UTF-8 and under
// tr_TR.UTF-8): the form's lists and today's line, while the keys the form
// writes stay English.
#include "tests/form/form_fixture.h"

#include "framework/controls.h"
#include "resources/resource.h"

#include <QAbstractButton>
#include <clocale>
#include <cstdlib>
#include <cstring>

namespace {

struct LocalNames {
    const char *locale;
    const char *ramadan; // the ninth Hijri month
    const char *march;
    char16_t zero; // of the digits shown
};

const LocalNames kLocales[] = {
    {"fa_IR.UTF-8", "رمضان", "مارس", u'\u06F0'},
    {"tr_TR.UTF-8", "Ramazan", "Mart", u'0'},
};

class LocalMonthNamesTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (const std::string missing = MissingTestLocale(); !missing.empty())
            GTEST_SKIP() << missing;
        const char *wanted = std::getenv("ZAMANIX_TEST_LOCALE");
        for (const LocalNames &names : kLocales)
            if (std::strcmp(names.locale, wanted) == 0)
                m_pNames = &names;
        ASSERT_NE(m_pNames, nullptr) << "no names listed for " << wanted;
        m_now = At(2026, 3, 1, 12, 0); // 12 Ramadhan 1447
    }

    const LocalNames *m_pNames = nullptr;
};

TEST_F(LocalMonthNamesTest, TheFormNamesTheMonthsAsTheLanguageDoes)
{
    Start();
    QComboBox *months = Control<QComboBox>(IDC_MONTH);
    EXPECT_EQ(months->itemText(8), QString::fromUtf8(m_pNames->ramadan));
    EXPECT_EQ(ComboItemKey(months, 8), "Ramadhan");
    const QString today = FormText(IDC_DATENOW);
    EXPECT_TRUE(today.contains(QString::fromUtf8(m_pNames->ramadan))) << today.toStdString();
    EXPECT_TRUE(today.contains(QString::fromUtf8(m_pNames->march))) << today.toStdString();
    const QString year = QString(QChar(m_pNames->zero + 2)) + QChar(m_pNames->zero) +
        QChar(m_pNames->zero + 2) + QChar(m_pNames->zero + 6);
    EXPECT_TRUE(today.contains(year)) << "2026 in the locale's digits: " << today.toStdString();

    Control<QAbstractButton>(IDC_CHRISTIAN)->click();
    EXPECT_EQ(months->itemText(2), QString::fromUtf8(m_pNames->march));
    EXPECT_EQ(ComboItemKey(months, 2), "March");
}

} // namespace
