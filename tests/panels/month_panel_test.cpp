// The month panel as a user meets it: shown from the View menu and kept so,
// moved through by keyboard across months and years, a day chosen into the
// form, following View, reminders and holy days marked, the phases in two
// time zones, what a screen reader hears of every cell, the dark scheme and
// Print Month.
#include "tests/form/form_fixture.h"
#include "tests/reminders/temp_folder.h"

#include "framework/menu.h"
#include "panels/month_grid_view.h"
#include "panels/month_text.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>

namespace {

class MonthPanelTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        m_now = At(2026, 12, 7, 12, 0); // Monday 28 Jumada al-Thani 1448
    }

    CMonthDock *Dock() const { return static_cast<CMainFrame *>(Frame())->GetMonthDock(); }
    CMonthPanel *Panel() const { return Dock()->Panel(); }
    // What a screen reader hears of a day's cell.
    QString NameOf(int dayNumber) const
    {
        const QModelIndex cell = Panel()->Model().IndexOfDay(dayNumber);
        return Panel()->Model().data(cell, Qt::AccessibleTextRole).toString();
    }
    QString Selected() const { return NameOf(Panel()->SelectedDay()); }
    QString Title() const { return Panel()->TitleLabel()->text(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Panel()->Grid(), static_cast<Qt::Key>(key), modifiers);
    }
    std::string Profile() const { return ReadBytes(m_profile); }
    static int Day(int year, int month, int day) { return ChristianDayNumber({year, month, day}); }
};

