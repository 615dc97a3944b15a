// The fonts, read on threads of their own while the program sets itself
// up: Qt reads them when the first text is measured, and fontconfig's files
// (the configuration and the font caches) and Qt's font database take
// milliseconds that the window would otherwise wait for. Qt's font database
// is thread-safe, and fontconfig makes one configuration of two read at
// once: whichever thread comes first reads, and the other takes its result.
#pragma once

#include <thread>

// At the start of main: fontconfig's configuration read. Returns at once;
// the thread is joined at exit.
void WarmFontConfiguration();

// While it lives (from just after the application object is made, gone
// before it): Qt's font database filled, after the configuration above.
class CFontDatabaseWarmup {
public:
    CFontDatabaseWarmup();
    ~CFontDatabaseWarmup();
    CFontDatabaseWarmup(const CFontDatabaseWarmup &) = delete;
    CFontDatabaseWarmup &operator=(const CFontDatabaseWarmup &) = delete;

private:
    std::thread m_thread;
};
