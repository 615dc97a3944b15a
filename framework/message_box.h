// The application's message box: every box of the program and of the
// framework goes through it. Its caption is the application title; a box
// whose style names no icon gets the exclamation icon when its buttons are
// OK, OK/Cancel, Yes/No/Cancel or Yes/No. Modal over the main window.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"

#include <functional>

// Returns the id of the button pressed (IDOK, IDYES, IDNO, ...).
int AfxMessageBox(const CString &text, UINT style = MB_OK, UINT helpId = 0);

// Lets something other than the user answer a box while it is open (a
// button of a desktop notification that stands for the box): End(result)
// closes it as the button of `result` would and returns true; once the box
// has closed it does nothing and returns false.
class CMessageBoxEnder {
public:
    bool End(int result);

private:
    friend int AfxMessageBoxWithBody(
        const CString &, const CString &, const CString &, UINT, int, CMessageBoxEnder *);
    std::function<void(int)> m_end;
};

// A box like AfxMessageBox for a text with a part of any length: the text
// is before + body + after, and the body shows in a read-only part of its
// own that scrolls, so that the box stays within the screen with its buttons
// in view (a body too long to show at once shows its beginning, see
// long_text.h). Escape and the close box answer `dismissed`. With `ender`,
// the box can be answered through it while it is open. A test's responder
// gets the whole text and the effective style.
int AfxMessageBoxWithBody(const CString &before, const CString &body, const CString &after,
    UINT style, int dismissed, CMessageBoxEnder *ender = nullptr);

// The style after the icon rule above.
UINT EffectiveMessageBoxStyle(UINT style);

// Tests answer boxes without showing them: the responder gets the text and
// the effective style and returns the button. Empty restores real boxes.
void SetMessageBoxResponder(std::function<int(const CString &text, UINT style)> responder);

// Whether a message box is open now.
bool IsMessageBoxOpen();
