#include "panels/reminder_dialog.h"

#include "agenda/reminder_key.h"
#include "framework/message_box.h"
#include "reminders/reminder_entries.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

int indexOf(ReminderCalendar calendar)
{
    return calendar == ReminderCalendar::Hijri ? 0 : 1;
}

} // namespace

CReminderDialog::CReminderDialog(const ReminderDraft &draft, const CHijriCalendar &hijri, int today,
    bool editing, QWidget *parent)
    : QDialog(parent)
    , m_hijri(hijri)
    , m_nToday(today)
{
    buildControls();
    buildLayout(editing);
    showDraft(draft);
}

void CReminderDialog::buildControls()
{
    m_pKind = new QComboBox(this);
    m_pKind->addItems({tr("Every year"), tr("Once"), tr("Every month"), tr("Every week")});
    m_pCalendar = new QComboBox(this);
    m_pCalendar->addItems({tr("Hijri"), tr("Christian")});
    m_pMonth = new QComboBox(this);
    m_pDay = new QSpinBox(this);
    m_pYear = new QSpinBox(this);
    m_pWeekday = new QComboBox(this);
    m_pWeekday->addItems({tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"),
        tr("Thursday"), tr("Friday"), tr("Saturday")});
    m_pPreview = new QLabel(this);
    m_pPreview->setWordWrap(true);
    m_pPreview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pMemo = new QPlainTextEdit(this);
    m_pMemo->setTabChangesFocus(true);
    m_pAlarm = new QTimeEdit(this);
    m_pAlarm->setDisplayFormat(QStringLiteral("HH:mm"));
    m_pEvery = new QSpinBox(this);
    m_pEvery->setRange(0, kMaxAlarmInterval);
    m_pEvery->setSuffix(tr(" minutes"));
    m_pNotice = new QSpinBox(this);
    m_pNotice->setRange(0, kMaxNoticeDays);
    m_pNotice->setSpecialValueText(tr("None"));
    const auto noticeSuffix = [this](int days) {
        m_pNotice->setSuffix(days == 1 ? tr(" day before") : tr(" days before"));
    };
    connect(m_pNotice, &QSpinBox::valueChanged, this, noticeSuffix);
    noticeSuffix(0);

    const std::pair<QWidget *, QString> names[] = {{m_pKind, tr("Kind")},
        {m_pCalendar, tr("Calendar")}, {m_pMonth, tr("Month")}, {m_pDay, tr("Day")},
        {m_pYear, tr("Year")}, {m_pWeekday, tr("Weekday")}, {m_pPreview, tr("Falls due")},
        {m_pMemo, tr("Memo")}, {m_pAlarm, tr("Alarm time")},
        {m_pEvery, tr("Repeat interval in minutes")},
        {m_pNotice, tr("Notice: days before each day it falls due")}};
    for (const auto &[widget, name] : names)
        widget->setAccessibleName(name);
}