TEST_F(MonthPanelTest, ViewMonthShowsItBesideTheFormAndTheProfileKeepsIt)
{
    Start();
    ASSERT_NE(Dock(), nullptr);
    EXPECT_TRUE(Dock()->isHidden()) << "hidden until the user shows it";
    QAction *item = Frame()->GetMenu()->FindItem(ID_VIEW_MONTH);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Month");
    EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+M"));
    const QSize form = View()->GetSafeHwnd()->size();
    const QSize window = Frame()->GetMainWindow()->size();

    QTest::keyClick(Frame()->GetMainWindow(), Qt::Key_M, Qt::ControlModifier);
    QApplication::processEvents();
    Frame()->UpdateCommandUI();
    EXPECT_TRUE(Dock()->isVisible());
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(Panel()->Grid()->hasFocus());
    EXPECT_EQ(Frame()->GetMainWindow()->dockWidgetArea(Dock()), Qt::RightDockWidgetArea);
    EXPECT_EQ(View()->GetSafeHwnd()->size(), form) << "the form stays the form";
    EXPECT_GE(Panel()->width(), Panel()->minimumSizeHint().width()) << "nor is the panel squeezed";
    EXPECT_GE(Panel()->height(), Panel()->minimumSizeHint().height());
    EXPECT_EQ(ReadProfileEntry(m_profile, kDefaultsSection, kMonthPanelEntry, ""), "ON");
    // Moved to the left side.
    Frame()->GetMainWindow()->addDockWidget(Qt::LeftDockWidgetArea, Dock());
    EXPECT_NE(Profile().find("MonthPanelSide=left\n"), std::string::npos);

    // Started again, it is there, on its side, in full; closed with its close
    // button, it is not, and the window fits the form again.
    m_app.reset();
    Start();
    EXPECT_FALSE(Dock()->isHidden());
    EXPECT_EQ(Frame()->GetMainWindow()->dockWidgetArea(Dock()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(View()->GetSafeHwnd()->size(), form);
    EXPECT_GE(Panel()->height(), Panel()->minimumSizeHint().height());
    Dock()->close();
    QApplication::processEvents();
    EXPECT_EQ(Frame()->GetMainWindow()->size(), window);
    Frame()->UpdateCommandUI();
    EXPECT_TRUE(Dock()->isHidden());
    EXPECT_FALSE(Frame()->GetMenu()->FindItem(ID_VIEW_MONTH)->isChecked());
    EXPECT_NE(Profile().find("MonthPanel=OFF\n"), std::string::npos);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(MonthPanelTest, NothingIsWrittenUntilTheUserChangesSomething)
{
    Start();
    Panel()->ShowMonth({ReminderCalendar::Christian, 2026, 3});
    Panel()->MoveMonths(1);
    m_app.reset();
    // Only the first start's record of its check.
    EXPECT_EQ(Profile(), "[Defaults]\nLastCheck=" + std::to_string(m_now) + "\n");
}

TEST_F(MonthPanelTest, ItStartsOnTheFormsDayInTheFormsCalendar)
{
    Start();
    EXPECT_EQ(Title(), "Jumada al-Thani 1448");
    EXPECT_EQ(Panel()->OtherMonthsLabel()->text(), "November \u2013 December 2026");
    EXPECT_EQ(Panel()->SelectedDay(), Day(2026, 12, 7));
    EXPECT_EQ(Panel()->Model().Today(), Day(2026, 12, 7));
    EXPECT_TRUE(Selected().startsWith("Monday 28 Jumada al-Thani 1448, 7 December 2026, today"))
        << Selected().toStdString();
}

TEST_F(MonthPanelTest, KeysMoveThroughDaysMonthsAndYearsAcrossTheirBorders)
{
    Start();
    Frame()->ExecuteCommand(ID_VIEW_MONTH);
    const struct {
        const char *name;
        int key;
        Qt::KeyboardModifiers modifiers;
        const char *title;
        const char *selected; // the beginning of the selected day's name
    } steps[] = {
        {"a day on", Qt::Key_Right, {}, "Jumada al-Thani 1448", "Tuesday 29 Jumada al-Thani 1448"},
        {"the month's last day", Qt::Key_Right, {}, "Jumada al-Thani 1448",
            "Wednesday 30 Jumada al-Thani 1448"},
        {"into the next month", Qt::Key_Right, {}, "Rajab 1448", "Thursday 1 Rajab 1448"},
        {"back over the border", Qt::Key_Left, {}, "Jumada al-Thani 1448",
            "Wednesday 30 Jumada al-Thani 1448"},
        {"a week on", Qt::Key_Down, {}, "Rajab 1448", "Wednesday 7 Rajab 1448"},
        {"a week back", Qt::Key_Up, {}, "Jumada al-Thani 1448",
            "Wednesday 30 Jumada al-Thani 1448"},
        {"a year on, to a month of 29 days", Qt::Key_PageDown, Qt::ControlModifier,
            "Jumada al-Thani 1449", "Sunday 29 Jumada al-Thani 1449"},
        {"a year back", Qt::Key_PageUp, Qt::ControlModifier, "Jumada al-Thani 1448",
            "Tuesday 29 Jumada al-Thani 1448"},
        {"a month back", Qt::Key_PageUp, {}, "Jumada al-awwal 1448", "29 Jumada al-awwal 1448"},
        {"a month on", Qt::Key_PageDown, {}, "Jumada al-Thani 1448",
            "Tuesday 29 Jumada al-Thani 1448"},
        {"today", Qt::Key_Home, {}, "Jumada al-Thani 1448", "Monday 28 Jumada al-Thani 1448"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.name);
        Key(s.key, s.modifiers);
        EXPECT_EQ(Title().toStdString(), s.title);
        EXPECT_NE(Selected().indexOf(QString::fromUtf8(s.selected)), -1)
            << Selected().toStdString();
        // The grid's current cell, which a screen reader follows, is the day.
        EXPECT_EQ(
            Panel()->Grid()->currentIndex(), Panel()->Model().IndexOfDay(Panel()->SelectedDay()));
    }
    // Six times a month back from Jumada al-Thani crosses into last year.
    for (int i = 0; i < 6; ++i)
        Key(Qt::Key_PageUp);
    EXPECT_EQ(Title(), "Thul Hijjah 1447");
    EXPECT_TRUE(Selected().startsWith("Sunday 28 Thul Hijjah 1447")) << Selected().toStdString();
    EXPECT_TRUE(m_boxes.empty()) << "moving about leaves the form alone";
    EXPECT_EQ(FormText(IDC_DAY), "28");
    EXPECT_EQ(FormText(IDC_YEAR), "1448");
}

TEST_F(MonthPanelTest, EnterOrAClickPutsTheDayIntoTheFormAndRunsView)
{
    // Stored as typed: with a leading zero, and without one.
    Store("Reminder", "Rajab/01", "Pay the rent");
    Store("Alarm", "Rajab/01", "07:30 15");
    Store("Reminder", "December/5", "Dentist");
    Start();
    Frame()->ExecuteCommand(ID_VIEW_MONTH);
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    EXPECT_TRUE(Control<QRadioButton>(IDC_HIJRI)->isChecked());
    EXPECT_EQ(Control<QComboBox>(IDC_MONTH)->currentText(), "Rajab");
    EXPECT_EQ(FormText(IDC_DAY), "01") << "spelled as the reminder is, so that View finds it";
    EXPECT_EQ(FormText(IDC_YEAR), "1448");
    EXPECT_EQ(FormText(IDC_MEMO), "Pay the rent");
    EXPECT_EQ(FormText(IDC_HOUR), "7");
    EXPECT_EQ(FormText(IDC_MINUTE), "30");
    EXPECT_EQ(FormText(IDC_CORRESPONDING), "10 December 2026");

    // A Christian month: clicks on 5 and 6 December.
    Panel()->ShowMonth({ReminderCalendar::Christian, 2026, 12});
    CMonthGridView *grid = Panel()->Grid();
    const struct {
        int day;
        const char *dayText, *memo;
    } clicks[] = {
        {5, "5", "Dentist"}, {6, "06", ""}}; // a day without one as the due check spells it
    for (const auto &c : clicks) {
        SCOPED_TRACE(c.day);
        const QRect cell = grid->visualRect(Panel()->Model().IndexOfDay(Day(2026, 12, c.day)));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_TRUE(Control<QRadioButton>(IDC_CHRISTIAN)->isChecked());
        EXPECT_EQ(Control<QComboBox>(IDC_MONTH)->currentText(), "December");
        EXPECT_EQ(FormText(IDC_DAY), c.dayText);
        EXPECT_EQ(FormText(IDC_YEAR), "2026");
        EXPECT_EQ(FormText(IDC_MEMO), c.memo);
        EXPECT_EQ(Panel()->SelectedDay(), Day(2026, 12, c.day));
    }
    EXPECT_TRUE(m_boxes.empty());
}

// From the menu's key to the form and back, by keyboard alone: each key
// goes to whatever has the focus.
TEST_F(MonthPanelTest, KeyboardAloneFromTheMenuKeyToTheFormAndBack)
{
    Store("Reminder", "Rajab/1", "Pay the rent");
    Start();
    Frame()->ActivateFrame();
    const auto type = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    };
    type(Qt::Key_M, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), Panel()->Grid());
    for (int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right})
        type(key);
    type(Qt::Key_Return);
    EXPECT_EQ(Control<QComboBox>(IDC_MONTH)->currentText(), "Rajab");
    EXPECT_EQ(FormText(IDC_DAY), "1");
    EXPECT_EQ(FormText(IDC_MEMO), "Pay the rent");
    EXPECT_EQ(QApplication::focusWidget(), Panel()->Grid()) << "the focus stays in the grid";

    // Tab leads on to the form, Shift+Tab back to the grid.
    int tabs = 0;
    for (; tabs < 20 && QApplication::focusWidget() != View()->GetDlgItem(IDC_HIJRI); ++tabs)
        type(Qt::Key_Tab);
    EXPECT_LT(tabs, 20);
    for (int back = 0; back < tabs; ++back)
        type(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Panel()->Grid());
}

