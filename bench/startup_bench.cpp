// Start-up: from exec to the first paint of the main window, Zamanix beside
// a bare Qt window (bare_window.cpp) in the same display, the starts
// interleaved so that both meet the same machine. A Xvfb of the benchmark's
// own is the display; the X server tells when a top-level window is mapped
// and, through the Damage extension, when something is first drawn into
// it, so that nothing in the program is there for the measurement. Each
// start of Zamanix has a fresh profile (the month panel hidden, or shown),
// no session bus, and so runs on its own; it runs in English, and once more
// in Arabic (ar_SA.UTF-8: its translations, Qt's, CLDR's names, right to
// left). Memory is the resident set a second after the first paint.
//
// Goals: the first paint at most 1.2 times as late as the bare window's
// with the panel hidden, 1.35 times with it shown; memory at most 1.15
// times the bare window's; the first paint in Arabic at most 1.1 times as
// late as in English.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <poll.h>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStarts = 15; // of each program, interleaved
constexpr auto kStartLimit = std::chrono::seconds(30);
constexpr auto kSettle = std::chrono::seconds(1); // before the memory is read

double millisecondsSince(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A Xvfb of our own on a display it picks, with the Damage extension.
class CDisplay {
public:
    CDisplay()
    {
        int fds[2];
        if (::pipe(fds) != 0)
            throw std::runtime_error("pipe failed");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(fds[0]);
            ::prctl(PR_SET_PDEATHSIG, SIGTERM); // never outlives the benchmark
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                "-nolisten", "tcp", static_cast<char *>(nullptr));
            std::_Exit(127);
        }
        ::close(fds[1]);
        std::string number;
        char c;
        while (::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (number.empty())
            throw std::runtime_error("Xvfb did not start (is it installed?)");
        m_name = ":" + number;
        // A window may go, and its damage with it, before its events are read.
        XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
        m_pDisplay = XOpenDisplay(m_name.c_str());
        int error = 0;
        if (!m_pDisplay || !XDamageQueryExtension(m_pDisplay, &m_nDamageEvent, &error))
            throw std::runtime_error("no Damage extension on " + m_name);
        XSelectInput(m_pDisplay, DefaultRootWindow(m_pDisplay), SubstructureNotifyMask);
        XSync(m_pDisplay, False);
    }
    ~CDisplay()
    {
        if (m_pDisplay)
            XCloseDisplay(m_pDisplay);
        ::kill(m_pid, SIGTERM);
        ::waitpid(m_pid, nullptr, 0);
    }

    const std::string &Name() const { return m_name; }

    struct Start {
        double mapped = 0, painted = 0; // ms after the exec
        long residentKiB = 0;
    };

    // Runs the program until its first top-level window is mapped and drawn
    // into, reads its memory, and ends it.
    Start Measure(const std::vector<std::string> &command, const std::vector<std::string> &env)
    {
        XSync(m_pDisplay, True); // nothing of an earlier start
        const Clock::time_point begin = Clock::now();
        const pid_t pid = spawn(command, env);
        Start start;
        std::set<Window> mapped;
        std::vector<Damage> damages;
        while (start.painted == 0) {
            if (Clock::now() - begin > kStartLimit) {
                stop(pid);
                throw std::runtime_error(command[0] + " showed no window within 30 s");
            }
            XEvent event;
            if (!nextEvent(event))
                continue;
            const Clock::time_point at = Clock::now();
            if (event.type == CreateNotify) {
                // Watched from its creation, so that no drawing is missed.
                damages.push_back(
                    XDamageCreate(m_pDisplay, event.xcreatewindow.window, XDamageReportNonEmpty));
            } else if (event.type == MapNotify) {
                mapped.insert(event.xmap.window);
                if (start.mapped == 0)
                    start.mapped = millisecondsSince(begin, at);
            } else if (event.type == m_nDamageEvent + XDamageNotify) {
                const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&event);
                XDamageSubtract(m_pDisplay, damage->damage, None, None);
                if (mapped.count(damage->drawable))
                    start.painted = millisecondsSince(begin, at);
            }
        }
        std::this_thread::sleep_for(kSettle);
        start.residentKiB = residentKiB(pid);
        stop(pid);
        for (Damage damage : damages)
            XDamageDestroy(m_pDisplay, damage);
        XSync(m_pDisplay, True);
        return start;
    }

