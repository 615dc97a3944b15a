// The month at a glance: the month of the form's calendar as a grid of
// weeks, each day with its date in both calendars, the Moon's phases, the
// reminders it holds and the Islamic holy days; the title names the month
// in both calendars, and the holy days of the month are listed under the
// grid.
//
// Keys in the grid: the arrows move the selected day (into the months
// before and after), Page Up and Page Down the month, with Control the
// year, Home goes to today, Enter puts the selected day into the form and
// runs View, as a click on a day does (dayChosen). The panel follows the
// dates that the form shows (ShowFormDate), and the profile object's news:
// the reminders changed here or by other programs, the Hijri calendar the
// user keeps, the holy days' setting, and the day.
#pragma once

#include "agenda/month_data.h"
#include "panels/month_model.h"
#include "session/zamanix_profile.h"

#include <QTimeZone>
#include <QWidget>

#include <functional>
#include <optional>

class CMonthGridView;
class QAction;
class QLabel;
class QLayout;
class QToolButton;

class CMonthPanel : public QWidget {
    Q_OBJECT

public:
    // Shows the month of today in the Hijri calendar, as the form starts.
    CMonthPanel(CZamanixProfile &profile, QWidget *parent);

    // The form showed a date: its month is shown, the day selected when it
    // is one of the month.
    void ShowFormDate(bool hijri, int year, int month, const QString &dayText);

    // Shows a month with a day selected (a day number; 0 or a day outside
    // the month: none). False, and nothing changes, for a month that
    // cannot be shown (IsShowableMonth).
    bool ShowMonth(const MonthId &month, int selectedDay = 0);
    // A month `delta` months away, the selected day on the same day of the
    // month or the month's last day.
    void MoveMonths(int delta);
    // The selected day `delta` days away, in whichever month it falls.
    void MoveDays(int delta);
    // Today's month in the calendar shown, today selected.
    void ShowToday();
    // Asks for the selected day in the form (calendar, month, day, year)
    // and View.
    void ChooseSelectedDay();

    // The Hijri month whose start the commands below record: the month
    // shown, or in a Christian month the Hijri month of the selected day (of
    // the month's first day while none is selected).
    MonthId ShownHijriMonth() const;
    // "This Month Began On..." (Ctrl+B, the button beside Today and the
    // grid's context menu): the dialog that records the month's start.
    void RecordMonthStart();
    // "Remove Record" (the context menu): the month begins where the rule
    // begins it again.
    void RemoveMonthStartRecord();
    QAction *RecordStartAction() const { return m_pRecordStart; }
    QAction *RemoveStartAction() const { return m_pRemoveStart; }

    bool HolyDaysShown() const { return m_model.HolyDaysShown(); }
    // The zone whose local days the phases fall on; by default the system's.
    void SetTimeZone(const QTimeZone &zone);
    // 0 = Sunday .. 6 = Saturday; by default the locale's (FirstWeekday).
    void SetFirstWeekday(int weekday);

    const MonthData &Month() const { return m_model.Month(); }
    const CMonthModel &Model() const { return m_model; }
    int SelectedDay() const { return m_nSelected; } // a day number; 0: none
    CMonthGridView *Grid() const { return m_pGrid; }
    QLabel *TitleLabel() const { return m_pTitle; }
    QLabel *OtherMonthsLabel() const { return m_pOtherMonths; }
    QLabel *HolyDayList() const { return m_pHolyDays; }

signals:
    // The user chose a day to be shown in the form: the calendar, the year,
    // the month 1..12 and the day as its reminder spells it.
    void dayChosen(bool hijri, int year, int month, const QString &dayText);

private:
    void listenToProfile();
    void onHijriCalendarChanged();
    void buildLayout();
    void buildTitle();
    QLayout *buildButtons();
    void buildGrid();
    void buildHolyDayList();
    QToolButton *addButton(const QString &text, const QString &name, const QString &keys,
        const std::function<void()> &action);
    void rebuild();
    void showTexts();
    void showSelection();
    bool onKey(QKeyEvent *event);
    // The commands on the start of a Hijri month (month_panel_starts.cpp).
    void buildStartCommands();
    void updateStartCommands();
    void showStartMenu();
    void removeMonthStart(int year, int month);
    const CHijriCalendar &hijriCalendar() const { return m_profile.HijriCalendar(); }
    UtcOffsetAt offsetAt() const;

    CZamanixProfile &m_profile;
    CMonthModel m_model;
    MonthId m_month;
    int m_nSelected = 0;
    bool m_bSelecting = false; // the panel moves the grid's current cell itself
    std::optional<QTimeZone> m_zone;
    CMonthGridView *m_pGrid = nullptr;
    QLabel *m_pTitle = nullptr;
    QLabel *m_pOtherMonths = nullptr;
    QLabel *m_pHolyDays = nullptr;
    QAction *m_pRecordStart = nullptr;
    QAction *m_pRemoveStart = nullptr;
};
