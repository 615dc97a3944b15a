// The program with the minute timer's ticks in the test's hands: a clock
// the test moves, sounds and desktop notices recorded.
#pragma once

#include "tests/form/form_fixture.h"

#include "framework/notification.h"
#include "framework/sound.h"

#include <QCoreApplication>

class AlarmClockTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        SetSoundPlayer([this](const CString &name) {
            m_sounds.push_back(name);
            return true;
        });
        SetNotifier([this](const CString &summary, const CString &body) {
            m_notices.push_back(summary.empty() ? "closed" : summary + ": " + body);
        });
        m_now = At(1998, 3, 6, 7, 0); // Friday 6 March 1998 = 7 Thul Qi'dah 1418
    }
    void TearDown() override
    {
        SetSoundPlayer({});
        SetNotifier({});
        ProgramTest::TearDown();
    }

    // One tick of the minute timer, the clock a minute on; a prompt it
    // raises opens once the tick is handled.
    void Tick(UINT id = 1)
    {
        m_now += 60;
        View()->OnTimer(id);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
    void TickUntil(int hour, int minute)
    {
        while (m_now < At(1998, 3, 6, hour, minute) - 59)
            Tick();
    }
    // Runs ticks until one opens a prompt (at most `limit`); how many it took.
    int TicksToPrompt(int limit)
    {
        const std::size_t before = m_boxes.size();
        for (int i = 1; i <= limit; ++i) {
            Tick();
            if (m_boxes.size() > before)
                return i;
        }
        return -1;
    }

    std::vector<CString> m_sounds;
    std::vector<CString> m_notices;
};
