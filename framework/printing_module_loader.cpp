// Loads the printing module (framework/printing_module.h) where the
// program's modules are found (modules/module_library.h).
#include "framework/printing_module.h"

#include "modules/module_library.h"
#include "text/sentence.h"
#include "text/translate.h"

namespace {

// Kept whole in the program's data, where the package's check reads it.
[[gnu::used]] const char kModuleFromProgram[] = ZAMANIX_MODULE_FROM_PROGRAM;

std::string s_pathForTest;

struct LoadedPrinting {
    bool tried = false;
    IPrintingModule *module = nullptr;
    std::string error;
};

LoadedPrinting &loaded()
{
    static LoadedPrinting s_loaded;
    return s_loaded;
}

LoadedPrinting load()
{
    const ModuleEntry found = s_pathForTest.empty()
        ? LoadModuleEntry(kModuleFromProgram, ZAMANIX_MODULE_BUILT, kPrintingModuleEntry)
        : LoadModuleEntry(s_pathForTest.c_str(), s_pathForTest, kPrintingModuleEntry);
    LoadedPrinting result;
    result.tried = true;
    if (found.entry)
        result.module = reinterpret_cast<PrintingModuleEntry>(found.entry)();
    else
        result.error = FillSentence(Translate("Printing",
                                        "The printing module %1 could not be loaded (%2); nothing "
                                        "was printed.\nInstalling Zamanix again mends this."),
            {found.path, found.problem});
    return result;
}

} // namespace

IPrintingModule *LoadPrintingModule(std::string &error)
{
    // Loaded once; a module that failed to load fails the same way again.
    LoadedPrinting &state = loaded();
    if (!state.tried)
        state = load();
    if (!state.module)
        error = state.error;
    return state.module;
}

void LookForPrintingModuleAt(const std::string &path)
{
    s_pathForTest = path;
    loaded() = {};
}
