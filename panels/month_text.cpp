#include "panels/month_text.h"

#include "agenda/holy_days.h"
#include "agenda/reminder_key.h"
#include "agenda/reminder_list.h"
#include "calendar/calendar.h"
#include "calendar/shown_dates.h"
#include "framework/shown_digits.h"
#include "panels/reminder_table_model.h"
#include "text/display_names.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The English abbreviations; another language shows CLDR's (DisplayName).
const char *const kShortHijri[12] = {"Muh", "Saf", "Rab I", "Rab II", "Jum I", "Jum II", "Raj",
    "Sha'b", "Ram", "Shaw", "Qi'd", "Hijj"};
const char *const kShortChristian[12] = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const kDash = " \u2013 ";

// A memo in a name or a tool tip is shown by its beginning: a memo of
// megabytes would make both useless and slow.
constexpr int kNamedMemo = 200;

QString monthName(ReminderCalendar calendar, int month)
{
    return QString::fromStdString(ReminderMonthShownName(calendar, month));
}

QString tr(const char *text)
{
    return QCoreApplication::translate("CMonthPanel", text);
}

QString beginning(QString text, int length)
{
    if (text.size() > length)
        text = text.left(length) + QStringLiteral("\u2026");
    return text;
}

QString shownDate(const MonthDay &day, ReminderCalendar shown)
{
    return shown == ReminderCalendar::Hijri
        ? ShownDigits(QString::fromStdString(ShownDateText(day.hijri, true, day.weekday)))
        : ChristianDateText(day.christian, day.weekday);
}

QString otherDate(const MonthDay &day, ReminderCalendar shown)
{
    if (shown == ReminderCalendar::Hijri)
        return ShownDigits(QString::fromStdString(ShownDateText(day.christian, false)));
    return HijriDateText(day.hijri);
}

QString remindersText(const MonthDay &day)
{
    QStringList memos;
    for (const DayReminder &reminder : day.reminders)
        memos << beginning(OneLineMemo(reminder.memo), kNamedMemo);
    return (memos.size() == 1 ? QCoreApplication::translate("CMonthPanel", "reminder: %1")
                              : QCoreApplication::translate("CMonthPanel", "reminders: %1"))
        .arg(memos.join(QStringLiteral("; ")));
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString holyName(const HolyDay &holy)
{
    return QString::fromStdString(HolyDayName(holy));
}

// How a day's cell names its holy day: a night with the evening it begins.
QString holyDayText(const HolyDay &holy, const MonthDay &day)
{
    return holy.nightBefore ? HolyNightText(holy, day.dayNumber - 1) : holyName(holy);
}

// The holy days and nights of a day, as a cell says them.
QStringList holyTexts(const MonthDay &day)
{
    QStringList texts;
    for (const HolyDay *holy : day.holyDays)
        texts << holyDayText(*holy, day);
    for (const HolyDay *holy : day.holyNights)
        texts << HolyEveningText(*holy);
    return texts;
}

// A memo as rich text: escaped, its line breaks kept.
QString memoHtml(const DayReminder &reminder)
{
    const QString memo = MemoHtml(reminder.memo);
    const std::optional<int> rings = AlarmRingsAt(reminder.alarm);
    return rings ? QCoreApplication::translate("CMonthPanel", "Reminder: %1 (alarm at %2)")
                       .arg(memo, ClockText(*rings))
                 : QCoreApplication::translate("CMonthPanel", "Reminder: %1").arg(memo);
}

} // namespace

QString ShortMonthName(ReminderCalendar calendar, int month)
{
    const bool hijri = calendar == ReminderCalendar::Hijri;
    return QString::fromStdString(
        DisplayName(hijri ? NameKind::HijriMonthShort : NameKind::ChristianMonthShort, month,
            (hijri ? kShortHijri : kShortChristian)[month - 1]));
}

QStringList AllShortMonthNames()
{
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names << ShortMonthName(ReminderCalendar::Hijri, m)
              << ShortMonthName(ReminderCalendar::Christian, m);
    return names;
}

QString MonthYearText(ReminderCalendar calendar, int year, int month)
{
    return ShownDigits(
        QString::fromStdString(ShownMonthText(year, month, calendar == ReminderCalendar::Hijri)));
}

QString OtherMonthsText(const MonthData &month)
{
    if (month.days.empty())
        return {};
    const ReminderCalendar other = month.id.calendar == ReminderCalendar::Hijri
        ? ReminderCalendar::Christian
        : ReminderCalendar::Hijri;
    const auto dateIn = [other](const MonthDay &day) {
        return other == ReminderCalendar::Hijri ? day.hijri : day.christian;
    };
    const YearMonthDay first = dateIn(month.days.front()), last = dateIn(month.days.back());
    if (first.month == last.month && first.year == last.year)
        return MonthYearText(other, first.year, first.month);
    if (first.year == last.year)
        return monthName(other, first.month) + QString::fromUtf8(kDash) +
            MonthYearText(other, last.year, last.month);
    return MonthYearText(other, first.year, first.month) + QString::fromUtf8(kDash) +
        MonthYearText(other, last.year, last.month);
}

int LongestMonthTextWidth(const QFontMetrics &metrics)
{
    int widest = 0;
    for (ReminderCalendar calendar : {ReminderCalendar::Hijri, ReminderCalendar::Christian})
        for (int m = 1; m <= 12; ++m)
            widest = std::max(widest, metrics.horizontalAdvance(MonthYearText(calendar, 8888, m)));
    // Latin text adds up, but for kerning at the two joins.
    return 2 * widest + metrics.horizontalAdvance(QString::fromUtf8(kDash)) +
        2 * metrics.averageCharWidth();
}

