// The desktop program in the language of the desktop (language/): its
// texts, Qt's own, the direction of its windows and the digits it shows.
#pragma once

#include "language/program_language.h"

// Puts the running Qt application into `language`: the translations, right
// to left for Arabic, Urdu and Persian, and the locale's digits unless
// westernDigits. English leaves everything as it is.
void ApplyProgramLanguage(const ProgramLanguage &language, bool westernDigits = false);
