// The module's side of sync/publishing_module.h: the interface over the
// publisher, the password keeper and the iCalendar export, and the one
// function the module exports.
#include "sync/publishing_module.h"

#include "agenda/ical_export.h"
#include "sync/calendar_publisher.h"
#include "sync/password_keeper.h"

namespace {

class CModulePublisher : public IReminderPublisher {
public:
    explicit CModulePublisher(Events events)
    {
        QObject::connect(&m_publisher, &CCalendarPublisher::Progress, &m_publisher,
            [progress = std::move(events.progress)](PublishStage stage, int done, int total) {
                if (progress)
                    progress(stage, done, total);
            });
        QObject::connect(&m_publisher, &CCalendarPublisher::Finished, &m_publisher,
            [finished = std::move(events.finished)](const PublishResult &result) {
                if (finished)
                    finished(result);
            });
    }
    bool Start(const CalendarServer &server, std::vector<ReminderEventObject> events) override
    {
        return m_publisher.Start(server, std::move(events));
    }
    bool IsRunning() const override { return m_publisher.IsRunning(); }

private:
    CCalendarPublisher m_publisher;
};

class CModulePasswordKeeper : public IPasswordKeeper {
public:
    explicit CModulePasswordKeeper(Events events)
    {
        QObject::connect(&m_keeper, &CServerPasswordKeeper::PasswordRead, &m_keeper,
            [read = std::move(events.read)](bool found, const QString &password, bool sessionOnly) {
                if (read)
                    read(found, password, sessionOnly);
            });
        QObject::connect(&m_keeper, &CServerPasswordKeeper::PasswordStored, &m_keeper,
            [stored = std::move(events.stored)](bool inKeyring, const QString &problem) {
                if (stored)
                    stored(inKeyring, problem);
            });
    }
    void Read(const QString &url, const QString &user) override { m_keeper.Read(url, user); }
    void Store(const QString &url, const QString &user, const QString &password) override
    {
        m_keeper.Store(url, user, password);
    }

private:
    CServerPasswordKeeper m_keeper;
};

class CPublishingModule : public IPublishingModule {
public:
    std::string ExportRemindersToICalendar(const CProfileSnapshot &profile,
        const CHijriCalendar &hijri, const ICalendarExport &what) override
    {
        return ::ExportRemindersToICalendar(profile, hijri, what);
    }
    std::vector<ReminderEventObject> EventsToPublish(const CProfileSnapshot &profile,
        const CHijriCalendar &hijri, int today, std::int64_t now, int years,
        const std::string &timeZone) override
    {
        return ::EventsToPublish(profile, hijri, today, now, years, timeZone);
    }
    std::unique_ptr<IReminderPublisher> NewPublisher(IReminderPublisher::Events events) override
    {
        return std::make_unique<CModulePublisher>(std::move(events));
    }
    std::unique_ptr<IPasswordKeeper> NewPasswordKeeper(IPasswordKeeper::Events events) override
    {
        return std::make_unique<CModulePasswordKeeper>(std::move(events));
    }
};

} // namespace

extern "C" __attribute__((visibility("default"))) IPublishingModule *ZamanixPublishingModule(
    TranslationHook texts, NameHook names)
{
    // The module's own copy of text/ speaks the program's language.
    SetTranslationHook(texts);
    SetNameHook(names);
    static CPublishingModule s_module;
    return &s_module;
}

static_assert(std::is_same_v<decltype(&ZamanixPublishingModule), PublishingModuleEntry>);
