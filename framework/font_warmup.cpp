#include "framework/font_warmup.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <future>

namespace {

// Joined at exit, so that a program that ends at once (a start handed over
// to the running copy) never ends under it.
struct CConfigurationRead {
    ~CConfigurationRead()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    std::thread m_thread;
    std::shared_future<void> m_done;
} s_configuration;

} // namespace

void WarmFontConfiguration()
{
    if (s_configuration.m_thread.joinable())
        return;
    std::packaged_task<void()> read([] { FcInit(); });
    s_configuration.m_done = read.get_future().share();
    s_configuration.m_thread = std::thread(std::move(read));
}

CFontDatabaseWarmup::CFontDatabaseWarmup()
    : m_thread([configured = s_configuration.m_done] {
        if (configured.valid())
            configured.wait(); // else Qt's fill reads the configuration twice
        QFontDatabase::families();
    })
{
}

CFontDatabaseWarmup::~CFontDatabaseWarmup()
{
    m_thread.join();
}
