// What a screen reader gets from the main window, through Qt's accessibility
// interfaces (the ones its AT-SPI bridge serves): each control's name, the
// label that names it, and the toolbar buttons' names.
#include "tests/form/form_fixture.h"

#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

namespace {

class AccessibilityTest : public ProgramTest {
protected:
    static QAccessibleInterface *Accessible(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }
    QString Name(int id) const
    {
        return Accessible(View()->GetDlgItem(id))->text(QAccessible::Name);
    }
    // The text of the labels that name the control (AT-SPI's labelled-by).
    QStringList Labels(int id) const
    {
        QStringList labels;
        for (const auto &[label, relation] :
            Accessible(View()->GetDlgItem(id))->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        return labels;
    }
};

TEST_F(AccessibilityTest, EachControlIsHeardWithWhatItShowsAndItsLabel)
{
    Store("Reminder", "Thul Qi'dah/7", "Pay the rent");
    Start();
    const struct {
        int id;
        const char *name; // what the control shows, or its name when it shows no text
        const char *label; // "" for none
    } controls[] = {
        {IDC_DATENOW, "Friday March 06, 1998 - 7 Thul Qi'dah 1418", "Today's Date:"},
        {IDC_HIJRI, "Islamic Hijri", ""},
        {IDC_MONTH, "Thul Qi'dah", "Month:"}, // a list is named by its choice on Linux
        {IDC_DAY, "Day", "Day:"},
        {IDC_YEAR, "Year", "Year:"},
        {IDC_CORRESPONDING, "6 March 1998", "Corresponding Date:"},
        {IDC_MEMO, "Reminder Memo", "Reminder Memo:"},
        {IDC_HOUR, "Alarm hour", "Alarm at:"},
        {IDC_MINUTE, "Alarm minute", ""}, // the ":" before it is no caption
        {IDC_EVERY, "Repeat every (minutes)", "Every:"},
        {IDC_VIEW, "View", ""},
    };
    for (const auto &c : controls) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Name(c.id).toStdString(), c.name);
        EXPECT_EQ(Labels(c.id).join('|').toStdString(), c.label);
    }
    EXPECT_EQ(Accessible(View()->GetDlgItem(IDC_DATENOW))->text(QAccessible::Description),
        "Today's Date");
}

TEST_F(AccessibilityTest, AnotherDateIsHeardAsShown)
{
    Start();
    const struct {
        const char *name;
        int calendar;
        const char *month, *day, *year;
        const char *corresponding;
    } dates[] = {
        {"a Hijri date", IDC_HIJRI, "Ramadhan", "1", "1446", "1 March 2025"},
        {"a Christian date", IDC_CHRISTIAN, "January", "1", "2000", "24 Ramadhan 1420"},
        {"the first of Shawwal", IDC_HIJRI, "Shawwal", "1", "1420", "8 January 2000"},
    };
    for (const auto &d : dates) {
        SCOPED_TRACE(d.name);
        ViewDate(d.calendar, d.month, d.day, d.year);
        EXPECT_EQ(Name(IDC_CORRESPONDING).toStdString(), d.corresponding);
        EXPECT_EQ(Name(IDC_MONTH).toStdString(), d.month);
    }
}

TEST_F(AccessibilityTest, ToolbarButtonsAreNamedWithoutTheirKeys)
{
    Start();
    QToolBar *toolbar = static_cast<CMainFrame *>(Frame())->m_toolBar.GetToolBar();
    QStringList names, tips;
    for (QAction *action : toolbar->actions())
        if (!action->isSeparator()) {
            names << Accessible(toolbar->widgetForAction(action))->text(QAccessible::Name);
            tips << action->toolTip();
        }
    EXPECT_EQ(names.join('|').toStdString(), "New|Open|Save|Cut|Copy|Paste|Print|About Zamanix");
    EXPECT_EQ(tips.join('|').toStdString(), "New|Open|Save|Cut|Copy|Paste|Print|About");
}

} // namespace