// F6 and Shift+F6 move between the form and the panel, each time to the
// control that had the focus there last; with the panel hidden they do
// nothing.
TEST_F(MonthPanelTest, F6MovesBetweenTheFormAndThePanel)
{
    Start();
    Frame()->ActivateFrame();
    const auto type = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    };
    QWidget *memo = View()->GetDlgItem(IDC_MEMO);
    memo->setFocus();
    type(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), memo) << "no panel, no other pane";

    type(Qt::Key_M, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), Panel()->Grid());
    const struct {
        const char *name;
        Qt::KeyboardModifiers modifiers;
        QWidget *focus;
    } steps[] = {
        {"F6 to the form, where the memo had it", Qt::NoModifier, memo},
        {"F6 back to the grid", Qt::NoModifier, Panel()->Grid()},
        {"Shift+F6 to the form", Qt::ShiftModifier, memo},
        {"Shift+F6 back to the grid", Qt::ShiftModifier, Panel()->Grid()},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        type(Qt::Key_F6, step.modifiers);
        EXPECT_EQ(QApplication::focusWidget(), step.focus);
    }
}

TEST_F(MonthPanelTest, ThePanelFollowsTheDatesViewShows)
{
    Start();
    const struct {
        const char *name;
        int calendar;
        const char *month, *day, *year;
        const char *title;
        int selected; // day number, 0 for none
    } dates[] = {
        {"a Christian date", IDC_CHRISTIAN, "March", "06", "1998", "March 1998", Day(1998, 3, 6)},
        {"a Hijri date", IDC_HIJRI, "Ramadhan", "1", "1447", "Ramadhan 1447", Day(2026, 2, 19)},
        {"a day the month lacks", IDC_HIJRI, "Ramadhan", "30", "1447", "Ramadhan 1447", 0},
        {"a day that is no number", IDC_HIJRI, "Shawwal", "x", "1447", "Shawwal 1447", 0},
        {"a year the panel cannot show", IDC_HIJRI, "Shawwal", "1", "0", "Shawwal 1447", 0},
    };
    for (const auto &d : dates) {
        SCOPED_TRACE(d.name);
        ViewDate(d.calendar, d.month, d.day, d.year);
        EXPECT_EQ(Title().toStdString(), d.title);
        EXPECT_EQ(Panel()->SelectedDay(), d.selected);
    }
}

