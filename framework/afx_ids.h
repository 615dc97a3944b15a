// The framework's standard ids: commands that keep their standard meaning,
// status-bar indicators, and the framework's texts in the string table.
#pragma once

#include "framework/afx_types.h"

// Commands.
inline constexpr UINT ID_FILE_NEW = 57600;
inline constexpr UINT ID_FILE_OPEN = 57601;
inline constexpr UINT ID_FILE_CLOSE = 57602;
inline constexpr UINT ID_FILE_SAVE = 57603;
inline constexpr UINT ID_FILE_SAVE_AS = 57604;
inline constexpr UINT ID_FILE_PAGE_SETUP = 57605;
inline constexpr UINT ID_FILE_PRINT_SETUP = 57606;
inline constexpr UINT ID_FILE_PRINT = 57607;
inline constexpr UINT ID_FILE_PRINT_DIRECT = 57608;
inline constexpr UINT ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr UINT ID_FILE_MRU_FILE1 = 57616;
inline constexpr UINT ID_FILE_MRU_FILE16 = 57631;
inline constexpr UINT ID_EDIT_COPY = 57634;
inline constexpr UINT ID_EDIT_CUT = 57635;
inline constexpr UINT ID_EDIT_PASTE = 57637;
inline constexpr UINT ID_EDIT_UNDO = 57643;
inline constexpr UINT ID_APP_ABOUT = 57664;
inline constexpr UINT ID_APP_EXIT = 57665;
inline constexpr UINT ID_NEXT_PANE = 57680;
inline constexpr UINT ID_PREV_PANE = 57681;
inline constexpr UINT ID_VIEW_TOOLBAR = 59392;
inline constexpr UINT ID_VIEW_STATUS_BAR = 59393;

// Status-bar panes.
inline constexpr UINT ID_SEPARATOR = 0;
inline constexpr UINT ID_INDICATOR_CAPS = 59137;
inline constexpr UINT ID_INDICATOR_NUM = 59138;
inline constexpr UINT ID_INDICATOR_SCRL = 59139;

// Texts.
inline constexpr UINT AFX_IDS_APP_TITLE = 57344;
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr UINT AFX_IDS_OPENFILE = 61440;
inline constexpr UINT AFX_IDS_SAVEFILE = 61441;
inline constexpr UINT AFX_IDS_ALLFILTER = 61442;
inline constexpr UINT AFX_IDS_UNTITLED = 61443;
inline constexpr UINT AFX_IDP_FAILED_TO_CREATE_DOC = 61700;
inline constexpr UINT AFX_IDP_FAILED_TO_START_PRINT = 61702;
inline constexpr UINT AFX_IDP_UNREG_DONE = 61707;
inline constexpr UINT AFX_IDP_PARSE_INT = 61712;
inline constexpr UINT AFX_IDP_PARSE_INT_RANGE = 61714;
inline constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 61716;
inline constexpr UINT AFX_IDP_PARSE_UINT = 61719;
inline constexpr UINT AFX_IDP_FILE_NOT_FOUND = 61729;
inline constexpr UINT AFX_IDP_FILE_DISKFULL = 61730;
inline constexpr UINT AFX_IDP_FILE_SHARING = 61731;
inline constexpr UINT AFX_IDP_FILE_ACCESS_DENIED = 61732;
inline constexpr UINT AFX_IDP_FAILED_IO_ERROR_READ = 61733;
inline constexpr UINT AFX_IDP_FAILED_IO_ERROR_WRITE = 61734;
