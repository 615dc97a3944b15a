// The font configuration, read on a thread of its own while the program
// sets itself up: Qt reads it when the first text is measured, and
// fontconfig's files (the configuration and the font caches) take a few
// milliseconds that the window would otherwise wait for.
#pragma once

// Starts the read and returns at once; the program never waits for it (Qt
// takes fontconfig's configuration when it is ready, or reads it itself
// if it comes first; fontconfig makes one of them the configuration).
void WarmFontConfiguration();
