// A reminder key as a user of another language types it: the month named
// as the language names it ("رمضان/27"), the day in the locale's digits.
#pragma once

#include <string>
#include <string_view>

// The key with its month written as the program spells it when the typed
// month is a name of the program's language (language/local_names.h), and
// its day in Western digits; any other key as it is, for the English
// spellings to be read as before.
std::string KeyOfLocalNames(std::string_view typed);
