// Resource, command and control ids of Zamanix.
#pragma once

#include "framework/afx_types.h"

// Resources.
inline constexpr UINT IDR_MAINFRAME = 128; // menu, accelerators, toolbar, icon, document string
inline constexpr UINT IDR_ZAMANITYPE = 129; // document-type icon
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_ZAMANIX_FORM = 101;

// The form's controls.
inline constexpr int IDC_DATENOW = 1000;
inline constexpr int IDC_HIJRI = 1001;
inline constexpr int IDC_CHRISTIAN = 1002;
inline constexpr int IDC_DAY = 1004;
inline constexpr int IDC_YEAR = 1005;
inline constexpr int IDC_MEMO = 1006;
inline constexpr int IDC_MONTH = 1008;
inline constexpr int IDC_ADD = 1009;
inline constexpr int IDC_DELETE = 1010;
inline constexpr int IDC_VIEW = 1011;
inline constexpr int IDC_HOUR = 1012;
inline constexpr int IDC_MINUTE = 1013;
inline constexpr int IDC_EVERY = 1014;
inline constexpr int IDC_CORRESPONDING = 1015;

// The program's own commands.
inline constexpr UINT ID_EDIT_ADD = 32771;
inline constexpr UINT ID_EDIT_DELETE = 32772;
inline constexpr UINT ID_OPTIONS_AUDIBLEALARM = 32773;

// The framework's standard commands.
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
inline constexpr UINT ID_INDICATOR_CAPS = 59137;
inline constexpr UINT ID_INDICATOR_NUM = 59138;
inline constexpr UINT ID_INDICATOR_SCRL = 59139;
inline constexpr UINT ID_VIEW_TOOLBAR = 59392;
inline constexpr UINT ID_VIEW_STATUS_BAR = 59393;
inline constexpr UINT ID_SEPARATOR = 0;
