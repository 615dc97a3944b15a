#include "form/reminder_status.h"

#include "agenda/reminder_key.h"

#include <QCoreApplication>

namespace {

// "27 Ramadhan" for a key that names a day, else the key as typed.
QString dayOfKey(const ParsedReminderKey &parsed, const CString &key)
{
    if (!parsed.calendar || parsed.day == 0)
        return QString::fromStdString(key);
    return QStringLiteral("%1 %2")
        .arg(parsed.day)
        .arg(QString::fromStdString(ReminderMonthName(*parsed.calendar, parsed.month)));
}

} // namespace

CString AddRefusal(const CString &key, const CString &memo)
{
    const ParsedReminderKey parsed = ParseReminderKey(key);
    if (!parsed.CanFallDue())
        return parsed.problem;
    return memo.empty() ? CString(kEmptyMemoProblem) : CString();
}

CString KeptReminderMessage(const CString &key)
{
    const ParsedReminderKey parsed = ParseReminderKey(key);
    const QString day = dayOfKey(parsed, key);
    QString text;
    if (parsed.calendar == ReminderCalendar::Hijri && parsed.day == 30)
        text = QCoreApplication::translate(
            "CZamanixView", "Reminder kept for %1; it rings only in the years whose %2 has 30 days")
                   .arg(day,
                       QString::fromStdString(ReminderMonthName(*parsed.calendar, parsed.month)));
    else if (parsed.calendar == ReminderCalendar::Christian && parsed.month == 2 &&
        parsed.day == 29)
        text = QCoreApplication::translate(
            "CZamanixView", "Reminder kept for %1; it rings only in leap years")
                   .arg(day);
    else
        text = QCoreApplication::translate("CZamanixView", "Reminder kept for %1, every year")
                   .arg(day);
    return text.toStdString();
}

CString DeletedReminderMessage(const CString &key, bool existed)
{
    const QString day = dayOfKey(ParseReminderKey(key), key);
    return (existed
            ? QCoreApplication::translate("CZamanixView", "Reminder of %1 deleted")
            : QCoreApplication::translate("CZamanixView", "There was no reminder of %1 to delete"))
        .arg(day)
        .toStdString();
}
