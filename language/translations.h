// Puts the program into one of its languages for the rest of the run.
// Standard library face; Qt Core inside, so that the command-line programs
// stay free of Qt's headers.
#pragma once

#include "language/program_language.h"

class CLocalNames;

// The program's texts (text/translate.h) from its translations, built in
// from translations/*.ts, and the names of months and weekdays
// (text/display_names.h) from CLDR. When a Qt application runs, the
// translations become its own too, beside Qt's for its standard dialogs
// (qt6-translations-l10n has none for Urdu, Malay and Indonesian: those
// dialogs stay English). English installs nothing. False when the
// translations cannot be loaded: the program then stays English. May be
// called again, with the same language, once a Qt application exists.
bool InstallLanguage(const ProgramLanguage &language);

// The language installed: English until InstallLanguage succeeds.
const ProgramLanguage &InstalledLanguage();

// The names of the installed language; null for English.
const CLocalNames *InstalledNames();
