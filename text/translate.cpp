#include "text/translate.h"

#include <algorithm>
#include <climits>

namespace {

TranslationHook s_hook = nullptr;
thread_local int s_untranslated = 0;

std::string lookUp(
    std::string_view context, std::string_view source, std::string_view disambiguation, long long n)
{
    if (!TranslatingNow())
        return {};
    // The hook takes C strings, as Qt's translators do.
    const std::string c(context), s(source), d(disambiguation);
    const int count = n < 0 ? -1 : static_cast<int>(std::min<long long>(n, INT_MAX));
    return s_hook(c.c_str(), s.c_str(), d.empty() ? nullptr : d.c_str(), count);
}

void replaceCount(std::string &text, long long n)
{
    const std::string digits = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos;
         at = text.find("%n", at + digits.size()))
        text.replace(at, 2, digits);
}

} // namespace

std::string Translate(std::string_view context, std::string_view source)
{
    std::string text = lookUp(context, source, {}, -1);
    return text.empty() ? std::string(source) : text;
}

std::string TranslateCount(
    std::string_view context, std::string_view plural, std::string_view singular, long long n)
{
    std::string text = lookUp(context, plural, singular, n);
    if (text.empty())
        text = n == 1 ? singular : plural;
    replaceCount(text, n);
    return text;
}

void SetTranslationHook(TranslationHook hook)
{
    s_hook = hook;
}

TranslationHook CurrentTranslationHook()
{
    return s_hook;
}

CUntranslated::CUntranslated()
{
    ++s_untranslated;
}

CUntranslated::~CUntranslated()
{
    --s_untranslated;
}

bool TranslatingNow()
{
    return s_hook && s_untranslated == 0;
}
