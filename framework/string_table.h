// The program's string table: texts by numeric id. The resources register
// their table at start-up; the framework's own prompts come from it too.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"

#include <span>

struct StringResource {
    UINT id;
    const char *text;
};

void RegisterStringTable(std::span<const StringResource> table);

// The text of id, or "" when the table has none.
CString LoadString(UINT id);
bool HasString(UINT id);

// Replaces "%1" and "%2" in a text with the arguments.
CString FormatMessageText(const CString &text, const CString &arg1, const CString &arg2 = {});

// Ids of the framework's standard prompts.
inline constexpr UINT AFX_IDP_PARSE_INT = 61712;
inline constexpr UINT AFX_IDP_PARSE_INT_RANGE = 61714;
inline constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 61716;
inline constexpr UINT AFX_IDP_PARSE_UINT = 61719;
inline constexpr UINT AFX_IDS_APP_TITLE = 57344;
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr UINT AFX_IDS_UNTITLED = 61443;
