#include "panels/month_panel.h"

#include "agenda/reminder_key.h"
#include "panels/month_grid_view.h"
#include "panels/month_text.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

int dayOfMonth(const MonthDay &day, ReminderCalendar calendar)
{
    return calendar == ReminderCalendar::Hijri ? day.hijri.day : day.christian.day;
}

// The day number of the month's day `wanted`, or of its last day before
// it (a shorter month, or the days October 1582 dropped); 0 for none.
int dayOnOrBefore(const MonthData &month, int wanted)
{
    int found = 0;
    for (const MonthDay &day : month.days)
        if (dayOfMonth(day, month.id.calendar) <= wanted)
            found = day.dayNumber;
    return found;
}

// The day number of the month's day `wanted` exactly; 0 for none.
int dayExactly(const MonthData &month, int wanted)
{
    const int found = dayOnOrBefore(month, wanted);
    const MonthDay *day = found ? &month.days[found - month.days.front().dayNumber] : nullptr;
    return day && dayOfMonth(*day, month.id.calendar) == wanted ? found : 0;
}

// The day as the form is to hold it, so that View finds the memo the cell
// marks: as the reminder of the calendar that the day holds spells it
// ("Ramadhan/05"), else as the due check spells the calendar's days first
// ("06" in the Christian calendar, "6" in the Hijri one), which is where an
// Add from there lands.
QString dayText(const MonthDay &day, ReminderCalendar calendar)
{
    for (const DayReminder &reminder : day.reminders)
        if (reminder.calendar == calendar)
            return QString::fromStdString(ReminderKeyDayText(reminder.key));
    return calendar == ReminderCalendar::Hijri
        ? QString::number(day.hijri.day)
        : QStringLiteral("%1").arg(day.christian.day, 2, 10, QLatin1Char('0'));
}

} // namespace

CMonthPanel::CMonthPanel(CZamanixProfile &profile, QWidget *parent)
    : QWidget(parent)
    , m_profile(profile)
{
    m_model.SetFirstWeekday(FirstWeekday(QLocale::system()));
    m_model.SetToday(m_profile.Today());
    m_model.SetHolyDaysShown(m_profile.Settings().holyDays);
    buildLayout();
    listenToProfile();
    // The form starts on today's Hijri date; View then shows it here.
    ShowMonth(
        MonthOfDay(ReminderCalendar::Hijri, m_model.Today(), hijriCalendar()), m_model.Today());
}

void CMonthPanel::listenToProfile()
{
    connect(&m_profile, &CZamanixProfile::remindersChanged, this, [this] { rebuild(); });
    connect(&m_profile, &CZamanixProfile::settingsChanged, this, [this](unsigned which) {
        if (which & kHijriCalendarSetting)
            onHijriCalendarChanged();
        if (which & kHolyDaysSetting) {
            m_model.SetHolyDaysShown(m_profile.Settings().holyDays);
            showTexts();
        }
    });
    connect(
        &m_profile, &CZamanixProfile::newDay, this, [this](int today) { m_model.SetToday(today); });
}

void CMonthPanel::buildLayout()
{
    buildTitle();
    QLayout *buttons = buildButtons();
    buildGrid();
    buildStartCommands();
    buildHolyDayList();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pTitle);
    layout->addWidget(m_pOtherMonths);
    layout->addLayout(buttons);
    layout->addWidget(m_pGrid, 0, Qt::AlignHCenter);
    layout->addWidget(m_pHolyDays, 0, Qt::AlignHCenter);
    layout->addStretch();
    setFocusProxy(m_pGrid);
    // Wide enough for the longest title, so that flipping months never
    // resizes the panel.
    m_pTitle->setMinimumWidth(
        std::max({m_pGrid->width(), LongestMonthTextWidth(m_pTitle->fontMetrics()),
            LongestMonthTextWidth(m_pOtherMonths->fontMetrics())}));
}

void CMonthPanel::buildTitle()
{
    m_pTitle = new QLabel(this);
    QFont titleFont = m_pTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_pTitle->setFont(titleFont);
    m_pOtherMonths = new QLabel(this);
    for (QLabel *label : {m_pTitle, m_pOtherMonths})
        label->setAlignment(Qt::AlignHCenter);
}

