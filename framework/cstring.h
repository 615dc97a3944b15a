// Strings of the program: UTF-8 text in a std::string, with a printf-style
// formatter.
#pragma once

#include <string>

using CString = std::string;

// printf-style formatting into a CString, of any length.
CString Format(const char *format, ...) __attribute__((format(printf, 1, 2)));
