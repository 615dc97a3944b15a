// Menu 128, accelerator table 128 and toolbar 128 of the main frame. The
// texts are marked for the translation tools in the context "Menu", in
// which the frame translates them as it builds the menu; the keys after a
// tab stay as they are.
#include "resources/resources.h"

#include "resources/resource.h"

#include <Qt>
#include <QtGlobal>

namespace {

using namespace MenuFlag;

const MenuItemTemplate kFileMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "&New\tCtrl+N"), ID_FILE_NEW, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Open...\tCtrl+O"), ID_FILE_OPEN, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Save\tCtrl+S"), ID_FILE_SAVE, 0},
    {QT_TRANSLATE_NOOP("Menu", "Save &As..."), ID_FILE_SAVE_AS, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "&Print...\tCtrl+P"), ID_FILE_PRINT, 0},
    {QT_TRANSLATE_NOOP("Menu", "Print Pre&view"), ID_FILE_PRINT_PREVIEW, 0},
    {QT_TRANSLATE_NOOP("Menu", "Print &Month..."), ID_FILE_PRINT_MONTH, 0},
    {QT_TRANSLATE_NOOP("Menu", "P&rint Setup..."), ID_FILE_PRINT_SETUP, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "&Export Reminders..."), ID_FILE_EXPORT_REMINDERS, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Back Up Reminders..."), ID_FILE_BACKUP_REMINDERS, 0},
    {QT_TRANSLATE_NOOP("Menu", "Res&tore Reminders..."), ID_FILE_RESTORE_REMINDERS, 0},
    {QT_TRANSLATE_NOOP("Menu", "P&ublish to Calendar Server"), ID_FILE_PUBLISH_NOW, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "Recent File"), ID_FILE_MRU_FILE1, Grayed},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "E&xit"), ID_APP_EXIT, 0},
};

const MenuItemTemplate kEditMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Undo\tCtrl+Z"), ID_EDIT_UNDO, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "Cu&t\tCtrl+X"), ID_EDIT_CUT, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Copy\tCtrl+C"), ID_EDIT_COPY, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Paste\tCtrl+V"), ID_EDIT_PASTE, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "&Add"), ID_EDIT_ADD, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Delete"), ID_EDIT_DELETE, 0},
};

const MenuItemTemplate kViewMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Toolbar"), ID_VIEW_TOOLBAR, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Status Bar"), ID_VIEW_STATUS_BAR, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "All &Reminders\tCtrl+R"), ID_VIEW_ALL_REMINDERS, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Month\tCtrl+M"), ID_VIEW_MONTH, 0},
};

// The form sets the marks from the profile.
const MenuItemTemplate kHijriCalendarMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Astronomical"), ID_OPTIONS_HIJRI_ASTRONOMICAL, Radio},
    {QT_TRANSLATE_NOOP("Menu", "&Umm al-Qura"), ID_OPTIONS_HIJRI_UMALQURA, Radio},
    {QT_TRANSLATE_NOOP("Menu", "&Tabular (civil)"), ID_OPTIONS_HIJRI_CIVIL, Radio},
};

const MenuItemTemplate kHijriAdjustMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "&-2 days"), ID_OPTIONS_HIJRI_ADJUST_MINUS2, Radio},
    {QT_TRANSLATE_NOOP("Menu", "-&1 day"), ID_OPTIONS_HIJRI_ADJUST_MINUS1, Radio},
    {QT_TRANSLATE_NOOP("Menu", "&None"), ID_OPTIONS_HIJRI_ADJUST_NONE, Radio},
    {QT_TRANSLATE_NOOP("Menu", "+1 &day"), ID_OPTIONS_HIJRI_ADJUST_PLUS1, Radio},
    {QT_TRANSLATE_NOOP("Menu", "&+2 days"), ID_OPTIONS_HIJRI_ADJUST_PLUS2, Radio},
};

// Checked here, so the sound is on until the profile or the user turns it off.
const MenuItemTemplate kOptionsMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "Audiable Alarm"), ID_OPTIONS_AUDIBLEALARM, Checked},
    {QT_TRANSLATE_NOOP("Menu", "&Islamic Holy Days"), ID_OPTIONS_HOLY_DAYS, Checked},
    {QT_TRANSLATE_NOOP("Menu", "&Western Digits"), ID_OPTIONS_WESTERN_DIGITS, 0},
    {QT_TRANSLATE_NOOP("Menu", "Start at &Login"), ID_OPTIONS_START_AT_LOGIN, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "Hijri &Calendar"), 0, 0, kHijriCalendarMenu},
    {QT_TRANSLATE_NOOP("Menu", "Hijri Date &Adjustment"), 0, 0, kHijriAdjustMenu},
    {QT_TRANSLATE_NOOP("Menu", "Hijri &Month Starts..."), ID_OPTIONS_HIJRI_MONTH_STARTS, 0},
    {QT_TRANSLATE_NOOP("Menu", "Ask About the &New Moon"), ID_OPTIONS_ASK_NEW_MOON, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "Calendar Se&rver..."), ID_OPTIONS_CALENDAR_SERVER, 0},
};

const MenuItemTemplate kHelpMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Manual\tF1"), ID_HELP_MANUAL, 0},
    {QT_TRANSLATE_NOOP("Menu", "&Keyboard Shortcuts"), ID_HELP_KEYBOARD_SHORTCUTS, 0},
    {nullptr, 0, Separator},
    {QT_TRANSLATE_NOOP("Menu", "&About Zamanix..."), ID_APP_ABOUT, 0},
};

const PopupTemplate kMainMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "&File"), kFileMenu},
    {QT_TRANSLATE_NOOP("Menu", "&Edit"), kEditMenu},
    {QT_TRANSLATE_NOOP("Menu", "&View"), kViewMenu},
    {QT_TRANSLATE_NOOP("Menu", "&Options"), kOptionsMenu},
    {QT_TRANSLATE_NOOP("Menu", "&Help"), kHelpMenu},
};

const AcceleratorEntry kMainAccelerators[] = {
    {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
    {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
    {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
    {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
    {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
    {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
    {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
    {Qt::CTRL | Qt::Key_R, ID_VIEW_ALL_REMINDERS},
    {Qt::CTRL | Qt::Key_M, ID_VIEW_MONTH},
    {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
    {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
    {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
    {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
    {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
    {QKeyCombination(Qt::Key_F1), ID_HELP_MANUAL},
};

// 0 marks a separator gap.
const UINT kToolbarButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT,
    ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_FILE_PRINT, ID_APP_ABOUT};

} // namespace

const MenuTemplate kMainMenuResource = {IDR_MAINFRAME, kMainMenu};
const AcceleratorTable kMainAcceleratorResource = {IDR_MAINFRAME, kMainAccelerators};
const ToolbarTemplate kMainToolbarResource = {
    IDR_MAINFRAME, 16, 15, kToolbarButtons, DrawToolbarImages};