QLayout *CMonthPanel::buildButtons()
{
    // The layout puts the earlier months on the right, right to left: the
    // arrows point there.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QString back = rtl ? QStringLiteral("\u203A") : QStringLiteral("\u2039");
    const QString forth = rtl ? QStringLiteral("\u2039") : QStringLiteral("\u203A");
    const QString farBack = rtl ? QStringLiteral("\u00BB") : QStringLiteral("\u00AB");
    const QString farForth = rtl ? QStringLiteral("\u00AB") : QStringLiteral("\u00BB");
    const auto keys = [](QKeyCombination key) {
        return QKeySequence(key).toString(QKeySequence::NativeText);
    };
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(addButton(farBack, tr("Previous year"), keys(Qt::CTRL | Qt::Key_PageUp),
        [this] { MoveMonths(-12); }));
    buttons->addWidget(
        addButton(back, tr("Previous month"), keys(Qt::Key_PageUp), [this] { MoveMonths(-1); }));
    buttons->addStretch();
    buttons->addWidget(
        addButton(tr("Today"), tr("Today"), keys(Qt::Key_Home), [this] { ShowToday(); }));
    buttons->addWidget(addButton(tr("Began On..."), tr("This Month Began On..."),
        keys(Qt::CTRL | Qt::Key_B), [this] { RecordMonthStart(); }));
    buttons->addStretch();
    buttons->addWidget(
        addButton(forth, tr("Next month"), keys(Qt::Key_PageDown), [this] { MoveMonths(1); }));
    buttons->addWidget(addButton(
        farForth, tr("Next year"), keys(Qt::CTRL | Qt::Key_PageDown), [this] { MoveMonths(12); }));
    return buttons;
}

void CMonthPanel::buildGrid()
{
    m_pGrid = new CMonthGridView(&m_model, this);
    m_pGrid->setAccessibleDescription(
        tr("Arrow keys move the day, Page Up and Page Down the month, with Control the year; "
           "Home goes to today; Enter shows the day in the form"));
    m_pGrid->SetKeyHandler([this](QKeyEvent *event) { return onKey(event); });
    QObject::connect(m_pGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) {
            if (const MonthDay *day = m_model.DayAt(current); day && !m_bSelecting)
                m_nSelected = day->dayNumber;
        });
    QObject::connect(m_pGrid, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (const MonthDay *day = m_model.DayAt(index)) {
            m_nSelected = day->dayNumber;
            ChooseSelectedDay();
        }
    });
}

void CMonthPanel::buildHolyDayList()
{
    // Room for the most holy days a month can hold (9 and 10 Thul Hijjah,
    // 1 and 10 Muharram), kept while there are none, so that the panel
    // keeps its size.
    constexpr int kMostHolyDays = 4;
    m_pHolyDays = new QLabel(this);
    m_pHolyDays->setFixedSize(
        m_pGrid->width(), kMostHolyDays * m_pHolyDays->fontMetrics().lineSpacing());
    m_pHolyDays->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    QSizePolicy keepRoom = m_pHolyDays->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_pHolyDays->setSizePolicy(keepRoom);
}

QToolButton *CMonthPanel::addButton(const QString &text, const QString &name, const QString &keys,
    const std::function<void()> &action)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setAccessibleName(name);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(name, keys));
    button->setAutoRaise(true);
    QObject::connect(button, &QToolButton::clicked, this, action);
    return button;
}

void CMonthPanel::SetFirstWeekday(int weekday)
{
    m_model.SetFirstWeekday(weekday);
    showSelection();
}

UtcOffsetAt CMonthPanel::offsetAt() const
{
    if (m_zone)
        return [zone = *m_zone](std::int64_t utc) {
            return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC));
        };
    // The C library's local time, as the clock's (CTime) is.
    return [](std::int64_t utc) {
        return QDateTime::fromSecsSinceEpoch(utc, Qt::LocalTime).offsetFromUtc();
    };
}

bool CMonthPanel::ShowMonth(const MonthId &month, int selectedDay)
{
    if (!IsShowableMonth(month, hijriCalendar()))
        return false;
    m_month = month;
    m_nSelected = selectedDay;
    rebuild();
    return true;
}

void CMonthPanel::rebuild()
{
    const CHijriCalendar &hijri = hijriCalendar();
    if (!IsShowableMonth(m_month, hijri)) // the edge of the range under another rule
        m_month = AddMonths(m_month, m_month.year < 2 ? 1 : -1);
    m_bSelecting = true;
    m_model.SetMonth(BuildMonthData(m_month, hijri, m_profile.Lookup(), offsetAt()));
    m_bSelecting = false;
    if (!m_model.IndexOfDay(m_nSelected).isValid())
        m_nSelected = 0;
    showTexts();
    showSelection();
}

void CMonthPanel::showTexts()
{
    const MonthData &month = m_model.Month();
    const QString title = MonthYearText(month.id.calendar, month.id.year, month.id.month);
    const QString other = OtherMonthsText(month);
    m_pTitle->setText(title);
    m_pOtherMonths->setText(other);
    m_pGrid->setAccessibleName(title + QStringLiteral(", ") + other);
    const QStringList holyDays = HolyDaysShown() ? HolyDayLines(month) : QStringList();
    QStringList shown;
    for (const QString &line : holyDays)
        shown << m_pHolyDays->fontMetrics().elidedText(line, Qt::ElideRight, m_pHolyDays->width());
    m_pHolyDays->setText(shown.join(QLatin1Char('\n')));
    const QString all = holyDays.isEmpty()
        ? QString()
        : tr("Holy days: %1").arg(holyDays.join(QStringLiteral("; ")));
    m_pHolyDays->setAccessibleName(all);
    m_pHolyDays->setToolTip(holyDays.join(QLatin1Char('\n')));
    m_pHolyDays->setHidden(holyDays.isEmpty()); // its room stays
    updateStartCommands();
}

