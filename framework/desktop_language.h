// The desktop program in the language of the desktop (language/): its
// texts, Qt's own, the direction of its windows and the digits it shows.
#pragma once

#include "language/program_language.h"

// Puts the running Qt application into `language`: the translations, right
// to left for Arabic, Urdu and Persian, and the locale's digits unless
// westernDigits. English leaves everything as it is.
void ApplyProgramLanguage(const ProgramLanguage &language, bool westernDigits = false);

// Shows numbers in Western digits, or in those of the installed language's
// locale; English has Western digits either way.
void ShowWesternDigits(bool western);
// Whether the installed language's locale writes numbers in other digits
// than Western ones: only then is there a choice.
bool LocaleHasOwnDigits();
