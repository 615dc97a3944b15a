// "This Month Began On...": a small dialog that records the day on which a
// Hijri month began. It offers the days the month can begin on under the
// Hijri calendar in use (its rule's start and the days around it that the
// other records allow, CHijriCalendar::MonthStartCandidates), each in both
// calendars, with the rule's start and the recorded day marked; Record
// asks for the chosen day, Remove Record (when the month has a record) for
// the rule's start again. The arrow keys move between the days, Enter
// records, Escape closes.
#pragma once

#include "calendar/icu/hijri_calendar.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QLabel;
class QPushButton;

class CMonthStartDialog : public QDialog {
    Q_OBJECT

public:
    CMonthStartDialog(const CHijriCalendar &calendar, int year, int month, QWidget *parent);

    // The day chosen, a day number; 0 when the month can begin on none.
    int ChosenDay() const;
    QLabel *Explanation() const { return m_pText; }
    // Remove Record; nullptr when the month has no record.
    QPushButton *RemoveButton() const { return m_pRemove; }

signals:
    // Record: the month begins on the day chosen.
    void startChosen(const HijriMonthStart &start);
    // Remove Record: the month begins where the rule begins it.
    void removeChosen(int year, int month);

private:
    QWidget *buildDays(const CHijriCalendar &calendar);
    QWidget *buildButtons(const CHijriCalendar &calendar);
    QString explanation(const CHijriCalendar &calendar) const;
    QString dayText(const CHijriCalendar &calendar, int day) const;

    int m_nYear, m_nMonth;
    std::vector<int> m_days; // the candidates, in the order of the buttons
    QButtonGroup *m_pDays = nullptr;
    QLabel *m_pText = nullptr;
    QPushButton *m_pRemove = nullptr;
};
