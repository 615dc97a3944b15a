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

// The style after the icon rule above.
UINT EffectiveMessageBoxStyle(UINT style);

// Tests answer boxes without showing them: the responder gets the text and
// the effective style and returns the button. Empty restores real boxes.
void SetMessageBoxResponder(std::function<int(const CString &text, UINT style)> responder);

// Whether a message box is open now.
bool IsMessageBoxOpen();
