// The publishing stack as the desktop program reaches it: Qt Network for
// the CalDAV requests, QtKeychain for the password and libical for the
// iCalendar text live in a module of their own (zamanix-publishing.so),
// loaded the first time the program exports or publishes. A start that does
// neither maps none of those libraries: they and what they bring (Kerberos,
// the proxy resolver) cost the first window some milliseconds and the
// process two megabytes. zamanix-reminders, the benchmarks and the tests
// link the same code (sync/, agenda/ical_export.h) directly.
//
// The module carries its own copies of the program's plain libraries
// (calendar/, agenda/, text/), hidden inside it; what crosses is the
// interface below and the plain structs it names, built by the same
// compiler from the same headers. Its texts are translated through the
// program's translation hooks, which the loader hands it.
//
//   std::string error;
//   if (IPublishingModule *module = LoadPublishingModule(error))
//       text = module->ExportRemindersToICalendar(snapshot, hijri, what);
#pragma once

#include "agenda/export_request.h"
#include "sync/publish.h"
#include "sync/publish_metatype.h"
#include "text/display_names.h"
#include "text/translate.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A publish that runs without blocking (sync/calendar_publisher.h).
class IReminderPublisher {
public:
    struct Events {
        std::function<void(PublishStage stage, int done, int total)> progress;
        // Always follows a start, never within it.
        std::function<void(const PublishResult &result)> finished;
    };
    virtual ~IReminderPublisher() = default;
    // False while a publish runs (it is then not started).
    virtual bool Start(const CalendarServer &server, std::vector<ReminderEventObject> events) = 0;
    virtual bool IsRunning() const = 0;
};

// The keyring's password of the calendar server's user
// (sync/password_keeper.h): answers come through the events.
class IPasswordKeeper {
public:
    struct Events {
        std::function<void(bool found, const QString &password, bool sessionOnly)> read;
        std::function<void(bool inKeyring, const QString &problem)> stored;
    };
    virtual ~IPasswordKeeper() = default;
    virtual void Read(const QString &url, const QString &user) = 0;
    virtual void Store(const QString &url, const QString &user, const QString &password) = 0;
};

class IPublishingModule {
public:
    virtual ~IPublishingModule() = default;
    // agenda/ical_export.h's ExportRemindersToICalendar.
    virtual std::string ExportRemindersToICalendar(const CProfileSnapshot &profile,
        const CHijriCalendar &hijri, const ICalendarExport &what) = 0;
    // sync/publish.h's EventsToPublish.
    virtual std::vector<ReminderEventObject> EventsToPublish(const CProfileSnapshot &profile,
        const CHijriCalendar &hijri, int today, std::int64_t now, int years,
        const std::string &timeZone) = 0;
    // Objects of the module's that live on the calling (Qt's main) thread.
    virtual std::unique_ptr<IReminderPublisher> NewPublisher(IReminderPublisher::Events events) = 0;
    virtual std::unique_ptr<IPasswordKeeper> NewPasswordKeeper(IPasswordKeeper::Events events) = 0;
};

// The module, loaded on the first call and kept while the program runs;
// nullptr when it cannot be loaded, with `error` saying why in words for a
// user. The installed program looks for it in its library folder, a build
// in its build folder.
IPublishingModule *LoadPublishingModule(std::string &error);

// The one function the module exports: its interface, given the program's
// hooks (text/translate.h, text/display_names.h) for the texts it makes.
using PublishingModuleEntry = IPublishingModule *(*)(TranslationHook texts, NameHook names);
inline constexpr const char *kPublishingModuleEntry = "ZamanixPublishingModule";