void CReminderDialog::buildLayout(bool editing)
{
    setWindowTitle(editing ? tr("Edit Reminder - Zamanix") : tr("New Reminder - Zamanix"));
    m_pForm = new QFormLayout;
    m_pForm->addRow(tr("&Kind:"), m_pKind);
    m_pForm->addRow(tr("&Calendar:"), m_pCalendar);
    m_pForm->addRow(tr("&Month:"), m_pMonth);
    m_pForm->addRow(tr("&Day:"), m_pDay);
    m_pForm->addRow(tr("&Year:"), m_pYear);
    m_pForm->addRow(tr("&Weekday:"), m_pWeekday);
    m_pForm->addRow(tr("Falls due:"), m_pPreview);
    m_pForm->addRow(tr("M&emo:"), m_pMemo);
    m_pForm->addRow(tr("&Alarm at:"), m_pAlarm);
    m_pForm->addRow(tr("&Repeat every:"), m_pEvery);
    m_pForm->addRow(tr("&Notice:"), m_pNotice);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(tr("&Save"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CReminderDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CReminderDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_pForm);
    layout->addWidget(buttons);

    connect(m_pKind, &QComboBox::currentIndexChanged, this, [this] { onKindChosen(); });
    connect(m_pCalendar, &QComboBox::currentIndexChanged, this, [this] { onCalendarChosen(); });
    connect(m_pMonth, &QComboBox::currentIndexChanged, this, [this] { updatePreview(); });
    connect(m_pWeekday, &QComboBox::currentIndexChanged, this, [this] { updatePreview(); });
    connect(m_pDay, &QSpinBox::valueChanged, this, [this] { updatePreview(); });
    connect(m_pYear, &QSpinBox::valueChanged, this, [this] { updatePreview(); });
}

void CReminderDialog::showDraft(const ReminderDraft &draft)
{
    const QSignalBlocker kind(m_pKind), calendar(m_pCalendar);
    m_pKind->setCurrentIndex(static_cast<int>(draft.kind));
    m_pCalendar->setCurrentIndex(indexOf(draft.calendar));
    onCalendarChosen();
    m_pMonth->setCurrentIndex(draft.month - 1);
    m_pDay->setValue(draft.day);
    m_pYear->setValue(draft.year);
    m_pWeekday->setCurrentIndex(draft.weekday);
    m_pMemo->setPlainText(QString::fromStdString(draft.memo));
    m_pAlarm->setTime(QTime(draft.hour, draft.minute));
    m_pEvery->setValue(draft.every);
    m_pNotice->setValue(draft.notice);
    onKindChosen();
}

ReminderDraft CReminderDialog::Draft() const
{
    ReminderDraft draft;
    draft.kind = static_cast<ReminderKind>(m_pKind->currentIndex());
    draft.calendar =
        m_pCalendar->currentIndex() == 0 ? ReminderCalendar::Hijri : ReminderCalendar::Christian;
    draft.year = m_pYear->value();
    draft.month = m_pMonth->currentIndex() + 1;
    draft.day = m_pDay->value();
    draft.weekday = m_pWeekday->currentIndex();
    draft.memo = m_pMemo->toPlainText().toStdString();
    draft.hour = m_pAlarm->time().hour();
    draft.minute = m_pAlarm->time().minute();
    draft.every = m_pEvery->value();
    draft.notice = m_pNotice->value();
    return draft;
}

QString CReminderDialog::PreviewText() const
{
    return m_pPreview->text();
}

void CReminderDialog::onCalendarChosen()
{
    const bool hijri = m_pCalendar->currentIndex() == 0;
    const ReminderCalendar calendar = hijri ? ReminderCalendar::Hijri : ReminderCalendar::Christian;
    // The numbers typed stay, as the form's calendar choice keeps them.
    const int month = std::max(m_pMonth->currentIndex(), 0);
    {
        const QSignalBlocker blocker(m_pMonth);
        m_pMonth->clear();
        for (int m = 1; m <= 12; ++m)
            m_pMonth->addItem(QString::fromStdString(ReminderMonthName(calendar, m)));
        m_pMonth->setCurrentIndex(month);
    }
    m_pDay->setRange(1, hijri ? 30 : 31);
    // The years whose days are supported, so that a year before 1 written by
    // hand stays as it is; a year 0 is refused when saved.
    if (hijri)
        m_pYear->setRange(m_hijri.HijriOfDay(FirstReminderDay()).year,
            m_hijri.HijriOfDay(LastReminderDay()).year);
    else
        m_pYear->setRange(kFirstSupportedYear, kLastSupportedYear);
    updatePreview();
}

void CReminderDialog::onKindChosen()
{
    const auto kind = static_cast<ReminderKind>(m_pKind->currentIndex());
    const bool weekly = kind == ReminderKind::Weekly;
    m_pForm->setRowVisible(m_pCalendar, !weekly);
    m_pForm->setRowVisible(m_pMonth, kind == ReminderKind::Yearly || kind == ReminderKind::Once);
    m_pForm->setRowVisible(m_pDay, !weekly);
    m_pForm->setRowVisible(m_pYear, kind == ReminderKind::Once);
    m_pForm->setRowVisible(m_pWeekday, weekly);
    updatePreview();
}

void CReminderDialog::updatePreview()
{
    const QString text = QString::fromStdString(DraftPreview(Draft(), m_hijri, m_nToday));
    m_pPreview->setText(text);
    // Said with each control of the date, as it is typed.
    for (QWidget *date : std::initializer_list<QWidget *>{
             m_pKind, m_pCalendar, m_pMonth, m_pDay, m_pYear, m_pWeekday})
        date->setAccessibleDescription(text);
    m_pPreview->setAccessibleDescription(text);
}

void CReminderDialog::accept()
{
    const ReminderDraft draft = Draft();
    const std::string problem = DraftProblem(draft, m_hijri);
    if (problem.empty()) {
        if (!m_keeper || m_keeper(draft))
            QDialog::accept();
        return;
    }
    AfxMessageBox(problem, MB_ICONEXCLAMATION);
    (draft.memo.empty() ? static_cast<QWidget *>(m_pMemo) : m_pDay)->setFocus();
}
