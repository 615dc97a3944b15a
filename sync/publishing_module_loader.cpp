// Finds and loads the publishing module (sync/publishing_module.h). The
// installed program finds it beside itself, at the same path from its
// program folder as the install put it; a program of the build tree (the
// program itself, a test) finds the one the build made.
#include "sync/publishing_module.h"

#include "text/sentence.h"
#include "text/translate.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace {

// Kept whole in the program's data, where the package's check reads it.
[[gnu::used]] const char kModuleFromProgram[] = ZAMANIX_PUBLISHING_MODULE_FROM_PROGRAM;

std::filesystem::path modulePath()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path installed = program.parent_path() / kModuleFromProgram;
        if (std::filesystem::exists(installed, error))
            return installed;
    }
    return ZAMANIX_PUBLISHING_MODULE_BUILT;
}

IPublishingModule *load(std::string &error)
{
    const std::filesystem::path path = modulePath();
    // Its own copies of the program's libraries stay its own (RTLD_LOCAL).
    void *handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const void *entry = handle ? ::dlsym(handle, kPublishingModuleEntry) : nullptr;
    if (!entry) {
        const char *why = ::dlerror();
        error = FillSentence(Translate("Publishing",
                                 "the publishing module %1 could not be loaded (%2); installing "
                                 "Zamanix again mends this"),
            {path.string(), why ? why : ""});
        return nullptr;
    }
    return reinterpret_cast<PublishingModuleEntry>(const_cast<void *>(entry))(
        CurrentTranslationHook(), CurrentNameHook());
}

} // namespace

IPublishingModule *LoadPublishingModule(std::string &error)
{
    // Loaded once; a module that failed to load fails the same way again.
    static std::string s_error;
    static IPublishingModule *const s_module = load(s_error);
    if (!s_module)
        error = s_error;
    return s_module;
}