TEST_F(MonthPanelTest, RemindersOfEitherCalendarAndSpellingAreMarkedAndFollowed)
{
    Store("Reminder", "Jumada al-Thani/05", "Hijri, with a zero");
    Store("Reminder", "December/6", "Christian, without one");
    Start();
    EXPECT_TRUE(NameOf(Day(2026, 11, 14)).endsWith("reminder: Hijri, with a zero"))
        << NameOf(Day(2026, 11, 14)).toStdString();
    EXPECT_TRUE(NameOf(Day(2026, 12, 6)).endsWith("reminder: Christian, without one"));
    EXPECT_FALSE(NameOf(Day(2026, 12, 7)).contains("reminder"));

    // The form's Add marks the day at once; a memo is text, never markup.
    Control<QPlainTextEdit>(IDC_MEMO)->setPlainText("Call\nthe <b>family</b>");
    View()->OnAddReminder();
    EXPECT_TRUE(NameOf(Day(2026, 12, 7)).endsWith("reminder: Call / the <b>family</b>"))
        << NameOf(Day(2026, 12, 7)).toStdString();
    const QString tip = Panel()
                            ->Model()
                            .data(Panel()->Model().IndexOfDay(Day(2026, 12, 7)), Qt::ToolTipRole)
                            .toString();
    EXPECT_TRUE(tip.contains("Reminder: Call<br>the &lt;b&gt;family&lt;/b&gt; (alarm at 08:00)"))
        << tip.toStdString();
    // Another program's change, as the file system reports it.
    WriteProfileEntry(m_profile, "Reminder", "December/6", "");
    m_app->Profile().Refresh();
    EXPECT_FALSE(NameOf(Day(2026, 12, 6)).contains("reminder"));
}

