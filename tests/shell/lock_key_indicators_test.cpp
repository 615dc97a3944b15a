// The status bar's CAP, NUM and SCRL panes follow the lock keys. Without a
// display server to ask (Qt's offscreen platform, as on Wayland), the state
// comes with each key event, in its modifier mask.
#include "tests/form/form_fixture.h"

#include "panels/publish_status_pane.h"
#include "shell/main_frame.h"

#include <QAccessible>
#include <QKeyEvent>

namespace {

class LockKeyIndicatorsTest : public ProgramTest { };

// X11 and xkb modifier masks.
constexpr quint32 kShift = 0x1, kLock = 0x2, kControl = 0x4, kMod1 = 0x8, kMod2 = 0x10,
                  kMod4 = 0x40;

TEST_F(LockKeyIndicatorsTest, PanesShowTheKeysThatAreOn)
{
    Start();
    CStatusBar &bar = static_cast<CMainFrame *>(Frame())->m_statusBar;
    // The message pane, then the three indicators (publishing's pane aside).
    QList<QLabel *> panes = bar.GetStatusBar()->findChildren<QLabel *>();
    panes.removeIf([](QLabel *pane) { return qobject_cast<CPublishStatusPane *>(pane); });
    ASSERT_EQ(panes.size(), 4);
    const struct {
        const char *name;
        QEvent::Type type;
        quint32 modifiers;
        const char *caps, *num, *scroll;
    } keys[] = {
        {"none", QEvent::KeyPress, 0, "", "", ""},
        {"Caps Lock", QEvent::KeyPress, kLock, "CAP", "", ""},
        {"Caps Lock off again, on a release", QEvent::KeyRelease, 0, "", "", ""},
        {"Num Lock", QEvent::KeyPress, kMod2, "", "NUM", ""},
        {"both", QEvent::KeyPress, kLock | kMod2, "CAP", "NUM", ""},
        {"Shift and Control are no lock keys", QEvent::KeyPress, kShift | kControl, "", "", ""},
        {"Alt and Super beside Num Lock", QEvent::KeyPress, kMod1 | kMod4 | kMod2, "", "NUM", ""},
        {"every bit: Scroll Lock is no modifier", QEvent::KeyPress, 0xffffffff, "CAP", "NUM", ""},
    };
    for (const auto &k : keys) {
        SCOPED_TRACE(k.name);
        QKeyEvent event(k.type, Qt::Key_Shift, Qt::NoModifier, 0, 0, k.modifiers);
        QApplication::sendEvent(Frame()->GetMainWindow(), &event);
        const char *expected[] = {k.caps, k.num, k.scroll};
        for (int pane = 1; pane <= 3; ++pane) {
            SCOPED_TRACE(pane);
            EXPECT_EQ(bar.GetPaneText(pane), expected[pane - 1]);
            // A screen reader hears what the pane shows.
            EXPECT_EQ(QAccessible::queryAccessibleInterface(panes[pane])->text(QAccessible::Name),
                expected[pane - 1]);
        }
    }
}

} // namespace
