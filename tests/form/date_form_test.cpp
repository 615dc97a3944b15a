// The date form through its real widgets.
#include "tests/form/form_fixture.h"

#include "calendar/calendar.h"
#include "framework/menu.h"
#include "resources/resource.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class DateFormTest : public ProgramTest {
protected:
    QString Text(int id) const
    {
        if (auto *edit = Control<QLineEdit>(id))
            return edit->text();
        if (auto *label = Control<QLabel>(id))
            return label->text();
        if (auto *memo = Control<QPlainTextEdit>(id))
            return memo->toPlainText();
        return Control<QComboBox>(id)->currentText();
    }

    void Type(int id, const QString &text)
    {
        QLineEdit *edit = Control<QLineEdit>(id);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    void Click(int id) { QTest::mouseClick(Control<QAbstractButton>(id), Qt::LeftButton); }

    QStringList MonthList() const
    {
        QStringList items;
        QComboBox *combo = Control<QComboBox>(IDC_MONTH);
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

    bool SoundChecked() const
    {
        return Frame()->GetMenu()->GetMenuState(ID_OPTIONS_AUDIBLEALARM, MF_BYCOMMAND) ==
            MF_CHECKED;
    }
};

TEST_F(DateFormTest, StartsOnTodayInHijriMode)
{
    Start(); // Friday 6 March 1998 = 7 Thul Qi'dah 1418
    EXPECT_EQ(Text(IDC_DATENOW), "Friday March 06, 1998 - 7 Thul Qi'dah 1418")
        << "two-digit Christian day, Hijri day without a leading zero";
    EXPECT_TRUE(Control<QRadioButton>(IDC_HIJRI)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(IDC_CHRISTIAN)->isChecked());
    EXPECT_EQ(MonthList().first(), "Muharram");
    EXPECT_EQ(MonthList().size(), 12);
    EXPECT_EQ(Text(IDC_MONTH), "Thul Qi'dah");
    EXPECT_EQ(Text(IDC_DAY), "7");
    EXPECT_EQ(Text(IDC_YEAR), "1418");
    EXPECT_EQ(Text(IDC_CORRESPONDING), "6 March 1998");
    // No reminder stored: the default alarm.
    EXPECT_EQ(Text(IDC_MEMO), "");
    EXPECT_EQ(Text(IDC_HOUR), "8");
    EXPECT_EQ(Text(IDC_MINUTE), "0");
    EXPECT_EQ(Text(IDC_EVERY), "60");
    EXPECT_EQ(View()->m_nTimerID, 1u);
    EXPECT_EQ(View()->m_timeLast, CTime(m_now));
    EXPECT_TRUE(Frame()->GetMainWindow()->isVisible());
    EXPECT_FALSE(Frame()->GetMainWindow()->isMinimized())
        << "the frame ends up in its normal state";
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(DateFormTest, StartShowsTodaysHijriReminder)
{
    Store("Reminder", "Thul Qi'dah/7", "Pay the rent");
    Store("Alarm", "Thul Qi'dah/7", "07:05 15");
    Start();
    EXPECT_EQ(Text(IDC_MEMO), "Pay the rent");
    EXPECT_EQ(Text(IDC_HOUR), "7");
    EXPECT_EQ(Text(IDC_MINUTE), "5");
    EXPECT_EQ(Text(IDC_EVERY), "15");
}

TEST_F(DateFormTest, SoundSettingOnlyExactOffTurnsTheCheckMarkOff)
{
    const struct {
        const char *name;
        const char *audio; // nullptr: no entry
        bool checked;
    } cases[] = {
        {"absent", nullptr, true},
        {"OFF", "OFF", false},
        {"lower-case off", "off", true},
        {"ON", "ON", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_profile);
        if (c.audio)
            Store("Defaults", "Audio", c.audio);
        Start();
        EXPECT_EQ(SoundChecked(), c.checked);
        m_app.reset();
    }
}

TEST_F(DateFormTest, TodaysLineForSingleDigitDays)
{
    m_now = At(2026, 12, 6, 23, 59); // Sunday 6 December 2026 = 27 Jumada al-Thani 1448
    Start();
    EXPECT_EQ(Text(IDC_DATENOW), "Sunday December 06, 2026 - 27 Jumada al-Thani 1448");
    m_app.reset();
    m_now = At(2040, 1, 1); // after the 32-bit clock would have ended
    Start();
    EXPECT_TRUE(Text(IDC_DATENOW).startsWith("Sunday January 01, 2040 - "))
        << Text(IDC_DATENOW).toStdString();
}

TEST_F(DateFormTest, CorrespondingDateInBothDirections)
{
    Start();
    Control<QComboBox>(IDC_MONTH)->setCurrentIndex(8); // Ramadhan
    Type(IDC_DAY, "1");
    Type(IDC_YEAR, "1417");
    Click(IDC_VIEW);
    EXPECT_EQ(Text(IDC_CORRESPONDING), "10 January 1997");

    Click(IDC_CHRISTIAN);
    EXPECT_EQ(MonthList().first(), "January");
    EXPECT_EQ(Text(IDC_MONTH), "January");
    Type(IDC_DAY, "1");
    Type(IDC_YEAR, "2000");
    Click(IDC_VIEW);
    EXPECT_EQ(Text(IDC_CORRESPONDING), "24 Ramadhan 1420");

    Type(IDC_DAY, "");
    Click(IDC_VIEW);
    EXPECT_EQ(Text(IDC_CORRESPONDING), "23 Ramadhan 1420") << "an empty day is day 0";
}

TEST_F(DateFormTest, RadioClicksRefillTheListAndPutBackTheLastExchange)
{
    Start();
    Control<QComboBox>(IDC_MONTH)->setCurrentIndex(5);
    Type(IDC_DAY, "12"); // typed but never exchanged
    Click(IDC_HIJRI); // the selected one, clicked again
    EXPECT_EQ(Text(IDC_MONTH), "Muharram");
    EXPECT_EQ(Text(IDC_CORRESPONDING), "");
    EXPECT_EQ(Text(IDC_DAY), "7") << "the day of the last exchange comes back";
    EXPECT_TRUE(Control<QRadioButton>(IDC_HIJRI)->isChecked());

    Click(IDC_CHRISTIAN);
    EXPECT_TRUE(Control<QRadioButton>(IDC_CHRISTIAN)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(IDC_HIJRI)->isChecked());
    EXPECT_EQ(Text(IDC_YEAR), "1418") << "the year is not converted";
}

TEST_F(DateFormTest, ValidationPromptsAndWhatTheyLeave)
{
    Start();
    Type(IDC_HOUR, "24");
    Type(IDC_MINUTE, "30");
    EXPECT_FALSE(View()->UpdateData(TRUE));
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Please enter an integer between 0 and 23.");
    EXPECT_EQ(m_boxes[0].style & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(View()->m_nHour, 24u) << "a number that parses is stored before its range test";
    EXPECT_EQ(View()->m_nMinute, 0u) << "fields after the failing one keep their values";
    QApplication::processEvents();
    EXPECT_TRUE(Control<QLineEdit>(IDC_HOUR)->hasFocus());
    EXPECT_EQ(Control<QLineEdit>(IDC_HOUR)->selectedText(), "24");

    m_boxes.clear();
    Type(IDC_HOUR, "8");
    Type(IDC_MINUTE, "");
    Type(IDC_YEAR, "1400");
    View()->m_strCorresponding = "unchanged";
    EXPECT_FALSE(View()->UpdateData(TRUE));
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Please enter a positive integer.");
    EXPECT_EQ(View()->m_nYear, 1418);
    EXPECT_EQ(View()->m_nEvery, 60u);
    EXPECT_EQ(View()->m_strCorresponding, "unchanged");

    m_boxes.clear();
    Type(IDC_MINUTE, "0");
    Type(IDC_YEAR, "3001");
    EXPECT_FALSE(View()->UpdateData(TRUE));
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Please enter an integer between 0 and 3000.");
    EXPECT_EQ(View()->m_nYear, 3001);
}

TEST_F(DateFormTest, AYearTheFormRefusesGetsNoCorrespondingDate)
{
    Start();
    Type(IDC_YEAR, "99999999999"); // saturates; would overflow the calendar arithmetic
    Click(IDC_VIEW);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Please enter an integer between 0 and 3000.");
    EXPECT_EQ(Text(IDC_CORRESPONDING), "");
}

TEST_F(DateFormTest, DayBoxTakesTwoCharacters)
{
    Start();
    QLineEdit *day = Control<QLineEdit>(IDC_DAY);
    day->clear();
    QTest::keyClicks(day, "123");
    EXPECT_EQ(day->text(), "12");
    QTest::keyClicks(Control<QLineEdit>(IDC_HOUR), "x");
    EXPECT_EQ(Text(IDC_HOUR), "8") << "number boxes take digits only";
}

TEST_F(DateFormTest, EnterPressesViewUnlessAButtonHasTheFocus)
{
    Start();
    Store("Reminder", "Muharram/1", "new year");
    Control<QComboBox>(IDC_MONTH)->setCurrentIndex(0);
    Type(IDC_DAY, "1");
    QTest::keyClick(Control<QLineEdit>(IDC_DAY), Qt::Key_Return);
    EXPECT_EQ(Text(IDC_MEMO), "new year");

    QPlainTextEdit *memo = Control<QPlainTextEdit>(IDC_MEMO);
    memo->setPlainText("typed");
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(memo->toPlainText(), "typed\n") << "Ctrl+Enter makes a new line in the memo";
}

TEST_F(DateFormTest, EveryControlHasItsAccessibleName)
{
    Start();
    // A label that shows a result is heard by its text (accessibility_test);
    // what it is, is its description.
    const struct {
        int id;
        const char *name;
        bool isDescription = false;
    } names[] = {
        {IDC_DATENOW, "Today's Date", true},
        {IDC_HIJRI, "Islamic Hijri"},
        {IDC_CHRISTIAN, "Christian"},
        {IDC_MONTH, "Month"},
        {IDC_DAY, "Day"},
        {IDC_YEAR, "Year"},
        {IDC_CORRESPONDING, "Corresponding Date", true},
        {IDC_MEMO, "Reminder Memo"},
        {IDC_HOUR, "Alarm hour"},
        {IDC_MINUTE, "Alarm minute"},
        {IDC_EVERY, "Repeat every (minutes)"},
        {IDC_ADD, "Add"},
        {IDC_VIEW, "View"},
        {IDC_DELETE, "Delete"},
    };
    for (const auto &n : names) {
        SCOPED_TRACE(n.name);
        ASSERT_NE(View()->GetDlgItem(n.id), nullptr);
        const QWidget *control = View()->GetDlgItem(n.id);
        EXPECT_EQ(
            n.isDescription ? control->accessibleDescription() : control->accessibleName(), n.name);
    }
}

TEST_F(DateFormTest, TabOrderIsTheTemplateOrder)
{
    Start();
    // Of a radio group only the checked button is a tab stop; arrows move in it.
    const int order[] = {IDC_HIJRI, IDC_MONTH, IDC_DAY, IDC_YEAR, IDC_MEMO, IDC_HOUR, IDC_MINUTE,
        IDC_EVERY, IDC_ADD, IDC_VIEW, IDC_DELETE, IDC_HIJRI};
    // As Tab goes: to the next widget that takes it and is shown (the month
    // panel's, while it is hidden, are not).
    const auto nextTabStop = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(w->window()));
        return w;
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextTabStop(View()->GetDlgItem(order[i])), View()->GetDlgItem(order[i + 1]))
            << order[i] << " is followed by "
            << nextTabStop(View()->GetDlgItem(order[i]))->metaObject()->className() << " "
            << nextTabStop(View()->GetDlgItem(order[i]))->accessibleName().toStdString();
}

TEST_F(DateFormTest, DestroyingTheViewStopsItsTimer)
{
    Start();
    ASSERT_EQ(View()->m_nTimerID, 1u);
    EXPECT_TRUE(View()->DestroyWindow());
    EXPECT_FALSE(View()->KillTimer(1)) << "already stopped";
}

} // namespace