TEST_F(MonthPanelTest, HolyDaysAreNamedListedAndCanBeHidden)
{
    Start();
    Panel()->ShowMonth({ReminderCalendar::Hijri, 1447, 12});
    EXPECT_EQ(Panel()->HolyDayList()->text(),
        "9 Thul Hijjah (Tuesday 26 May): Day of Arafah\n"
        "10 Thul Hijjah (Wednesday 27 May): Eid al-Adha");
    EXPECT_TRUE(NameOf(Day(2026, 5, 27)).endsWith(", Eid al-Adha"));
    const QString tip = Panel()
                            ->Model()
                            .data(Panel()->Model().IndexOfDay(Day(2026, 5, 27)), Qt::ToolTipRole)
                            .toString();
    EXPECT_TRUE(tip.contains("<i>Eid al-Adha</i>")) << tip.toStdString();

    Frame()->ExecuteCommand(ID_OPTIONS_HOLY_DAYS);
    Frame()->UpdateCommandUI();
    EXPECT_FALSE(Frame()->GetMenu()->FindItem(ID_OPTIONS_HOLY_DAYS)->isChecked());
    EXPECT_FALSE(NameOf(Day(2026, 5, 27)).contains("Eid"));
    EXPECT_TRUE(Panel()->HolyDayList()->isHidden());
    EXPECT_NE(Profile().find("HolyDays=OFF"), std::string::npos);
    m_app.reset();
    Start();
    EXPECT_FALSE(Panel()->HolyDaysShown());
}

// The Islamic day begins at sunset: the nights are listed and named with the
// evening they begin, in the month of their day and in the month of the
// evening, and that evening's cell is marked too.
TEST_F(MonthPanelTest, AHolyNightIsToldWithTheEveningItBegins)
{
    Start();
    Panel()->ShowMonth({ReminderCalendar::Hijri, 1447, 9});
    const QString night = "Laylat al-Qadr (one of the odd nights): the night before 27 Ramadhan, "
                          "from sunset on Monday 16 March";
    EXPECT_EQ(Panel()->HolyDayList()->toolTip(),
        "1 Ramadhan (Thursday 19 February): First day of Ramadan\n" + night);
    EXPECT_TRUE(NameOf(Day(2026, 3, 17)).endsWith(", " + night))
        << NameOf(Day(2026, 3, 17)).toStdString();
    const QString evening = ", from sunset, the night of Laylat al-Qadr (one of the odd nights)";
    EXPECT_TRUE(NameOf(Day(2026, 3, 16)).endsWith(evening))
        << NameOf(Day(2026, 3, 16)).toStdString();
    const QString tip = Panel()
                            ->Model()
                            .data(Panel()->Model().IndexOfDay(Day(2026, 3, 16)), Qt::ToolTipRole)
                            .toString();
    EXPECT_TRUE(tip.contains("<i>From sunset, the night of Laylat al-Qadr")) << tip.toStdString();

    // The evening is the last day of May 2019; the night is 1 June's.
    Panel()->ShowMonth({ReminderCalendar::Christian, 2019, 5});
    EXPECT_TRUE(Panel()->HolyDayList()->toolTip().endsWith(
        "Laylat al-Qadr (one of the odd nights): the night before 27 Ramadhan, from sunset on "
        "Friday 31 May"))
        << Panel()->HolyDayList()->toolTip().toStdString();
    EXPECT_TRUE(NameOf(Day(2019, 5, 31)).endsWith(evening));

    // The evening's mark is drawn: the cell differs from the same cell
    // without the night.
    Frame()->ExecuteCommand(ID_VIEW_MONTH);
    const auto cellImage = [this](int dayNumber) {
        const QRect cell = Panel()->Grid()->visualRect(Panel()->Model().IndexOfDay(dayNumber));
        return Panel()->Grid()->viewport()->grab(cell).toImage();
    };
    const QImage marked = cellImage(Day(2019, 5, 31));
    Frame()->ExecuteCommand(ID_OPTIONS_HOLY_DAYS);
    EXPECT_NE(cellImage(Day(2019, 5, 31)), marked);
    EXPECT_FALSE(NameOf(Day(2019, 5, 31)).contains("sunset"));
}

