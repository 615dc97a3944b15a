#include "panels/reminder_publishing.h"

#include "agenda/export_request.h"
#include "calendar/hijri_rule.h"
#include "framework/ctime.h"
#include "panels/publish_texts.h"
#include "sync/server_password.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The longest the timer waits before it looks at the clock again: timers
// run on the monotonic clock, which stands still while the machine sleeps.
constexpr std::int64_t kLongestWait = 60 * 60;

std::int64_t now()
{
    return CTime::GetCurrentTime().GetTime();
}

// The module is loaded once; what kept it from loading stays the same.
IPublishingModule *publishingModule()
{
    std::string problem;
    return LoadPublishingModule(problem);
}

std::string moduleProblem()
{
    std::string problem;
    LoadPublishingModule(problem);
    return problem;
}

} // namespace

CReminderPublishing::CReminderPublishing(CZamanixProfile &profile, QObject *parent)
    : QObject(parent)
    , m_profile(profile)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CReminderPublishing::PublishIfDue);
    connect(&m_profile, &CZamanixProfile::settingsChanged, this,
        &CReminderPublishing::onSettingsChanged);
    connect(&m_profile, &CZamanixProfile::remindersChanged, this, [this] { onChanged(); });
    // The calendar holds the days from today on.
    connect(&m_profile, &CZamanixProfile::newDay, this, [this] { onChanged(); });
    connect(&m_profile, &CZamanixProfile::clockJumped, this, [this] { arm(); });
}

IReminderPublisher *CReminderPublishing::publisher()
{
    if (!m_pPublisher)
        if (IPublishingModule *loaded = publishingModule())
            m_pPublisher = loaded->NewPublisher({
                [this](PublishStage stage, int done, int total) {
                    setStatus(PublishProgressText(stage, done, total));
                },
                [this](const PublishResult &result) { onFinished(result); },
            });
    return m_pPublisher.get();
}

IPasswordKeeper *CReminderPublishing::keeper()
{
    if (!m_pKeeper)
        if (IPublishingModule *loaded = publishingModule())
            m_pKeeper = loaded->NewPasswordKeeper({
                [this](bool found, const QString &password, bool sessionOnly) {
                    onPasswordRead(found, password, sessionOnly);
                },
                [this](bool inKeyring, const QString &problem) {
                    m_bSessionOnly = !inKeyring;
                    emit passwordStored(inKeyring, problem);
                },
            });
    return m_pKeeper.get();
}

void CReminderPublishing::failWithoutModule()
{
    PublishResult unavailable;
    unavailable.failure = PublishFailure::Unavailable;
    unavailable.message = moduleProblem();
    onFinished(unavailable);
}

const CalendarServerSettings &CReminderPublishing::server() const
{
    return m_profile.Settings().calendarServer;
}

QString CReminderPublishing::passwordKey() const
{
    return QString::fromStdString(PasswordKey(server().url, server().user));
}

bool CReminderPublishing::IsSetUp() const
{
    return !server().url.empty();
}

bool CReminderPublishing::IsPublishing() const
{
    return (m_pPublisher && m_pPublisher->IsRunning()) || m_bWaitingForPassword;
}

std::optional<std::int64_t> CReminderPublishing::NextPublish() const
{
    if (!m_bStarted || !IsSetUp())
        return std::nullopt;
    return m_schedule.Next();
}

void CReminderPublishing::Start()
{
    m_bStarted = true;
    if (IsSetUp())
        m_schedule.Start(now());
    arm();
}

void CReminderPublishing::onSettingsChanged(unsigned which)
{
    if (!(which & kCalendarServerSetting)) {
        if (which & kHijriCalendarSetting)
            onChanged();
        return;
    }
    if (!m_bStarted)
        return;
    // Another server, or the same with other years: a publish at once,
    // after the one that runs; a failure of the old one is not the new one's.
    m_schedule = {};
    if (!IsSetUp()) {
        m_bAgain = false;
        arm();
        setStatus({});
        return;
    }
    m_schedule.Start(now());
    m_bAgain = IsPublishing();
    arm();
}

void CReminderPublishing::onChanged()
{
    if (!m_bStarted || !IsSetUp())
        return;
    m_schedule.OnChanged(now());
    arm();
}

void CReminderPublishing::PublishNow()
{
    if (!m_bStarted || !IsSetUp())
        return;
    if (IsPublishing())
        m_bAgain = true;
    else
        startPublish();
}

void CReminderPublishing::PublishIfDue()
{
    if (!m_bStarted || !IsSetUp() || IsPublishing())
        return;
    if (m_schedule.Due(now()))
        startPublish();
    else
        arm();
}

void CReminderPublishing::startPublish()
{
    // The watch may not have told of a change yet; a change it brings is in
    // this publish.
    m_profile.Refresh();
    if (!IsSetUp())
        return;
    m_schedule.OnStarted(now());
    m_timer.stop();
    m_published = server();
    if (!m_published.user.empty() && (!m_strPassword || m_strPasswordKey != passwordKey())) {
        m_bWaitingForPassword = true;
        setStatus(PublishPasswordWaitText());
        readPassword();
        return;
    }
    send();
}

