// What the windows beside the form hear: the dates View shows (the form's
// news) and the reminders Add and Delete change (the profile's).
#include "tests/form/form_fixture.h"

#include "resources/resource.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace {

class FormNewsTest : public ProgramTest {
protected:
    void Listen()
    {
        QObject::connect(&View()->News(), &CFormNews::dateShown, &m_context,
            [this](bool hijri, int year, int month, const QString &day) {
                m_heard.push_back(std::string(hijri ? "hijri " : "christian ") +
                    std::to_string(year) + "-" + std::to_string(month) + "-" + day.toStdString());
            });
        QObject::connect(&m_app->Profile(), &CZamanixProfile::remindersChanged, &m_context,
            [this](const QStringList &keys) {
                m_heard.push_back("reminders " + keys.join(',').toStdString());
            });
    }
    QObject m_context;
    std::vector<std::string> m_heard;
};

TEST_F(FormNewsTest, HearsTheDatesViewShowsAndTheChangesAddAndDeleteMake)
{
    Start();
    Listen();
    View()->ShowDate(false, 2026, 12, "05");
    View()->ShowDate(true, 1448, 7, "1");
    Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(QStringLiteral("Pay the rent"));
    QTest::mouseClick(Control<QPushButton>(IDC_ADD), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(IDC_DELETE), Qt::LeftButton);

    // Add and Delete show the day they wrote, so that the month panel goes
    // there too.
    const std::vector<std::string> expected = {"christian 2026-12-05", "hijri 1448-7-1",
        "reminders Rajab/1", "hijri 1448-7-1", "reminders Rajab/1", "hijri 1448-7-1"};
    EXPECT_EQ(m_heard, expected);
}

// A failed write changes nothing, so nobody is told of a change.
TEST_F(FormNewsTest, AFailedAddTellsNoOne)
{
    Start();
    Listen();
    m_app->m_pszProfileName.clear(); // no profile: nothing can be written
    Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(QStringLiteral("Lost"));
    QTest::mouseClick(Control<QPushButton>(IDC_ADD), Qt::LeftButton);
    EXPECT_TRUE(m_heard.empty());
    EXPECT_EQ(m_boxes.size(), 1u); // the user was told instead
}

} // namespace
