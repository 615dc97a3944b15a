#include "panels/publish_texts.h"

#include "framework/ctime.h"
#include "framework/shown_digits.h"
#include "panels/list_texts.h"

#include <QCoreApplication>

namespace {

// The local time of day, in the digits the windows show numbers in.
QString clock(std::int64_t seconds)
{
    const CTime time(seconds);
    return ClockText(time.GetHour() * 60 + time.GetMinute());
}

} // namespace

QString PublishProgressText(PublishStage stage, int done, int total)
{
    switch (stage) {
    case PublishStage::Looking:
        return QCoreApplication::translate(
            "Publishing", "Publishing the reminders: looking at the calendar...");
    case PublishStage::CreatingCalendar:
        return QCoreApplication::translate(
            "Publishing", "Publishing the reminders: creating the calendar...");
    case PublishStage::Reading:
        return QCoreApplication::translate(
            "Publishing", "Publishing the reminders: reading the calendar's events...");
    case PublishStage::Writing:
        break;
    }
    return QCoreApplication::translate(
        "Publishing", "Publishing the reminders: %1 of %2 changes written...")
        .arg(ShownNumber(done), ShownNumber(total));
}

QString PublishPasswordWaitText()
{
    return QCoreApplication::translate(
        "Publishing", "Publishing the reminders: waiting for the keyring to give the password...");
}

QString PublishResultText(const PublishResult &result, std::int64_t at, std::int64_t nextTry)
{
    if (!result.Succeeded())
        return QCoreApplication::translate(
            "Publishing", "Publishing failed at %1: %2. Zamanix tries again at %3.")
            .arg(clock(at), QString::fromStdString(result.message), clock(nextTry));
    QString text = result.createdCalendar
        ? QCoreApplication::translate(
              "Publishing", "Reminders published at %1 to a new calendar: %2 added.")
              .arg(clock(at), ShownNumber(result.added))
        : QCoreApplication::translate("Publishing",
              "Reminders published at %1: %2 added, %3 changed, %4 removed, %5 unchanged.")
              .arg(clock(at), ShownNumber(result.added), ShownNumber(result.changed),
                  ShownNumber(result.removed), ShownNumber(result.unchanged));
    if (result.keptEdited > 0)
        text += QLatin1Char(' ') +
            QCoreApplication::translate(
                "Publishing", "Events kept as another program changed them: %1.")
                .arg(ShownNumber(result.keptEdited));
    if (result.conflicts > 0)
        text += QLatin1Char(' ') +
            QCoreApplication::translate(
                "Publishing", "Events left as another program wrote them meanwhile: %1.")
                .arg(ShownNumber(result.conflicts));
    return text;
}

QString PublishFailureBoxText(const PublishResult &result, const QString &url)
{
    return QCoreApplication::translate("Publishing",
        "Zamanix could not publish the reminders to %1: %2.\n\nIt tries again by itself, "
        "after longer pauses each time, and the status bar tells how it goes; Options > "
        "Calendar Server... changes the server's settings.")
        .arg(url, QString::fromStdString(result.message));
}

QString NoPasswordKeptText(const QString &user, const QString &url)
{
    return QCoreApplication::translate("Publishing",
        "no password is kept for \"%1\" at %2; give it in Options > Calendar Server...")
        .arg(user, url);
}