void CReminderPublishing::send()
{
    const CTime time = CTime::GetCurrentTime();
    const int today = ChristianDayNumber({time.GetYear(), time.GetMonth(), time.GetDay()});
    m_published = server();
    IReminderPublisher *running = publisher();
    if (!running)
        return failWithoutModule();
    const CalendarServer target{m_published.url, m_published.user,
        m_published.user.empty() ? std::string() : m_strPassword.value_or(QString()).toStdString()};
    running->Start(target,
        publishingModule()->EventsToPublish(m_profile.Snapshot(), m_profile.HijriCalendar(), today,
            time.GetTime(), m_published.years, LocalTimeZoneName(std::getenv("TZ"))));
}

void CReminderPublishing::LoadPassword()
{
    if (!IsSetUp() || server().user.empty()) {
        emit passwordLoaded(false, QString(), false);
        return;
    }
    if (m_strPassword && m_strPasswordKey == passwordKey()) {
        emit passwordLoaded(true, *m_strPassword, m_bSessionOnly);
        return;
    }
    readPassword();
}

void CReminderPublishing::StorePassword(const QString &password)
{
    m_strPassword = password;
    m_strPasswordKey = passwordKey();
    m_bSessionOnly = false; // until the keyring answers
    m_bStoredSinceRead = true;
    IPasswordKeeper *kept = keeper();
    if (!kept) {
        // Kept here for this session all the same.
        m_bSessionOnly = true;
        emit passwordStored(false, QString::fromStdString(moduleProblem()));
        return;
    }
    kept->Store(
        QString::fromStdString(server().url), QString::fromStdString(server().user), password);
}

void CReminderPublishing::readPassword()
{
    if (m_bReadingPassword)
        return; // its answer serves every caller
    IPasswordKeeper *kept = keeper();
    if (!kept) {
        emit passwordLoaded(false, QString(), false);
        if (m_bWaitingForPassword) {
            m_bWaitingForPassword = false;
            failWithoutModule();
        }
        return;
    }
    m_bReadingPassword = true;
    m_bStoredSinceRead = false;
    m_strReadingKey = passwordKey();
    kept->Read(QString::fromStdString(server().url), QString::fromStdString(server().user));
}

void CReminderPublishing::onPasswordRead(bool found, const QString &password, bool sessionOnly)
{
    m_bReadingPassword = false;
    if (m_strReadingKey != passwordKey()) {
        // The server's settings changed meanwhile: a waiting publish asks
        // for the new one's.
        if (m_bWaitingForPassword) {
            m_bWaitingForPassword = false;
            startPublish();
        }
        return;
    }
    if (m_bStoredSinceRead && m_strPassword && m_strPasswordKey == m_strReadingKey) {
        // A password given meanwhile is newer than the keyring's answer.
        found = true;
        sessionOnly = m_bSessionOnly;
    } else if (found) {
        m_strPassword = password;
        m_strPasswordKey = m_strReadingKey;
        m_bSessionOnly = sessionOnly;
    }
    emit passwordLoaded(found, found ? *m_strPassword : QString(), sessionOnly);
    if (!m_bWaitingForPassword)
        return;
    m_bWaitingForPassword = false;
    if (found)
        return send();
    PublishResult missing;
    missing.failure = PublishFailure::PasswordRefused;
    missing.message = NoPasswordKeptText(
        QString::fromStdString(m_published.user), QString::fromStdString(m_published.url))
                          .toStdString();
    onFinished(missing);
}

void CReminderPublishing::onFinished(const PublishResult &result)
{
    const std::int64_t at = now();
    if (!IsSetUp()) {
        m_bAgain = false;
        setStatus({});
        emit finished(result);
        return;
    }
    m_schedule.OnPublished(result.failure, at);
    // The keyring may hold another password by the next try.
    if (result.failure == PublishFailure::PasswordRefused)
        m_strPassword.reset();
    setStatus(PublishResultText(result, at, m_schedule.Next().value_or(at)));
    if (m_schedule.TakeFailureToTell())
        emit failureToTell(PublishFailureBoxText(result, QString::fromStdString(m_published.url)));
    emit finished(result);
    if (m_bAgain) {
        m_bAgain = false;
        startPublish();
    } else
        arm();
}

void CReminderPublishing::arm()
{
    m_timer.stop();
    const std::optional<std::int64_t> next = NextPublish();
    if (!next || IsPublishing())
        return;
    const std::int64_t wait = std::clamp<std::int64_t>(*next - now(), 0, kLongestWait);
    m_timer.start(static_cast<int>(wait * 1000));
}

void CReminderPublishing::setStatus(const QString &text)
{
    if (text == m_strStatus)
        return;
    m_strStatus = text;
    emit statusChanged(text);
}
