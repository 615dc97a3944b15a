// The options that ask the program about itself rather than start it:
// answered before any window exists, so they work without a display.
#pragma once

#include <cstdio>
#include <optional>

// When the command line holds --help (or -h) or --version, writes the usage
// or the version to out and returns the exit status: 0, or 1 when out could
// not take it. The first of them counts. Otherwise writes nothing and
// returns nothing: the program starts.
std::optional<int> AnswerInformationOption(int argc, char **argv, std::FILE *out);
