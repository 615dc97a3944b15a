// The session bus as the program finds it at start. A bus that takes a
// connection and then says nothing (its daemon stopped, or something else
// listening at its address) holds every call of Qt's D-Bus module, which
// waits for the bus without a deadline, and with them the start of the
// window and the alarm: so it is asked first, with a deadline of its own.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

enum class BusAnswer {
    Answered, // it answered: the D-Bus library may use it
    Silent, // it took the connection, or would not, and said nothing in time
    Unreachable, // nothing listens there: the library fails at once too
    NotAsked, // a transport other than a local socket, left to the library
};

// Connects to the bus at `address` (a D-Bus address such as
// "unix:path=/run/user/1000/bus" or "unix:abstract=/tmp/dbus-x,guid=...";
// alternatives separated by ";" are tried in turn, as the library does)
// and waits up to `deadline` in all for it to answer the first line of the
// authentication. Never waits longer, whatever the other end does.
BusAnswer AskSessionBus(std::string_view address, std::chrono::milliseconds deadline);

// The value that DBUS_SESSION_BUS_ADDRESS takes when the bus it named did
// not answer: an address of no transport, so that every user of the bus
// (Qt's accessibility and desktop integration too) fails at once instead of
// waiting, and none starts a bus of its own as an unset variable would.
inline constexpr const char *kNoSessionBus = "disabled:";

// At start, before Qt is set up: when the bus that DBUS_SESSION_BUS_ADDRESS
// names does not answer within `deadline`, says so on standard error
// (naming `program`) and sets the variable to kNoSessionBus, so that the
// program runs as a copy of its own, without desktop notifications. When
// the variable names no bus, sets it to kNoSessionBus too, without a word:
// the program runs without a bus and none is started for it. Returns
// whether the bus may be used.
bool GuardSessionBus(const char *program, std::chrono::milliseconds deadline);
