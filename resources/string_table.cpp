// The string table: the program's own texts, the prompts and tool tips of
// every command ("prompt\ntool tip"), and the framework's texts as this
// program carries them. The texts are marked for the translation tools in
// the context "Strings", in which LoadString translates them; the printer
// file's extension, default name and filter stay as they are.
#include "resources/resources.h"

#include "resources/resource.h"

#include <QtGlobal>

namespace {

const StringResource kStrings[] = {
    // The program's own.
    {IDR_MAINFRAME,
        QT_TRANSLATE_NOOP("Strings", "Zamanix\n\nZamani\n\n\nZamanix.Document\nZamani Document")},
    {ID_EDIT_ADD, QT_TRANSLATE_NOOP("Strings", "Add memo entry to reminders on specified date")},
    {ID_EDIT_DELETE, QT_TRANSLATE_NOOP("Strings", "Delete reminder entry from list.")},
    {ID_OPTIONS_AUDIBLEALARM, QT_TRANSLATE_NOOP("Strings", "Play Remider.wav audio file on alarm")},
    {ID_OPTIONS_HIJRI_ASTRONOMICAL,
        QT_TRANSLATE_NOOP("Strings", "Compute the Hijri months from the new moons (the default)")},
    {ID_OPTIONS_HIJRI_UMALQURA,
        QT_TRANSLATE_NOOP("Strings", "Follow the Umm al-Qura calendar of Saudi Arabia")},
    {ID_OPTIONS_HIJRI_CIVIL,
        QT_TRANSLATE_NOOP("Strings", "Follow the tabular (civil) Islamic calendar")},
    {ID_OPTIONS_HIJRI_ADJUST_MINUS2,
        QT_TRANSLATE_NOOP("Strings", "Begin every Hijri month two days later")},
    {ID_OPTIONS_HIJRI_ADJUST_MINUS1,
        QT_TRANSLATE_NOOP("Strings", "Begin every Hijri month a day later")},
    {ID_OPTIONS_HIJRI_ADJUST_NONE,
        QT_TRANSLATE_NOOP("Strings", "Keep the Hijri months as the calendar gives them")},
    {ID_OPTIONS_HIJRI_ADJUST_PLUS1,
        QT_TRANSLATE_NOOP("Strings", "Begin every Hijri month a day earlier")},
    {ID_OPTIONS_HIJRI_ADJUST_PLUS2,
        QT_TRANSLATE_NOOP("Strings", "Begin every Hijri month two days earlier")},
    {ID_VIEW_ALL_REMINDERS,
        QT_TRANSLATE_NOOP(
            "Strings", "List every reminder by the day it falls due next\nAll Reminders")},
    {ID_FILE_EXPORT_REMINDERS,
        QT_TRANSLATE_NOOP("Strings",
            "Save the reminders of the next five years as an iCalendar file for other calendar "
            "programs\nExport Reminders")},
    {ID_OPTIONS_START_AT_LOGIN,
        QT_TRANSLATE_NOOP("Strings",
            "Start Zamanix, minimized, whenever you log in to the desktop\nStart at Login")},
    {ID_FILE_PRINT_MONTH,
        QT_TRANSLATE_NOOP(
            "Strings", "Print the month shown in the month panel on one page\nPrint Month")},
    {ID_VIEW_MONTH,
        QT_TRANSLATE_NOOP("Strings", "Show or hide the month at a glance beside the form\nMonth")},
    {ID_OPTIONS_HOLY_DAYS,
        QT_TRANSLATE_NOOP(
            "Strings", "Mark the Islamic holy days in the month panel\nIslamic Holy Days")},
    {ID_OPTIONS_WESTERN_DIGITS,
        QT_TRANSLATE_NOOP("Strings",
            "Write numbers in the digits 0 to 9 instead of your language's own\nWestern Digits")},
    {ID_OPTIONS_HIJRI_MONTH_STARTS,
        QT_TRANSLATE_NOOP("Strings",
            "List, remove and import the days on which your community's Hijri months began\nHijri "
            "Month Starts")},
    {ID_OPTIONS_ASK_NEW_MOON,
        QT_TRANSLATE_NOOP("Strings",
            "On the 29th of each Hijri month, ask in the evening whether the new moon was "
            "seen\nAsk "
            "About the New Moon")},
    {ID_FILE_BACKUP_REMINDERS,
        QT_TRANSLATE_NOOP("Strings",
            "Save a copy of every reminder and setting in a file of your choice\nBack Up "
            "Reminders")},
    {ID_FILE_RESTORE_REMINDERS,
        QT_TRANSLATE_NOOP("Strings",
            "Replace the reminders and settings with those of a backup\nRestore Reminders")},
    {ID_HELP_KEYBOARD_SHORTCUTS,
        QT_TRANSLATE_NOOP(
            "Strings", "List the keys that work in Zamanix's windows\nKeyboard Shortcuts")},
    {ID_HELP_MANUAL, QT_TRANSLATE_NOOP("Strings", "Open the manual of Zamanix\nManual")},
    {ID_OPTIONS_CALENDAR_SERVER,
        QT_TRANSLATE_NOOP("Strings",
            "Keep a calendar on a CalDAV server holding your reminders, for your phone and other "
            "calendar programs\nCalendar Server")},
    {ID_FILE_PUBLISH_NOW,
        QT_TRANSLATE_NOOP(
            "Strings", "Publish the reminders to the calendar server now\nPublish Now")},
    {AFX_IDS_APP_TITLE, QT_TRANSLATE_NOOP("Strings", "Zamanix")},
    {AFX_IDS_IDLEMESSAGE, QT_TRANSLATE_NOOP("Strings", "Ready")},

    // Prompts of the framework's commands.
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Strings", "Create a new document\nNew")},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Strings", "Open an existing document\nOpen")},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Strings", "Close the active document\nClose")},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Strings", "Save the active document\nSave")},
    {ID_FILE_SAVE_AS,
        QT_TRANSLATE_NOOP("Strings", "Save the active document with a new name\nSave As")},
    {ID_FILE_PAGE_SETUP, QT_TRANSLATE_NOOP("Strings", "Change the printing options\nPage Setup")},
    {ID_FILE_PRINT_SETUP,
        QT_TRANSLATE_NOOP("Strings", "Change the printer and printing options\nPrint Setup")},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Strings", "Print the active document\nPrint")},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Strings", "Display full pages\nPrint Preview")},
    {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 1, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 2, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 3, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 4, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 5, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 6, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 7, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 8, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 9, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 10, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 11, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 12, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 13, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE1 + 14, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {ID_FILE_MRU_FILE16, QT_TRANSLATE_NOOP("Strings", "Open this document")},
    {57632, QT_TRANSLATE_NOOP("Strings", "Erase the selection\nErase")},
    {57633, QT_TRANSLATE_NOOP("Strings", "Erase everything\nErase All")},
    {ID_EDIT_COPY,
        QT_TRANSLATE_NOOP("Strings", "Copy the selection and put it on the Clipboard\nCopy")},
    {ID_EDIT_CUT,
        QT_TRANSLATE_NOOP("Strings", "Cut the selection and put it on the Clipboard\nCut")},
    {57636, QT_TRANSLATE_NOOP("Strings", "Find the specified text\nFind")},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("Strings", "Insert Clipboard contents\nPaste")},
    {57640, QT_TRANSLATE_NOOP("Strings", "Repeat the last action\nRepeat")},
    {57641, QT_TRANSLATE_NOOP("Strings", "Replace specific text with different text\nReplace")},
    {57642, QT_TRANSLATE_NOOP("Strings", "Select the entire document\nSelect All")},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Strings", "Undo the last action\nUndo")},
    {57644, QT_TRANSLATE_NOOP("Strings", "Redo the previously undone action\nRedo")},
    {57653, QT_TRANSLATE_NOOP("Strings", "Split the active window into panes\nSplit")},
    {ID_APP_ABOUT,
        QT_TRANSLATE_NOOP(
            "Strings", "Display program information, version number and copyright\nAbout")},
    {ID_APP_EXIT,
        QT_TRANSLATE_NOOP("Strings", "Quit the application; prompts to save documents\nExit")},
    {ID_NEXT_PANE, QT_TRANSLATE_NOOP("Strings", "Switch to the next window pane\nNext Pane")},
    {ID_PREV_PANE,
        QT_TRANSLATE_NOOP("Strings", "Switch back to the previous window pane\nPrevious Pane")},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Strings", "Show or hide the toolbar\nToggle ToolBar")},
    {ID_VIEW_STATUS_BAR,
        QT_TRANSLATE_NOOP("Strings", "Show or hide the status bar\nToggle StatusBar")},
    {61445, QT_TRANSLATE_NOOP("Strings", "Close print preview mode\nCancel Preview")},

    // Status-bar indicators.
    {59136, QT_TRANSLATE_NOOP("Strings", "EXT")},
    {ID_INDICATOR_CAPS, QT_TRANSLATE_NOOP("Strings", "CAP")},
    {ID_INDICATOR_NUM, QT_TRANSLATE_NOOP("Strings", "NUM")},
    {ID_INDICATOR_SCRL, QT_TRANSLATE_NOOP("Strings", "SCRL")},
    {59140, QT_TRANSLATE_NOOP("Strings", "OVR")},
    {59141, QT_TRANSLATE_NOOP("Strings", "REC")},

    // The window's system-menu commands.
    {61184, QT_TRANSLATE_NOOP("Strings", "Change the window size")},
    {61185, QT_TRANSLATE_NOOP("Strings", "Change the window position")},
    {61186, QT_TRANSLATE_NOOP("Strings", "Reduce the window to an icon")},
    {61187, QT_TRANSLATE_NOOP("Strings", "Enlarge the window to full size")},
    {61188, QT_TRANSLATE_NOOP("Strings", "Switch to the next document window")},
    {61189, QT_TRANSLATE_NOOP("Strings", "Switch to the previous document window")},
    {61190,
        QT_TRANSLATE_NOOP("Strings", "Close the active window and prompts to save the documents")},
    {61202, QT_TRANSLATE_NOOP("Strings", "Restore the window to normal size")},
    {61203, QT_TRANSLATE_NOOP("Strings", "Activate Task List")},

    // File dialogs and titles.
    {AFX_IDS_OPENFILE, QT_TRANSLATE_NOOP("Strings", "Open")},
    {AFX_IDS_SAVEFILE, QT_TRANSLATE_NOOP("Strings", "Save As")},
    {AFX_IDS_ALLFILTER, QT_TRANSLATE_NOOP("Strings", "All Files (*.*)")},
    {AFX_IDS_UNTITLED, QT_TRANSLATE_NOOP("Strings", "Untitled")},
    {61446, QT_TRANSLATE_NOOP("Strings", "an unnamed file")},
    {61457, QT_TRANSLATE_NOOP("Strings", "&Hide")},

    // General errors.
    {61472, QT_TRANSLATE_NOOP("Strings", "No error message is available.")},
    {61473, QT_TRANSLATE_NOOP("Strings", "An unsupported operation was attempted.")},
    {61474, QT_TRANSLATE_NOOP("Strings", "A required resource was unavailable.")},
    {61475, QT_TRANSLATE_NOOP("Strings", "Out of memory.")},
    {61476, QT_TRANSLATE_NOOP("Strings", "An unknown error has occurred.")},

    // Printing.
    {61504, QT_TRANSLATE_NOOP("Strings", "on %1")},
    {61505, QT_TRANSLATE_NOOP("Strings", "&One Page")},
    {61506, QT_TRANSLATE_NOOP("Strings", "&Two Page")},
    {61507, QT_TRANSLATE_NOOP("Strings", "Page %u")},
    {61508, QT_TRANSLATE_NOOP("Strings", "Page %u\nPages %u-%u\n")},
    {61509, "prn"},
    {61510, "Output.prn"},
    {61511, "Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||"},
    {61512, QT_TRANSLATE_NOOP("Strings", "Print to File")},
    {61513, QT_TRANSLATE_NOOP("Strings", "to %1")},

    // Document and application messages.
    {61696, QT_TRANSLATE_NOOP("Strings", "Invalid filename.")},
    {61697, QT_TRANSLATE_NOOP("Strings", "Failed to open document.")},
    {61698, QT_TRANSLATE_NOOP("Strings", "Failed to save document.")},
    {61699, QT_TRANSLATE_NOOP("Strings", "Save changes to %1?")},
    {AFX_IDP_FAILED_TO_CREATE_DOC,
        QT_TRANSLATE_NOOP("Strings", "Failed to create empty document.")},
    {61701, QT_TRANSLATE_NOOP("Strings", "The file is too large to open.")},
    {AFX_IDP_FAILED_TO_START_PRINT, QT_TRANSLATE_NOOP("Strings", "Could not start print job.")},
    {61703, QT_TRANSLATE_NOOP("Strings", "Failed to launch help.")},
    {61704, QT_TRANSLATE_NOOP("Strings", "Internal application error.")},
    {61705, QT_TRANSLATE_NOOP("Strings", "Command failed.")},
    {61706, QT_TRANSLATE_NOOP("Strings", "Insufficient memory to perform operation.")},
    {AFX_IDP_UNREG_DONE,
        QT_TRANSLATE_NOOP("Strings",
            "System registry entries have been removed and the INI file (if any) was deleted.")},
    {61708,
        QT_TRANSLATE_NOOP(
            "Strings", "Not all of the system registry entries (or INI file) were removed.")},

    // Validation prompts of the form's data exchange.
    {AFX_IDP_PARSE_INT, QT_TRANSLATE_NOOP("Strings", "Please enter an integer.")},
    {61713, QT_TRANSLATE_NOOP("Strings", "Please enter a number.")},
    {AFX_IDP_PARSE_INT_RANGE,
        QT_TRANSLATE_NOOP("Strings", "Please enter an integer between %1 and %2.")},
    {61715, QT_TRANSLATE_NOOP("Strings", "Please enter a number between %1 and %2.")},
    {AFX_IDP_PARSE_STRING_SIZE,
        QT_TRANSLATE_NOOP("Strings", "Please enter no more than %1 characters.")},
    {61717, QT_TRANSLATE_NOOP("Strings", "Please select a button.")},
    {61718, QT_TRANSLATE_NOOP("Strings", "Please enter an integer between 0 and 255.")},
    {AFX_IDP_PARSE_UINT, QT_TRANSLATE_NOOP("Strings", "Please enter a positive integer.")},
    {61720, QT_TRANSLATE_NOOP("Strings", "Please enter a date and/or time.")},
    {61721, QT_TRANSLATE_NOOP("Strings", "Please enter a currency.")},

    // Files, "%1" standing for the file name.
    {61728, QT_TRANSLATE_NOOP("Strings", "Unexpected file format.")},
    {AFX_IDP_FILE_NOT_FOUND,
        QT_TRANSLATE_NOOP("Strings",
            "%1\nCannot find this file.\nPlease verify that the correct path and file name are "
            "given.")},
    {AFX_IDP_FILE_DISKFULL, QT_TRANSLATE_NOOP("Strings", "Destination disk drive is full.")},
    {AFX_IDP_FILE_SHARING,
        QT_TRANSLATE_NOOP("Strings", "Unable to read from %1, it is opened by someone else.")},
    {AFX_IDP_FILE_ACCESS_DENIED,
        QT_TRANSLATE_NOOP(
            "Strings", "Unable to write to %1, it is read-only or opened by someone else.")},
    {AFX_IDP_FAILED_IO_ERROR_READ,
        QT_TRANSLATE_NOOP("Strings", "An unexpected error occurred while reading %1.")},
    {AFX_IDP_FAILED_IO_ERROR_WRITE,
        QT_TRANSLATE_NOOP("Strings", "An unexpected error occurred while writing %1.")},
    {61856, QT_TRANSLATE_NOOP("Strings", "No error occurred.")},
    {61870, QT_TRANSLATE_NOOP("Strings", "An attempt was made to access %1 past its end.")},
    {61872, QT_TRANSLATE_NOOP("Strings", "No error occurred.")},
    {61879, QT_TRANSLATE_NOOP("Strings", "%1 contains an incorrect schema.")},
    {61888, QT_TRANSLATE_NOOP("Strings", "pixels")},
};

} // namespace

std::span<const StringResource> ZamanixStrings()
{
    return kStrings;
}
