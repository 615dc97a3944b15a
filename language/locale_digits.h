// The digits a locale writes numbers with (ICU's default numbering system of
// the locale): Arabic-Indic in ar_SA, Extended Arabic-Indic in fa_IR,
// Western in ar_MA, tr_TR or fr. Standard library face.
#pragma once

#include <string>
#include <string_view>

// The locale's zero, U+0030 for Western digits; the other nine follow it.
char32_t LocaleZeroDigit(const std::string &locale);

// The text with its Western digits written from `zero` on; the rest as it is.
std::string WithDigitsFrom(std::string_view text, char32_t zero);

// The text with every decimal digit of any script (Unicode's Nd) written as
// a Western one, so that "١٤٤٨" and "۱۴۴۸" read as 1448; the rest as it is.
std::string WithWesternDigits(std::string_view text);