void CMonthPanel::showSelection()
{
    m_bSelecting = true;
    const QModelIndex cell = m_model.IndexOfDay(m_nSelected);
    if (cell.isValid())
        m_pGrid->setCurrentIndex(cell);
    else {
        m_pGrid->selectionModel()->clearSelection();
        m_pGrid->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    }
    m_bSelecting = false;
    updateStartCommands(); // a Christian month's selected day names the Hijri month
}

void CMonthPanel::MoveMonths(int delta)
{
    const MonthId target = AddMonths(m_month, delta);
    const MonthData &month = m_model.Month();
    const QModelIndex selected = m_model.IndexOfDay(m_nSelected);
    const int wanted =
        selected.isValid() ? dayOfMonth(*m_model.DayAt(selected), month.id.calendar) : 1;
    if (!ShowMonth(target))
        return;
    m_nSelected = dayOnOrBefore(m_model.Month(), wanted);
    showSelection();
}

void CMonthPanel::MoveDays(int delta)
{
    int from = m_nSelected;
    if (!from)
        from = m_model.IndexOfDay(m_model.Today()).isValid()
            ? m_model.Today()
            : m_model.Month().days.front().dayNumber;
    const int target = from + delta;
    if (m_model.IndexOfDay(target).isValid()) {
        m_nSelected = target;
        showSelection();
        return;
    }
    ShowMonth(MonthOfDay(m_month.calendar, target, hijriCalendar()), target);
}

void CMonthPanel::ShowToday()
{
    const int day = m_model.Today();
    ShowMonth(MonthOfDay(m_month.calendar, day, hijriCalendar()), day);
}

void CMonthPanel::ChooseSelectedDay()
{
    const QModelIndex cell = m_model.IndexOfDay(m_nSelected);
    const MonthDay *day = m_model.DayAt(cell);
    if (!day)
        return;
    const bool hijri = m_month.calendar == ReminderCalendar::Hijri;
    const YearMonthDay &date = hijri ? day->hijri : day->christian;
    emit dayChosen(hijri, date.year, date.month, dayText(*day, m_month.calendar));
}

void CMonthPanel::ShowFormDate(bool hijri, int year, int month, const QString &dayText)
{
    const MonthId shown{hijri ? ReminderCalendar::Hijri : ReminderCalendar::Christian, year, month};
    if (shown != m_month && !ShowMonth(shown))
        return; // a date the panel cannot show: it stays where it was
    // The form may hold any text as the day: only a day of the month selects.
    bool digits = !dayText.isEmpty() && dayText.size() <= 2;
    for (const QChar c : dayText)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    m_nSelected = digits ? dayExactly(m_model.Month(), dayText.toInt()) : 0;
    showSelection();
}

void CMonthPanel::onHijriCalendarChanged()
{
    // The same day of the same month, which other civil days may now hold.
    const QModelIndex selected = m_model.IndexOfDay(m_nSelected);
    const int wanted =
        selected.isValid() ? dayOfMonth(*m_model.DayAt(selected), m_month.calendar) : 0;
    rebuild();
    if (wanted && m_month.calendar == ReminderCalendar::Hijri) {
        m_nSelected = dayOnOrBefore(m_model.Month(), wanted);
        showSelection();
    }
}

void CMonthPanel::SetTimeZone(const QTimeZone &zone)
{
    m_zone = zone;
    rebuild();
}

bool CMonthPanel::onKey(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int forward = m_pGrid->isRightToLeft() ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        MoveDays(-forward);
        return true;
    case Qt::Key_Right:
        MoveDays(forward);
        return true;
    case Qt::Key_Up:
        MoveDays(-7);
        return true;
    case Qt::Key_Down:
        MoveDays(7);
        return true;
    case Qt::Key_PageUp:
        MoveMonths(control ? -12 : -1);
        return true;
    case Qt::Key_PageDown:
        MoveMonths(control ? 12 : 1);
        return true;
    case Qt::Key_Home:
        ShowToday();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ChooseSelectedDay();
        return true;
    case Qt::Key_F10: // as the Menu key, for keyboards without one
        if (!(event->modifiers() & Qt::ShiftModifier))
            return false;
        showStartMenu();
        return true;
    default:
        return false;
    }
}
