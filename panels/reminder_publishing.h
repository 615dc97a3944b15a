// Publishing the reminders to the calendar server the profile names
// ([CalendarServer], reminders/server_settings.h), as the desktop program
// does it: in the background, one publish at a time, when CPublishSchedule
// says (at once when publishing is set up or its settings change; shortly
// after a change of the reminders or of the Hijri calendar, a burst of them
// being one publish; on a new day and once a day; after a failure again with
// growing pauses) and at Publish Now. The window never waits on the network
// or the keyring: the publisher's requests and the keyring's answers come
// through Qt's event loop, and only the events (with their digests) are
// built on the window's thread (make bench: holdsTheWindow). Nothing local is
// written.
//
// The password is the one of the server's user in the keyring, or the one
// kept for this session where no keyring took it (CServerPasswordKeeper);
// it is asked for once and kept in memory while the URL and user stay.
//
//   auto *publishing = new CReminderPublishing(profile, window);
//   connect(publishing, &CReminderPublishing::statusChanged, pane, &QLabel::setText);
//   publishing->Start();
#pragma once

#include "session/zamanix_profile.h"
#include "sync/publish_schedule.h"
#include "sync/publishing_module.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class CReminderPublishing : public QObject {
    Q_OBJECT

public:
    // Hears the profile from the start; publishes from Start on.
    explicit CReminderPublishing(CZamanixProfile &profile, QObject *parent = nullptr);

    // Publishes as the profile's settings say, the first time at once when
    // publishing is set up. The program calls it once it runs (not when it
    // only prints).
    void Start();
    // Whether the profile names a calendar to publish to.
    bool IsSetUp() const;
    // Whether a publish runs, or waits for the keyring's password.
    bool IsPublishing() const;
    // Publish Now: at once, or as soon as the publish that runs has ended.
    void PublishNow();
    // Starts a publish when the schedule has one due at the clock's time
    // (CTime::GetCurrentTime). Its timer calls it; so may a test that moved
    // the clock on.
    void PublishIfDue();
    // When the schedule has the next publish due; none when not set up.
    std::optional<std::int64_t> NextPublish() const;

    // The password of the user at the URL the profile names now: Load asks
    // for the one kept (passwordLoaded follows); Store keeps this one in the
    // keyring, else for this session (passwordStored follows), and publishes
    // with it from now on.
    void LoadPassword();
    void StorePassword(const QString &password);

    // What the status bar shows: empty while publishing is not set up.
    const QString &Status() const { return m_strStatus; }

signals:
    void statusChanged(const QString &text);
    // A failure for the user to see once (CPublishSchedule::TakeFailureToTell):
    // the message box's text.
    void failureToTell(const QString &message);
    void finished(const PublishResult &result);
    void passwordLoaded(bool found, const QString &password, bool sessionOnly);
    void passwordStored(bool inKeyring, const QString &problem);

private:
    const CalendarServerSettings &server() const;
    // The keyring's key of the server's password.
    QString passwordKey() const;
    void onSettingsChanged(unsigned which);
    void onChanged();
    void startPublish();
    void send();
    void readPassword();
    void onPasswordRead(bool found, const QString &password, bool sessionOnly);
    void onFinished(const PublishResult &result);
    // The module's publisher and keeper, made on first use; null when the
    // module cannot be loaded.
    IReminderPublisher *publisher();
    IPasswordKeeper *keeper();
    // A publish that cannot run without the module ends at once.
    void failWithoutModule();
    // Sets the timer to the next publish due.
    void arm();
    void setStatus(const QString &text);

    CZamanixProfile &m_profile;
    std::unique_ptr<IReminderPublisher> m_pPublisher;
    CPublishSchedule m_schedule;
    std::unique_ptr<IPasswordKeeper> m_pKeeper;
    QTimer m_timer;
    bool m_bStarted = false;
    bool m_bAgain = false; // publish again as soon as the one that runs ends
    bool m_bWaitingForPassword = false; // a publish waits for the keyring
    bool m_bReadingPassword = false; // the keyring was asked
    bool m_bStoredSinceRead = false; // a password was given since it was asked
    QString m_strReadingKey; // the key asked for
    QString m_strPasswordKey; // the key of the password known
    std::optional<QString> m_strPassword;
    bool m_bSessionOnly = false; // the password known is kept for this session only
    CalendarServerSettings m_published; // the settings of the publish that runs
    QString m_strStatus;
};