TEST_F(MonthPanelTest, PhasesFallOnTheLocalDayOfTheTimeZone)
{
    // The new moon of 18 February 1977, 03:38 UT.
    const struct {
        const char *zone;
        int day;
        const char *phase;
    } zones[] = {
        {"UTC", 18, "new moon at 03:38"},
        {"Asia/Tokyo", 18, "new moon at 12:38"},
        {"America/New_York", 17, "new moon at 22:38"},
    };
    Start();
    for (const auto &z : zones) {
        SCOPED_TRACE(z.zone);
        Panel()->SetTimeZone(QTimeZone(z.zone));
        Panel()->ShowMonth({ReminderCalendar::Christian, 1977, 2});
        EXPECT_TRUE(NameOf(Day(1977, 2, z.day)).endsWith(z.phase))
            << NameOf(Day(1977, 2, z.day)).toStdString();
        EXPECT_FALSE(NameOf(Day(1977, 2, 35 - z.day)).contains("new moon"));
    }
}

TEST_F(MonthPanelTest, TodayMovesWithTheClock)
{
    Start();
    m_now = At(2026, 12, 8, 0, 1);
    View()->OnTimer(1); // the one clock: the form's minute timer
    EXPECT_TRUE(NameOf(Day(2026, 12, 8)).contains(", today"));
    EXPECT_FALSE(NameOf(Day(2026, 12, 7)).contains(", today"));
}

// Every day of the month is a cell of an accessible table, named with the
// whole day, as AT-SPI serves it to a screen reader.
TEST_F(MonthPanelTest, EveryCellIsAnAccessibleItemNamedWithTheWholeDay)
{
    Store("Reminder", "December/10", "Pay the rent");
    Start();
    Frame()->ExecuteCommand(ID_VIEW_MONTH);
    Panel()->ShowMonth({ReminderCalendar::Christian, 2026, 12});
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(Panel()->Grid());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), "December 2026, Jumada al-Thani \u2013 Rajab 1448");
    EXPECT_EQ(table->tableInterface()->columnCount(), 7);
    EXPECT_EQ(table->tableInterface()->rowCount(), 5);

    QStringList names;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 7; ++column) {
            QAccessibleInterface *cell = table->tableInterface()->cellAt(row, column);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->role(), QAccessible::Cell);
            if (!cell->text(QAccessible::Name).isEmpty())
                names << cell->text(QAccessible::Name);
        }
    ASSERT_EQ(names.size(), 31);
    EXPECT_EQ(names[0].toStdString(),
        "Tuesday 1 December 2026, 22 Jumada al-Thani 1448, last quarter at 06:08");
    EXPECT_EQ(names[1].toStdString(), "Wednesday 2 December 2026, 23 Jumada al-Thani 1448");
    EXPECT_EQ(names[6].toStdString(), "Monday 7 December 2026, 28 Jumada al-Thani 1448, today");
    EXPECT_EQ(
        names[9].toStdString(), "Thursday 10 December 2026, 1 Rajab 1448, reminder: Pay the rent");
    EXPECT_EQ(names[8].toStdString(),
        "Wednesday 9 December 2026, 30 Jumada al-Thani 1448, new moon at 00:50");
    // (Through the table's children: a cell's own list of headers leaks in Qt.)
    QStringList headers;
    for (int i = 0; i < table->childCount(); ++i)
        if (table->child(i)->role() == QAccessible::ColumnHeader)
            headers << table->child(i)->text(QAccessible::Name);
    EXPECT_EQ(
        headers.join(' ').toStdString(), "Sunday Monday Tuesday Wednesday Thursday Friday Saturday")
        << "the week starts on Sunday where the locale says nothing";
}

