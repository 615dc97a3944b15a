// Texts of any length in a plain-text box. Laying out a line costs time in
// proportion to its length, and a box costs time per line it holds, so a
// text of megabytes (or of a million empty lines) would keep a window from
// showing for minutes. A box therefore shows at most the beginning of such a
// text: lines of at most 10,000 characters, 2,000 lines, 100,000 characters
// in all. Within those bounds a box shows and wraps a text in a few
// milliseconds.
#pragma once

#include "framework/cstring.h"

#include <QString>

#include <string_view>

class QPlainTextEdit;

struct CShownText {
    QString text; // what a box shows
    bool whole = true; // false: the beginning only, with a last line that says so
};

// The part of the UTF-8 `text` that a box shows: the text itself when it is
// within the bounds; otherwise its beginning, a longer line broken into
// lines of the longest length, and a last line saying that the rest is not
// shown. A line ends at "\n", "\r" or "\r\n".
CShownText ShownPartOf(std::string_view text);

// Shows `text` in `box`. A text shown in part makes the box read-only and is
// kept whole, so that LongTextOf gives it back unchanged (until the box is
// given another text): nothing of it is lost by showing it. A text shown
// whole is edited as usual.
void SetLongText(QPlainTextEdit *box, const CString &text);

// The text of `box`: the whole text that SetLongText showed in part, or else
// what the box holds.
CString LongTextOf(const QPlainTextEdit *box);
