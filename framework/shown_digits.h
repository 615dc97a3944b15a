// The digits the windows show numbers in and the digits a number box
// takes: the locale's own (Arabic-Indic in ar_SA, Extended Arabic-Indic in
// fa_IR) unless the user asks for Western ones; every box takes both.
#pragma once

#include "framework/cstring.h"

#include <QString>

// The zero of the digits shown, U+0030 for Western digits (the default);
// the other nine follow it.
void SetShownZeroDigit(char32_t zero);
char32_t ShownZeroDigit();

// The text with its Western digits written in the digits shown; years and
// numbers get no group separators, as they have none in the program's text.
QString ShownDigits(const QString &text);
QString ShownDigits(const CString &text);
// A whole number in the digits shown, without group separators.
QString ShownNumber(long long number);

// The text with every decimal digit of any script written as a Western one,
// as the program reads numbers: "١٤٤٨" and "۱۴۴۸" are 1448.
QString TypedDigits(const QString &text);
