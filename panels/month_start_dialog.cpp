#include "panels/month_start_dialog.h"

#include "panels/list_texts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString monthText(int year, int month)
{
    return QString::fromStdString(HijriMonthText(HijriMonthIndex(year, month)));
}

} // namespace

CMonthStartDialog::CMonthStartDialog(
    const CHijriCalendar &calendar, int year, int month, QWidget *parent)
    : QDialog(parent)
    , m_nYear(year)
    , m_nMonth(month)
    , m_days(calendar.MonthStartCandidates(year, month))
{
    setWindowTitle(tr("When %1 Began - Zamanix").arg(monthText(year, month)));
    m_pText = new QLabel(explanation(calendar), this);
    m_pText->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(buildDays(calendar));
    layout->addWidget(buildButtons(calendar));
    setAccessibleDescription(m_pText->text());
    if (QAbstractButton *checked = m_pDays->checkedButton())
        checked->setFocus(Qt::OtherFocusReason);
}

QWidget *CMonthStartDialog::buildDays(const CHijriCalendar &calendar)
{
    auto *group = new QGroupBox(tr("The days it can have begun on"), this);
    auto *days = new QVBoxLayout(group);
    m_pDays = new QButtonGroup(this);
    const std::optional<HijriMonthStart> recorded = calendar.RecordedMonthStart(m_nYear, m_nMonth);
    const int preferred = recorded ? recorded->day : calendar.RuleMonthStart(m_nYear, m_nMonth);
    for (std::size_t i = 0; i < m_days.size(); ++i) {
        auto *button = new QRadioButton(dayText(calendar, m_days[i]), group);
        m_pDays->addButton(button, static_cast<int>(i));
        days->addWidget(button);
        if (m_days[i] == preferred || i == 0)
            button->setChecked(true);
    }
    group->setVisible(!m_days.empty());
    return group;
}

QWidget *CMonthStartDialog::buildButtons(const CHijriCalendar &calendar)
{
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *record = buttons->addButton(tr("&Record"), QDialogButtonBox::AcceptRole);
    record->setEnabled(!m_days.empty());
    record->setDefault(true);
    connect(record, &QPushButton::clicked, this, [this] {
        accept();
        emit startChosen({m_nYear, m_nMonth, ChosenDay()});
    });
    // Also for a record of the month that the calendar cannot keep.
    if (std::ranges::any_of(calendar.MonthStarts(), [this](const HijriMonthStart &r) {
            return r.year == m_nYear && r.month == m_nMonth;
        })) {
        m_pRemove = buttons->addButton(tr("Remove Recor&d"), QDialogButtonBox::DestructiveRole);
        connect(m_pRemove, &QPushButton::clicked, this, [this] {
            accept();
            emit removeChosen(m_nYear, m_nMonth);
        });
    }
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

int CMonthStartDialog::ChosenDay() const
{
    const int at = m_pDays->checkedId();
    return at >= 0 ? m_days[static_cast<std::size_t>(at)] : 0;
}

QString CMonthStartDialog::explanation(const CHijriCalendar &calendar) const
{
    const QString month = monthText(m_nYear, m_nMonth);
    const QString rule = QString::fromStdString(std::string(calendar.DisplayName()));
    const QString ruleStart = CivilDayText(calendar.RuleMonthStart(m_nYear, m_nMonth));
    if (m_days.empty()) {
        const std::optional<std::string> why = calendar.CheckMonthStart(
            {m_nYear, m_nMonth, calendar.RuleMonthStart(m_nYear, m_nMonth)});
        return tr("%1 cannot be recorded to begin on any day now: %2")
            .arg(month, QString::fromStdString(why.value_or(std::string())));
    }
    if (const std::optional<HijriMonthStart> recorded =
            calendar.RecordedMonthStart(m_nYear, m_nMonth))
        return tr("%1 began on %2, as recorded; %3 begins it on %4. Choose the day your "
                  "community announced.")
            .arg(month, CivilDayText(recorded->day), rule, ruleStart);
    const int start = calendar.DayOfHijri({m_nYear, m_nMonth, 1});
    if (start != calendar.RuleMonthStart(m_nYear, m_nMonth))
        return tr("%1 begins on %2, moved by the records of the months around it; %3 begins it "
                  "on %4. Choose the day your community announced.")
            .arg(month, CivilDayText(start), rule, ruleStart);
    return tr("%1 begins on %2 under %3. Choose the day your community announced.")
        .arg(month, ruleStart, rule);
}

QString CMonthStartDialog::dayText(const CHijriCalendar &calendar, int day) const
{
    const QString date = CivilDayText(day);
    const QString now = HijriDateText(calendar.HijriOfDay(day));
    const bool ruleStart = day == calendar.RuleMonthStart(m_nYear, m_nMonth);
    const std::optional<HijriMonthStart> recorded = calendar.RecordedMonthStart(m_nYear, m_nMonth);
    const bool isRecorded = recorded && recorded->day == day;
    if (ruleStart && isRecorded)
        return tr("%1, now %2 (the rule's start, recorded)").arg(date, now);
    if (ruleStart)
        return tr("%1, now %2 (the rule's start)").arg(date, now);
    if (isRecorded)
        return tr("%1, now %2 (recorded)").arg(date, now);
    return tr("%1, now %2").arg(date, now);
}
