// The program's texts in the user's language. Every text a user reads is
// written in English in the source, marked for Qt's translation tools
// (lupdate knows Translate and TranslateCount as its `translate`, and
// ZX_TRANSLATE_NOOP as QT_TRANSLATE_NOOP), and looked up here at the moment
// it is shown. Standard library only: the translations themselves come
// through a hook that the programs install at start (language/); without
// one every text stays as written.
#pragma once

#include <string>
#include <string_view>

// Marks a text of a table for the translation tools; the code that shows it
// passes it through Translate with the same context.
#define ZX_TRANSLATE_NOOP(context, text) text

// The text in the user's language, or as written when there is no
// translation.
std::string Translate(std::string_view context, std::string_view source);

// A count in the user's language: `plural` ("%n days") with its forms for
// n, the English `singular` ("%n day") for one when there is no
// translation; %n becomes n in Western digits.
std::string TranslateCount(
    std::string_view context, std::string_view plural, std::string_view singular, long long n);

// What a translation gives for a text (its disambiguation being the English
// singular of a count, and n the count or -1), or "" when it has none.
using TranslationHook = std::string (*)(
    const char *context, const char *source, const char *disambiguation, int n);
// The hook of the whole program; null for none. Set once at start, before
// any text is looked up.
void SetTranslationHook(TranslationHook hook);
// The hook set, for code of the program's that a module of its own carries.
TranslationHook CurrentTranslationHook();

// While one lives, on its thread, every text stays as written: what a
// program writes for other programs to read (machine formats) is the same
// in every language.
class CUntranslated {
public:
    CUntranslated();
    ~CUntranslated();
    CUntranslated(const CUntranslated &) = delete;
    CUntranslated &operator=(const CUntranslated &) = delete;
};

// Whether texts are being translated here now: a hook is set and no
// CUntranslated lives on this thread.
bool TranslatingNow();
