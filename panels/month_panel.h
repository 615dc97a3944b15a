// The month at a glance: the month of the form's calendar as a grid of
// weeks, each day with its date in both calendars, the Moon's phases, the
// reminders it holds and the Islamic holy days; the title names the month
// in both calendars, and the holy days of the month are listed under the
// grid.
//
// Keys in the grid: the arrows move the selected day (into the months
// before and after), Page Up and Page Down the month, with Control the
// year, Home goes to today, Enter puts the selected day into the form and
// runs View, as a click on a day does. The panel follows the dates that
// View shows, the reminders that Add and Delete change, the profile as
// other programs change it, the Hijri calendar the user keeps, and the day.
#pragma once

#include "agenda/month_data.h"
#include "form/view_listener.h"
#include "panels/month_model.h"
#include "panels/profile_watch.h"
#include "reminders/profile_snapshot.h"

#include <QTimeZone>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

class CMonthGridView;
class CZamanixView;
class QLabel;
class QLayout;
class QToolButton;

class CMonthPanel : public QWidget, public CZamanixViewListener {
public:
    CMonthPanel(const std::filesystem::path &profile, QWidget *parent);
    ~CMonthPanel() override;

    // The form whose dates the panel follows and fills (nullptr: none); the
    // panel registers as its listener until it goes or another comes.
    void AttachView(CZamanixView *view);

    void OnDateShown(bool hijri, int year, int month, const CString &dayText) override;
    void OnRemindersChanged() override { Refresh(true); }
    void OnHijriCalendarChanged() override;

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
    // Puts the selected day into the form (calendar, month, day, year) and
    // runs View.
    void ChooseSelectedDay();

    void SetHolyDaysShown(bool shown);
    bool HolyDaysShown() const { return m_model.HolyDaysShown(); }
    // Reads the profile again when it changed since the last read (or
    // whatever it did, when `always`) and marks the reminders anew.
    void Refresh(bool always = false);
    // Moves today's mark when the day changed since the last look.
    void CheckToday();
    // The zone whose local days the phases fall on; by default the system's.
    void SetTimeZone(const QTimeZone &zone);
    // 0 = Sunday .. 6 = Saturday; by default the locale's (FirstWeekday).
    void SetFirstWeekday(int weekday);

    const MonthData &Month() const { return m_model.Month(); }
    const CMonthModel &Model() const { return m_model; }
    // The profile as the panel read it last.
    const CProfileSnapshot &Profile() const { return m_profile; }
    int SelectedDay() const { return m_nSelected; } // a day number; 0: none
    CMonthGridView *Grid() const { return m_pGrid; }
    QLabel *TitleLabel() const { return m_pTitle; }
    QLabel *OtherMonthsLabel() const { return m_pOtherMonths; }
    QLabel *HolyDayList() const { return m_pHolyDays; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
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
    CHijriCalendar hijriCalendar() const;
    UtcOffsetAt offsetAt() const;
    static int today();

    CZamanixView *m_pView = nullptr;
    CProfileSnapshot m_profile;
    CProfileWatch m_watch{this, [this] { Refresh(); }};
    CMonthModel m_model;
    MonthId m_month;
    int m_nSelected = 0;
    bool m_bSelecting = false; // the panel moves the grid's current cell itself
    std::optional<QTimeZone> m_zone;
    QTimer m_dayTimer;
    CMonthGridView *m_pGrid = nullptr;
    QLabel *m_pTitle = nullptr;
    QLabel *m_pOtherMonths = nullptr;
    QLabel *m_pHolyDays = nullptr;
};
