// Real sound in real time: a PulseAudio server of the test's own with a null
// sink, its monitor recorded while the reminder sound plays. Skipped where
// PulseAudio cannot start.
#include "framework/sound.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

bool have(const char *program)
{
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

// The loudest sample of signed 16-bit audio.
int peak(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    int loudest = 0;
    char bytes[2];
    while (in.read(bytes, 2)) {
        const int sample = static_cast<std::int16_t>(
            static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1]) << 8);
        loudest = std::max(loudest, std::abs(sample));
    }
    return loudest;
}

// Records the sound server's output into a file while it runs.
class CRecorder {
public:
    CRecorder(const std::string &dir, const std::string &name)
        : m_path(dir + "/" + name + ".raw")
        , m_pidFile(dir + "/" + name + ".pid")
    {
        m_started = std::system(("parec --latency-msec=20 -d null.monitor --format=s16le > '" +
                        m_path + "' 2>/dev/null & echo $! > '" + m_pidFile + "'")
                                    .c_str()) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    // Stops recording; the file then holds what was heard.
    const std::string &Stop()
    {
        std::ifstream pidFile(m_pidFile);
        pid_t recorder = 0;
        pidFile >> recorder;
        if (recorder > 0)
            kill(recorder, SIGINT);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return m_path;
    }
    bool Started() const { return m_started; }

private:
    std::string m_path, m_pidFile;
    bool m_started = false;
};

TEST(RealTimeSound, ReminderIsHeardOnTheSoundServer)
{
    if (!have("pulseaudio") || !have("parec"))
        GTEST_SKIP()
            << "pulseaudio or parec is not installed (packages pulseaudio, pulseaudio-utils)";
    char pattern[] = "/tmp/zamanix-sound-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    // The server's socket and files go here, whoever runs the test (root in CI).
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    setenv("HOME", dir.c_str(), 1);
    unsetenv("PULSE_SERVER");

    // Without a server the call comes back at once and says so.
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(PlaySoundAsync("Reminder.wav"));
    EXPECT_LT(clock.elapsed(), 3000);

    const std::string start =
        "pulseaudio -n --daemonize=yes --exit-idle-time=-1 --log-target=stderr"
        " --load=module-null-sink --load=module-native-protocol-unix 2>/dev/null";
    if (std::system(start.c_str()) != 0) {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
        GTEST_SKIP() << "pulseaudio could not start here";
    }
    // Found by its bare name beside the program (the build folder).
    ASSERT_EQ(chdir(ZAMANIX_BINARY_DIR), 0);
    const struct {
        const char *name;
        const char *file;
    } sounds[] = {
        {"the file", "Reminder.wav"},
        {"the theme's alarm when the file is missing", "NoSuchReminder.wav"},
    };
    for (const auto &sound : sounds) {
        SCOPED_TRACE(sound.name);
        CRecorder recorder(dir, sound.file);
        ASSERT_TRUE(recorder.Started());
        EXPECT_TRUE(PlaySoundAsync(sound.file));
        std::this_thread::sleep_for(std::chrono::milliseconds(2000)); // the chime lasts 1.2 s
        const std::string &recording = recorder.Stop();
        EXPECT_GT(std::filesystem::file_size(recording), 10000u);
        EXPECT_GT(peak(recording), 2000) << "the recording is silence";
    }
    std::system("pulseaudio --kill 2>/dev/null");
    std::error_code ignored; // the server may still be leaving
    std::filesystem::remove_all(dir, ignored);
}

} // namespace
