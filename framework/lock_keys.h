// The state of the Caps Lock, Num Lock and Scroll Lock keys, for the status
// bar's indicators.
#pragma once

#include <QtGlobal>

#include <optional>

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Asks the display server. On X11 all three are known; elsewhere (Wayland)
// nothing is, and the state is only learnt from key events.
std::optional<LockKeys> QueryLockKeys();

// From the modifier mask that comes with a key event (X11 and xkb masks:
// Lock 0x2, Mod2 = Num Lock 0x10). Scroll Lock is no modifier: it keeps
// the value given.
LockKeys LockKeysFromModifiers(quint32 nativeModifiers, bool scroll);
