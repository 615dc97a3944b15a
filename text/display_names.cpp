#include "text/display_names.h"

#include "text/translate.h"

namespace {

NameHook s_hook = nullptr;

} // namespace

void SetNameHook(NameHook hook)
{
    s_hook = hook;
}

NameHook CurrentNameHook()
{
    return s_hook;
}

std::string DisplayName(NameKind kind, int index, std::string_view english)
{
    if (s_hook && TranslatingNow())
        if (std::string name = s_hook(kind, index); !name.empty())
            return name;
    return std::string(english);
}
