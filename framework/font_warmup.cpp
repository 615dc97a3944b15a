#include "framework/font_warmup.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace {

// Joined at exit, so that a program that ends at once (a start handed over
// to the running copy) never ends under it.
struct CWarmup {
    ~CWarmup()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    std::thread m_thread;
} s_warmup;

} // namespace

void WarmFontConfiguration()
{
    if (!s_warmup.m_thread.joinable())
        s_warmup.m_thread = std::thread([] { FcInit(); });
}
