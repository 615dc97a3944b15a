#include "framework/lock_keys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {

bool namedIndicator(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}

} // namespace

std::optional<LockKeys> QueryLockKeys()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    return LockKeys{namedIndicator(display, "Caps Lock"), namedIndicator(display, "Num Lock"),
        namedIndicator(display, "Scroll Lock")};
}

LockKeys LockKeysFromModifiers(quint32 nativeModifiers, bool scroll)
{
    return {(nativeModifiers & 0x2) != 0, (nativeModifiers & 0x10) != 0, scroll};
}
