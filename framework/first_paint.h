// Work that a window's first paint does not need: run once the window has
// been drawn, so that it shows as early as a window without that work.
#pragma once

#include <functional>

class QWidget;

// Runs `work` once on the event loop after the next paint of `window` (a
// window not shown yet: once it is shown and drawn); at once from the
// event loop when the window is minimized (nothing will be drawn); and at
// the latest a second after the call, in case the window is never drawn
// (kept hidden, or on a workspace not shown). Nothing runs when the window
// is destroyed first.
void AfterFirstPaint(QWidget *window, std::function<void()> work);
