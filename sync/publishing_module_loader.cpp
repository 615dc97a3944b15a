// Loads the publishing module (sync/publishing_module.h) where the program's
// modules are found (modules/module_library.h).
#include "sync/publishing_module.h"

#include "modules/module_library.h"
#include "text/sentence.h"
#include "text/translate.h"

namespace {

// Kept whole in the program's data, where the package's check reads it.
[[gnu::used]] const char kModuleFromProgram[] = ZAMANIX_MODULE_FROM_PROGRAM;

IPublishingModule *load(std::string &error)
{
    const ModuleEntry loaded =
        LoadModuleEntry(kModuleFromProgram, ZAMANIX_MODULE_BUILT, kPublishingModuleEntry);
    if (!loaded.entry) {
        error = FillSentence(Translate("Publishing",
                                 "the publishing module %1 could not be loaded (%2); installing "
                                 "Zamanix again mends this"),
            {loaded.path, loaded.problem});
        return nullptr;
    }
    return reinterpret_cast<PublishingModuleEntry>(loaded.entry)(
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
