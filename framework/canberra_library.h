// libcanberra, loaded when the first sound is to be played instead of at
// every start: linked, it maps libvorbis, libogg, libtdb and libltdl into
// the program before the window is drawn, for a sound that may never play.
// Its header gives the types, constants and signatures; the functions are
// resolved by name.
#pragma once

#include <canberra.h>

#include <optional>

// The few functions of libcanberra the program calls.
struct CanberraFunctions {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
};

// The soname of the system's libcanberra (package libcanberra0).
inline constexpr const char *kCanberraLibrary = "libcanberra.so.0";

// Loads the library of that name and resolves the functions; empty when the
// library is missing or lacks one of them. A library that loads is never
// unloaded: its contexts live to the end of the program.
std::optional<CanberraFunctions> LoadCanberraLibrary(const char *soname);

// The system's libcanberra, loaded on the first call (from any thread);
// null where it is not installed (the package depends on it), and the
// program is silent as without a sound server.
const CanberraFunctions *SystemCanberra();
