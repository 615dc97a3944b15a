// What the windows beside the form hear of it: the dates View shows and the
// reminders Add and Delete change.
#include "tests/form/form_fixture.h"

#include "form/view_listener.h"
#include "resources/resource.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace {

class RecordingListener : public CZamanixViewListener {
public:
    void OnDateShown(bool hijri, int year, int month, const CString &dayText) override
    {
        heard.push_back(std::string(hijri ? "hijri " : "christian ") + std::to_string(year) + "-" +
            std::to_string(month) + "-" + dayText);
    }
    void OnRemindersChanged() override { heard.push_back("reminders"); }
    std::vector<std::string> heard;
};

class ViewListenerTest : public ProgramTest { };

TEST_F(ViewListenerTest, HearsTheDatesViewShowsAndTheChangesAddAndDeleteMake)
{
    Start();
    RecordingListener listener;
    View()->AddListener(&listener);
    View()->AddListener(&listener); // once is enough

    View()->ShowDate(false, 2026, 12, "05");
    View()->ShowDate(true, 1448, 7, "1");
    Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(QStringLiteral("Pay the rent"));
    QTest::mouseClick(Control<QPushButton>(IDC_ADD), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(IDC_DELETE), Qt::LeftButton);
    View()->RemoveListener(&listener);
    View()->ShowDate(false, 2026, 1, "1");

    const std::vector<std::string> expected = {
        "christian 2026-12-05", "hijri 1448-7-1", "reminders", "reminders"};
    EXPECT_EQ(listener.heard, expected);
}

// A failed write changes nothing, so nobody is told of a change.
TEST_F(ViewListenerTest, AFailedAddTellsNoOne)
{
    Start();
    RecordingListener listener;
    View()->AddListener(&listener);
    m_app->m_pszProfileName.clear(); // no profile: nothing can be written
    Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(QStringLiteral("Lost"));
    QTest::mouseClick(Control<QPushButton>(IDC_ADD), Qt::LeftButton);
    View()->RemoveListener(&listener);
    EXPECT_TRUE(listener.heard.empty());
    EXPECT_EQ(m_boxes.size(), 1u); // the user was told instead
}

} // namespace