TEST_F(MonthPanelTest, TheWeekStartsOnTheLocalesFirstDay)
{
    const struct {
        const char *locale;
        int first;
    } locales[] = {{"C", 0}, {"en_US", 0}, {"de_DE", 1}, {"en_GB", 1}, {"ar_EG", 6}};
    for (const auto &l : locales) {
        SCOPED_TRACE(l.locale);
        EXPECT_EQ(FirstWeekday(QLocale(l.locale)), l.first);
    }
    Start();
    Panel()->SetFirstWeekday(1);
    Panel()->ShowMonth({ReminderCalendar::Christian, 2026, 12});
    // 1 December 2026 is a Tuesday: the second column when weeks start on Monday.
    EXPECT_EQ(Panel()->Model().IndexOfDay(Day(2026, 12, 1)).column(), 1);
    EXPECT_EQ(Panel()->Model().headerData(0, Qt::Horizontal, Qt::DisplayRole), "Mon");
}

TEST_F(MonthPanelTest, SizedForTheLongestMonthsSoFlippingNeverResizesIt)
{
    Start();
    Frame()->ExecuteCommand(ID_VIEW_MONTH);
    QApplication::processEvents();
    const QSize size = Panel()->sizeHint();
    for (ReminderCalendar calendar : {ReminderCalendar::Hijri, ReminderCalendar::Christian}) {
        Panel()->ShowMonth({calendar, 1447, 1});
        for (int m = 0; m < 13; ++m) {
            Panel()->MoveMonths(1);
            QApplication::processEvents();
            SCOPED_TRACE(Title().toStdString());
            EXPECT_EQ(Panel()->sizeHint(), size);
            for (QLabel *label : {Panel()->TitleLabel(), Panel()->OtherMonthsLabel()})
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        }
    }
}

TEST_F(MonthPanelTest, TheDarkSchemeIsPaintedWithItsOwnColours)
{
    Start();
    Frame()->ExecuteCommand(ID_VIEW_MONTH);
    Store("Reminder", "Rajab/1", "Pay the rent");
    m_app->Profile().Refresh();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    const struct {
        const char *scheme;
        QPalette palette;
        bool darkBackground;
    } schemes[] = {{"light", QApplication::palette(), false}, {"dark", dark, true}};
    for (const auto &s : schemes) {
        SCOPED_TRACE(s.scheme);
        Dock()->setPalette(s.palette);
        const QImage image = Panel()->Grid()->grab().toImage();
        double sum = 0;
        int bright = 0, darkPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double lightness = QColor(image.pixel(x, y)).lightnessF();
                sum += lightness;
                bright += lightness > 0.8;
                darkPixels += lightness < 0.2;
            }
        const double mean = sum / (image.width() * image.height());
        // Mostly background, with text of the other kind on it.
        EXPECT_EQ(mean < 0.4, s.darkBackground) << mean;
        EXPECT_GT(s.darkBackground ? bright : darkPixels, 200);
    }
}

TEST_F(MonthPanelTest, PrintMonthPrintsTheGridOnOnePage)
{
    Store("Reminder", "Rajab/1", "Pay the rent");
    Start();
    QAction *item = Frame()->GetMenu()->FindItem(ID_FILE_PRINT_MONTH);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Print &Month...");
    EXPECT_TRUE(Frame()->CommandAction(ID_FILE_PRINT_MONTH)->isEnabled());
    const std::filesystem::path pdf = m_dir / "month.pdf";
    QPrinter *printer = m_app->FindPrinter();
    ASSERT_NE(printer, nullptr);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(pdf.string()));
    static_cast<CMainFrame *>(Frame())->OnPrintMonth(true);
    const std::string bytes = ReadBytes(pdf);
    ASSERT_EQ(bytes.rfind("%PDF", 0), 0u);
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
         at = bytes.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_EQ(pages, 1u);
    EXPECT_TRUE(m_boxes.empty());
}

