// The program's string table: texts by numeric id. The resources register
// their table at start-up; the framework's own prompts come from it too.
#pragma once

#include "framework/afx_ids.h"
#include "framework/afx_types.h"
#include "framework/cstring.h"

#include <QString>

#include <span>

struct StringResource {
    UINT id;
    const char *text;
};

void RegisterStringTable(std::span<const StringResource> table);

// The text of id in the user's language, or "" when the table has none.
CString LoadString(UINT id);

// The "All Files" filter of the file dialogs, in the form they take.
QString AllFilesFilter();

// Replaces "%1" and "%2" in a text with the arguments.
CString FormatMessageText(const CString &text, const CString &arg1, const CString &arg2 = {});