QString OtherDayText(const MonthDay &day, ReminderCalendar shown)
{
    const bool hijriShown = shown == ReminderCalendar::Hijri;
    const YearMonthDay &other = hijriShown ? day.christian : day.hijri;
    if (other.day != 1)
        return ShownNumber(other.day);
    return ShownDigits(QStringLiteral("1 ")) +
        ShortMonthName(
            hijriShown ? ReminderCalendar::Christian : ReminderCalendar::Hijri, other.month);
}

QString MoonPhaseName(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::New:
        return tr(QT_TRANSLATE_NOOP("CMonthPanel", "new moon"));
    case MoonPhase::FirstQuarter:
        return tr(QT_TRANSLATE_NOOP("CMonthPanel", "first quarter"));
    case MoonPhase::Full:
        return tr(QT_TRANSLATE_NOOP("CMonthPanel", "full moon"));
    case MoonPhase::LastQuarter:
        return tr(QT_TRANSLATE_NOOP("CMonthPanel", "last quarter"));
    }
    return {};
}

QString MoonPhaseText(const MoonPhaseTime &phase)
{
    const char *pattern = nullptr;
    switch (phase.phase) {
    case MoonPhase::New:
        pattern = QT_TRANSLATE_NOOP("CMonthPanel", "new moon at %1");
        break;
    case MoonPhase::FirstQuarter:
        pattern = QT_TRANSLATE_NOOP("CMonthPanel", "first quarter at %1");
        break;
    case MoonPhase::Full:
        pattern = QT_TRANSLATE_NOOP("CMonthPanel", "full moon at %1");
        break;
    case MoonPhase::LastQuarter:
        pattern = QT_TRANSLATE_NOOP("CMonthPanel", "last quarter at %1");
        break;
    }
    return tr(pattern).arg(ClockText(phase.localMinute));
}

QString DayDescription(const MonthDay &day, ReminderCalendar shown, bool today, bool holyDays)
{
    QStringList parts = {shownDate(day, shown), otherDate(day, shown)};
    if (today)
        parts << QCoreApplication::translate("CMonthPanel", "today");
    if (day.moonPhase)
        parts << MoonPhaseText(*day.moonPhase);
    if (!day.reminders.empty())
        parts << remindersText(day);
    if (holyDays)
        parts << holyTexts(day);
    return parts.join(QStringLiteral(", "));
}

QString DayToolTip(const MonthDay &day, ReminderCalendar shown, bool today, bool holyDays)
{
    QStringList lines = {QStringLiteral("<b>%1</b>").arg(shownDate(day, shown).toHtmlEscaped()),
        otherDate(day, shown).toHtmlEscaped()};
    if (today)
        lines << QCoreApplication::translate("CMonthPanel", "Today");
    if (holyDays)
        for (const QString &holy : holyTexts(day))
            lines << QStringLiteral("<i>%1</i>").arg(capitalized(holy).toHtmlEscaped());
    if (day.moonPhase)
        lines << capitalized(MoonPhaseText(*day.moonPhase));
    for (const DayReminder &reminder : day.reminders)
        lines << memoHtml(reminder);
    // <qt> makes it rich text whatever a memo holds.
    return QStringLiteral("<qt>") + lines.join(QStringLiteral("<br>")) + QStringLiteral("</qt>");
}

QString DayListLabel(const MonthDay &day)
{
    return QStringLiteral("%1 %2 (%3 %4 %5)")
        .arg(ShownNumber(day.hijri.day))
        .arg(monthName(ReminderCalendar::Hijri, day.hijri.month))
        .arg(WeekdayName(day.weekday))
        .arg(ShownNumber(day.christian.day))
        .arg(monthName(ReminderCalendar::Christian, day.christian.month));
}

QString HolyNightText(const HolyDay &holy, int evening)
{
    const YearMonthDay christian = ChristianOfDay(evening);
    return QCoreApplication::translate("MonthText", "%1: the night before %2, from sunset on %3")
        .arg(holyName(holy),
            QStringLiteral("%1 %2").arg(
                ShownNumber(holy.day), monthName(ReminderCalendar::Hijri, holy.month)),
            QStringLiteral("%1 %2 %3")
                .arg(WeekdayName(WeekdayOfDay(evening)))
                .arg(ShownNumber(christian.day))
                .arg(monthName(ReminderCalendar::Christian, christian.month)));
}

QString HolyEveningText(const HolyDay &holy)
{
    return QCoreApplication::translate("MonthText", "from sunset, the night of %1")
        .arg(holyName(holy));
}

QStringList HolyDayLines(const MonthData &month)
{
    QStringList lines;
    for (const MonthDay &day : month.days)
        for (const HolyDay *holy : day.holyDays)
            lines << (holy->nightBefore
                    ? holyDayText(*holy, day)
                    : DayListLabel(day) + QStringLiteral(": ") + holyName(*holy));
    if (!month.days.empty())
        for (const HolyDay *holy : month.days.back().holyNights)
            lines << HolyNightText(*holy, month.days.back().dayNumber);
    return lines;
}

QString WeekdayName(int weekday)
{
    // QLocale counts weekdays from Monday = 1.
    return QString::fromStdString(DisplayName(NameKind::Weekday, weekday,
        QLocale::c().dayName(weekday == 0 ? 7 : weekday).toStdString()));
}

QString ShortWeekdayName(int weekday)
{
    return QString::fromStdString(DisplayName(NameKind::WeekdayShort, weekday,
        QLocale::c().dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat).toStdString()));
}

int FirstWeekday(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return 0;
    return static_cast<int>(locale.firstDayOfWeek()) % 7;
}
