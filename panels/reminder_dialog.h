// New Reminder and Edit Reminder: a dialog for a reminder of any kind (every
// year, once, every month, every week): the date, day or weekday in either
// calendar, shown in both calendars as it is typed, the memo, the alarm
// with its repeat interval, and the notice. Keyboard alone reaches every
// control through its mnemonic and Tab; each carries the name a screen
// reader says. Save keeps nothing that cannot ring for a reason the user
// can mend (agenda/reminder_draft.h): it says why, and the dialog stays.
#pragma once

#include "agenda/reminder_draft.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTimeEdit;

class CReminderDialog : public QDialog {
    Q_OBJECT

public:
    // Shows `draft`; the preview counts from the day `today` (a day number)
    // under `hijri`.
    CReminderDialog(const ReminderDraft &draft, const CHijriCalendar &hijri, int today,
        bool editing, QWidget *parent);

    // The reminder as the controls hold it now.
    ReminderDraft Draft() const;
    // What the dialog shows under the date (DraftPreview).
    QString PreviewText() const;

    QComboBox *KindBox() const { return m_pKind; }
    QComboBox *CalendarBox() const { return m_pCalendar; }
    QComboBox *MonthBox() const { return m_pMonth; }
    QSpinBox *DayBox() const { return m_pDay; }
    QSpinBox *YearBox() const { return m_pYear; }
    QComboBox *WeekdayBox() const { return m_pWeekday; }
    QPlainTextEdit *MemoBox() const { return m_pMemo; }
    QTimeEdit *AlarmBox() const { return m_pAlarm; }
    QSpinBox *EveryBox() const { return m_pEvery; }
    QSpinBox *NoticeBox() const { return m_pNotice; }

    // Runs when Save is chosen and what was typed can be kept; the dialog
    // closes only when it returns true, so that nothing typed is lost.
    void SetKeeper(std::function<bool(const ReminderDraft &)> keeper)
    {
        m_keeper = std::move(keeper);
    }

    void accept() override;

private:
    void buildControls();
    void buildLayout(bool editing);
    void showDraft(const ReminderDraft &draft);
    // The month names and day and year ranges of the calendar chosen, the
    // rows the kind uses, and the preview.
    void onCalendarChosen();
    void onKindChosen();
    void updatePreview();

    std::function<bool(const ReminderDraft &)> m_keeper;
    CHijriCalendar m_hijri;
    int m_nToday = 0;
    QFormLayout *m_pForm = nullptr;
    QComboBox *m_pKind = nullptr;
    QComboBox *m_pCalendar = nullptr;
    QComboBox *m_pMonth = nullptr;
    QSpinBox *m_pDay = nullptr;
    QSpinBox *m_pYear = nullptr;
    QComboBox *m_pWeekday = nullptr;
    QLabel *m_pPreview = nullptr;
    QPlainTextEdit *m_pMemo = nullptr;
    QTimeEdit *m_pAlarm = nullptr;
    QSpinBox *m_pEvery = nullptr;
    QSpinBox *m_pNotice = nullptr;
};
