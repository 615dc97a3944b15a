// The program's modules: shared objects the desktop program loads the first
// time it needs what they hold (the publishing stack, Qt Print Support), so
// that a start maps none of their libraries. The installed program finds a
// module at the same path from its program folder as the install put it; a
// program of the build tree (the program itself, a test) finds the one the
// build made.
#pragma once

#include <string>

struct ModuleEntry {
    void *entry = nullptr; // the module's exported function; nullptr when not loaded
    std::string path; // where the module was looked for
    std::string problem; // the loader's words when it was not loaded, without the path
};

// Loads the module and finds its entry. `fromProgram` is the module's path
// relative to the program's folder as installed, `built` its path in the
// build tree. A module stays loaded while the program runs; its own copies
// of libraries the program also carries stay its own.
ModuleEntry LoadModuleEntry(const char *fromProgram, const std::string &built, const char *entry);
