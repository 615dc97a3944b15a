#include "framework/canberra_library.h"

#include <dlfcn.h>

namespace {

template <typename Function> bool resolve(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

} // namespace

std::optional<CanberraFunctions> LoadCanberraLibrary(const char *soname)
{
    // Local: the library's names stay out of the program's namespace.
    void *library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    CanberraFunctions functions;
    if (resolve(library, "ca_context_create", functions.create) &&
        resolve(library, "ca_context_change_props", functions.changeProps) &&
        resolve(library, "ca_context_play", functions.play))
        return functions;
    dlclose(library);
    return std::nullopt;
}

const CanberraFunctions *SystemCanberra()
{
    static const std::optional<CanberraFunctions> s_functions =
        LoadCanberraLibrary(kCanberraLibrary);
    return s_functions ? &*s_functions : nullptr;
}
