// Resource, command and control ids of Zamanix.
#pragma once

#include "framework/afx_ids.h"

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
// Options > Hijri Calendar: one command per rule, in the order of kHijriRules.
inline constexpr UINT ID_OPTIONS_HIJRI_ASTRONOMICAL = 32774;
inline constexpr UINT ID_OPTIONS_HIJRI_UMALQURA = 32775;
inline constexpr UINT ID_OPTIONS_HIJRI_CIVIL = 32776;
// Options > Hijri Date Adjustment: -2 days .. +2 days, the id of "None" plus
// the adjustment.
inline constexpr UINT ID_OPTIONS_HIJRI_ADJUST_MINUS2 = 32777;
inline constexpr UINT ID_OPTIONS_HIJRI_ADJUST_MINUS1 = 32778;
inline constexpr UINT ID_OPTIONS_HIJRI_ADJUST_NONE = 32779;
inline constexpr UINT ID_OPTIONS_HIJRI_ADJUST_PLUS1 = 32780;
inline constexpr UINT ID_OPTIONS_HIJRI_ADJUST_PLUS2 = 32781;
inline constexpr UINT ID_OPTIONS_START_AT_LOGIN = 32786;
// Kept apart from the ids above, which other windows may take.
inline constexpr UINT ID_VIEW_ALL_REMINDERS = 32790;
inline constexpr UINT ID_FILE_EXPORT_REMINDERS = 32791;
// The month panel.
inline constexpr UINT ID_FILE_PRINT_MONTH = 32782;
inline constexpr UINT ID_VIEW_MONTH = 32783;
inline constexpr UINT ID_OPTIONS_HOLY_DAYS = 32784;
// The recorded Hijri month starts and the question about the new moon.
inline constexpr UINT ID_OPTIONS_HIJRI_MONTH_STARTS = 32820;
inline constexpr UINT ID_OPTIONS_ASK_NEW_MOON = 32821;
inline constexpr UINT ID_OPTIONS_WESTERN_DIGITS = 32870;
// File > Back Up Reminders and Restore Reminders; Help > Keyboard
// Shortcuts and Manual.
inline constexpr UINT ID_FILE_BACKUP_REMINDERS = 32800;
inline constexpr UINT ID_FILE_RESTORE_REMINDERS = 32801;
inline constexpr UINT ID_HELP_KEYBOARD_SHORTCUTS = 32802;
inline constexpr UINT ID_HELP_MANUAL = 32803;
// Publishing the reminders to a calendar server: 32860 to 32869.
inline constexpr UINT ID_OPTIONS_CALENDAR_SERVER = 32860;
inline constexpr UINT ID_FILE_PUBLISH_NOW = 32861;
