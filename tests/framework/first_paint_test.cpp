// Work put off until a window is drawn: after its first paint and once; at
// once for a minimized window; by the deadline for one never drawn.
#include "framework/first_paint.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 5000;

class CPaintCounter : public QWidget {
public:
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++m_nPaints; }
};

TEST(AfterFirstPaint, RunsOnceAfterTheWindowIsDrawn)
{
    CPaintCounter window;
    window.resize(200, 100);
    int runs = 0, paintsBefore = -1;
    AfterFirstPaint(&window, [&] {
        ++runs;
        paintsBefore = window.m_nPaints;
    });
    EXPECT_EQ(runs, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, kWaitMs));
    EXPECT_GE(paintsBefore, 1) << "ran before the window was drawn";
    const int paints = window.m_nPaints;
    window.update();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.m_nPaints > paints; }, kWaitMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
}

TEST(AfterFirstPaint, AMinimizedWindowWaitsOnlyForTheEventLoop)
{
    QWidget window;
    window.showMinimized();
    bool ran = false;
    AfterFirstPaint(&window, [&] { ran = true; });
    EXPECT_FALSE(ran) << "ran inside the caller";
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran; }, 500)); // well before the deadline
}

TEST(AfterFirstPaint, AWindowNeverDrawnRunsByTheDeadline)
{
    QWidget window; // never shown
    bool ran = false;
    AfterFirstPaint(&window, [&] { ran = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran; }, kWaitMs));
}

} // namespace