// The calendar chosen in the Options menu, at once, and the one the profile
// names at start-up.
TEST_F(MonthPanelTest, ItFollowsTheHijriCalendarChosen)
{
    Start();
    ViewDate(IDC_HIJRI, "Ramadhan", "1", "1447");
    const struct {
        const char *name;
        UINT command;
        int ramadhan1;
    } choices[] = {
        {"astronomical", ID_OPTIONS_HIJRI_ASTRONOMICAL, Day(2026, 2, 19)},
        {"Umm al-Qura", ID_OPTIONS_HIJRI_UMALQURA, Day(2026, 2, 18)},
        {"Umm al-Qura, +1 day", ID_OPTIONS_HIJRI_ADJUST_PLUS1, Day(2026, 2, 17)},
    };
    for (const auto &c : choices) {
        SCOPED_TRACE(c.name);
        Frame()->ExecuteCommand(c.command);
        EXPECT_EQ(Panel()->Month().days.front().dayNumber, c.ramadhan1);
        EXPECT_EQ(Panel()->SelectedDay(), c.ramadhan1) << "1 Ramadhan stays selected";
        EXPECT_TRUE(Panel()->Month().days.front().holyDays.size() == 1);
    }
    m_app.reset();
    Start();
    EXPECT_EQ(Panel()->SelectedDay(), Day(2026, 12, 7)) << "today, as the form shows it";
    EXPECT_EQ(Panel()->Model().Month().id,
        MonthOfDay(ReminderCalendar::Hijri, Day(2026, 12, 7), View()->GetHijriCalendar()));
    ViewDate(IDC_HIJRI, "Ramadhan", "1", "1447");
    EXPECT_EQ(Panel()->Month().days.front().dayNumber, Day(2026, 2, 17));
    EXPECT_TRUE(m_boxes.empty());
}

// Without the form, the panel keeps the calendar the profile names, and
// hears of a change of it.
TEST_F(MonthPanelTest, TheHijriCalendarOfTheProfileWhenNoFormIsThere)
{
    WriteBytes(m_profile, "[Defaults]\nHijriCalendar=astronomical\n");
    CZamanixProfile profile(m_profile);
    profile.ClockTicked(m_now, Day(2026, 12, 7));
    CMonthPanel panel(profile, nullptr);
    panel.ShowMonth({ReminderCalendar::Hijri, 1447, 9});
    EXPECT_EQ(panel.Month().days.front().dayNumber, Day(2026, 2, 19));
    panel.MoveDays(0);
    const int selected = panel.SelectedDay();
    WriteBytes(m_profile, "[Defaults]\nHijriCalendar=umalqura\n");
    profile.Refresh(); // as when the file system tells of the change
    EXPECT_EQ(panel.Month().days.front().dayNumber, Day(2026, 2, 18));
    EXPECT_EQ(panel.SelectedDay(), selected - 1) << "the same Hijri day stays selected";
}

// The file system's notice of another program's change, which takes a
// moment to come.
TEST_F(MonthPanelTest, RealTimeAnotherProgramsChangeIsMarked)
{
    Store("Reminder", "January/1", "New year");
    Start();
    ASSERT_FALSE(NameOf(Day(2026, 12, 8)).contains("reminder"));
    ASSERT_TRUE(WriteProfileEntry(m_profile, "Reminder", "December/08", "Dentist"));
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return NameOf(Day(2026, 12, 8)).endsWith("reminder: Dentist"); }, 10000));
}

} // namespace