private:
    bool nextEvent(XEvent &event)
    {
        if (XPending(m_pDisplay) == 0) {
            pollfd fd{ConnectionNumber(m_pDisplay), POLLIN, 0};
            ::poll(&fd, 1, 100);
            if (XPending(m_pDisplay) == 0)
                return false;
        }
        XNextEvent(m_pDisplay, &event);
        return true;
    }

    static pid_t spawn(const std::vector<std::string> &command, const std::vector<std::string> &env)
    {
        std::vector<char *> argv, envp;
        for (const std::string &arg : command)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        for (const std::string &variable : env)
            envp.push_back(const_cast<char *>(variable.c_str()));
        envp.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ::execve(argv[0], argv.data(), envp.data());
            std::_Exit(127);
        }
        return pid;
    }

    static long residentKiB(pid_t pid)
    {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmRSS:", 0) == 0)
                return std::strtol(line.c_str() + 6, nullptr, 10);
        return 0;
    }

    static void stop(pid_t pid)
    {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }

    pid_t m_pid = -1;
    std::string m_name;
    Display *m_pDisplay = nullptr;
    int m_nDamageEvent = 0;
};

// A home of its own for each start: a fresh profile, nothing else.
class CHome {
public:
    explicit CHome(const char *profile)
    {
        std::string pattern = std::filesystem::temp_directory_path() / "zamanix-start-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_folder = pattern;
        std::filesystem::create_directories(m_folder / "config");
        std::filesystem::create_directories(m_folder / "runtime");
        std::filesystem::permissions(m_folder / "runtime", std::filesystem::perms::owner_all);
        std::ofstream(m_folder / "config" / "zamanix.INI") << profile;
    }
    ~CHome() { std::filesystem::remove_all(m_folder); }

    std::vector<std::string> Environment(const std::string &display, const char *locale) const
    {
        std::vector<std::string> env = {"DISPLAY=" + display, "HOME=" + m_folder.string(),
            "XDG_CONFIG_HOME=" + (m_folder / "config").string(),
            "XDG_RUNTIME_DIR=" + (m_folder / "runtime").string(), "QT_QPA_PLATFORM=xcb",
            std::string("LANG=") + locale, "TZ=UTC"};
        for (const char *kept : {"PATH", "XDG_DATA_DIRS"})
            if (const char *value = std::getenv(kept))
                env.push_back(std::string(kept) + "=" + value);
        return env;
    }

private:
    std::filesystem::path m_folder;
};

struct Peer {
    const char *name;
    const char *program;
    const char *profile;
    const char *locale;
};

const Peer kPeers[] = {
    {"bare", ZAMANIX_BARE_WINDOW, "", "C.UTF-8"},
    {"zamanix", ZAMANIX_PROGRAM, "", "C.UTF-8"},
    {"panel", ZAMANIX_PROGRAM, "[Defaults]\nMonthPanel=ON\n", "C.UTF-8"},
    {"arabic", ZAMANIX_PROGRAM, "", "ar_SA.UTF-8"},
};
constexpr int kPeerCount = std::size(kPeers);

void startToFirstPaint(benchmark::State &state)
{
    CDisplay display;
    std::vector<double> painted[kPeerCount], mapped[kPeerCount], resident[kPeerCount];
    for (auto _ : state) {
        for (int round = 0; round < kStarts; ++round)
            for (int peer = 0; peer < kPeerCount; ++peer) {
                const CHome home(kPeers[peer].profile);
                const CDisplay::Start start = display.Measure(
                    {kPeers[peer].program}, home.Environment(display.Name(), kPeers[peer].locale));
                painted[peer].push_back(start.painted);
                mapped[peer].push_back(start.mapped);
                resident[peer].push_back(static_cast<double>(start.residentKiB));
            }
        state.SetIterationTime(median(painted[1]) / 1000);
    }
    for (int peer = 0; peer < kPeerCount; ++peer) {
        const std::string name = kPeers[peer].name;
        state.counters[name + "_map_ms"] = median(mapped[peer]);
        state.counters[name + "_paint_ms"] = median(painted[peer]);
        state.counters[name + "_MiB"] = median(resident[peer]) / 1024;
    }
    state.counters["paint_x_bare"] = median(painted[1]) / median(painted[0]);
    state.counters["panel_paint_x_bare"] = median(painted[2]) / median(painted[0]);
    state.counters["memory_x_bare"] = median(resident[1]) / median(resident[0]);
    state.counters["arabic_paint_x_english"] = median(painted[3]) / median(painted[1]);
}
BENCHMARK(startToFirstPaint)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
