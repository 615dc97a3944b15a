// Publishing to a CalDAV calendar: 100 reminders over 2 years (about 200
// events) to a Radicale on the loopback interface, first to a calendar that
// does not exist yet, then again with nothing changed, side by side; and
// what of a publish the desktop program does on the window's thread (the
// events built from the profile, and the publisher started with them: the
// rest runs on the event loop), beside the whole publish with nothing
// changed.
//
// Goals: a publish with nothing changed under a second; the window held for
// a small part of it (the ratio of holdsTheWindow to publishNothingChanged).
#include "agenda/ical_export.h"
#include "agenda/reminder_list.h"
#include "calendar/calendar.h"
#include "sync/calendar_publisher.h"
#include "sync/publish.h"
#include "sync/qt_application.h"

#include <QEventLoop>
#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

constexpr int kReminders = 100;

// The tests' Radicale (tests/sync/radicale_server.py), in a folder of its
// own, until the benchmark ends.
class CBenchServer {
public:
    CBenchServer()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zamanix-bench-XXXXXX");
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_folder = pattern;
        m_pipe =
            ::popen(("exec /usr/bin/python3 " ZAMANIX_SOURCE_DIR "/tests/sync/radicale_server.py " +
                        m_folder.string())
                        .c_str(),
                "r");
        if (!m_pipe || std::fscanf(m_pipe, "%d %d", &m_nPort, &m_nPid) != 2)
            throw std::runtime_error("Radicale did not start");
    }
    ~CBenchServer()
    {
        ::kill(m_nPid, SIGTERM);
        ::pclose(m_pipe);
        std::filesystem::remove_all(m_folder);
    }
    const std::filesystem::path &Folder() const { return m_folder; }
    CalendarServer Calendar(const std::string &name) const
    {
        return {"http://127.0.0.1:" + std::to_string(m_nPort) + "/anna/" + name + "/", "anna",
            "secret"};
    }

private:
    std::filesystem::path m_folder;
    FILE *m_pipe = nullptr;
    int m_nPort = 0, m_nPid = 0;
};

// A profile of 100 reminders, half of each calendar.
std::filesystem::path benchProfile(const std::filesystem::path &folder)
{
    std::ofstream profile(folder / "zamanix.INI");
    profile << "[Defaults]\nHijriCalendar=umalqura\n[Reminder]\n";
    for (int i = 0; i < kReminders; ++i)
        profile << (i % 2 ? HijriMonthNames : ChristianMonthNames)[i % 12] << "/" << 1 + i % 28
                << "=Call the family " << i << "\n";
    return folder / "zamanix.INI";
}

// Their events over the 2 years from 7 December 2026.
std::vector<ReminderEventObject> eventsOf(const CProfileSnapshot &snapshot)
{
    return EventsToPublish(snapshot, ProfileHijriCalendar(snapshot),
        ChristianDayNumber({2026, 12, 7}), 1796644800, 2, "Asia/Riyadh");
}

std::vector<ReminderEventObject> benchEvents(const std::filesystem::path &folder)
{
    return eventsOf(CProfileSnapshot(benchProfile(folder)));
}

void publishOrFail(benchmark::State &state, const CalendarServer &server,
    const std::vector<ReminderEventObject> &events)
{
    const PublishResult result = PublishReminderEvents(server, events);
    if (!result.Succeeded())
        state.SkipWithError(result.message.c_str());
}

void firstPublish(benchmark::State &state)
{
    const CBenchServer server;
    const std::vector<ReminderEventObject> events = benchEvents(server.Folder());
    int calendar = 0;
    for (auto _ : state)
        publishOrFail(state, server.Calendar("first-" + std::to_string(++calendar)), events);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(events.size()));
}
BENCHMARK(firstPublish)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void publishNothingChanged(benchmark::State &state)
{
    const CBenchServer server;
    const std::vector<ReminderEventObject> events = benchEvents(server.Folder());
    publishOrFail(state, server.Calendar("steady"), events);
    for (auto _ : state)
        publishOrFail(state, server.Calendar("steady"), events);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(events.size()));
}
BENCHMARK(publishNothingChanged)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// As CReminderPublishing starts a publish: the events built from the
// profile's snapshot, the publisher started; the requests, answered on the
// event loop, are not counted.
void holdsTheWindow(benchmark::State &state)
{
    const CBenchServer server;
    const CProfileSnapshot snapshot(benchProfile(server.Folder()));
    publishOrFail(state, server.Calendar("steady"), eventsOf(snapshot));
    const std::unique_ptr<QCoreApplication> application = MakeApplicationIfNone();
    CCalendarPublisher publisher;
    QEventLoop loop;
    QObject::connect(&publisher, &CCalendarPublisher::Finished, &loop, &QEventLoop::quit);
    for (auto _ : state) {
        publisher.Start(server.Calendar("steady"), eventsOf(snapshot));
        state.PauseTiming();
        loop.exec();
        state.ResumeTiming();
    }
}
BENCHMARK(holdsTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace

BENCHMARK_MAIN();
