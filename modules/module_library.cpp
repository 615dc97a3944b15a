#include "modules/module_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path modulePath(const char *fromProgram, const std::string &built)
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path installed = program.parent_path() / fromProgram;
        if (std::filesystem::exists(installed, error))
            return installed;
    }
    return built;
}

} // namespace

ModuleEntry LoadModuleEntry(const char *fromProgram, const std::string &built, const char *entry)
{
    ModuleEntry loaded;
    loaded.path = modulePath(fromProgram, built).string();
    void *handle = ::dlopen(loaded.path.c_str(), RTLD_NOW | RTLD_LOCAL);
    loaded.entry = handle ? ::dlsym(handle, entry) : nullptr;
    if (!loaded.entry) {
        const char *why = ::dlerror();
        loaded.problem = why ? why : "";
        // The loader names the file first, which the caller names already;
        // a library the module needs is named and stays.
        const std::string named = loaded.path + ": ";
        if (loaded.problem.starts_with(named))
            loaded.problem.erase(0, named.size());
    }
    return loaded;
}
