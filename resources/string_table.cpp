// The string table: the program's own texts, the prompts and tool tips of
// every command ("prompt\ntool tip"), and the framework's texts as this
// program carries them.
#include "resources/resources.h"

#include "resources/resource.h"

namespace {

const StringResource kStrings[] = {
    // The program's own.
    {IDR_MAINFRAME, "Zamanix\n\nZamani\n\n\nZamanix.Document\nZamani Document"},
    {ID_EDIT_ADD, "Add memo entry to reminders on specified date"},
    {ID_EDIT_DELETE, "Delete reminder entry from list."},
    {ID_OPTIONS_AUDIBLEALARM, "Play Remider.wav audio file on alarm"},
    {ID_OPTIONS_HIJRI_ASTRONOMICAL, "Compute the Hijri months from the new moons (the default)"},
    {ID_OPTIONS_HIJRI_UMALQURA, "Follow the Umm al-Qura calendar of Saudi Arabia"},
    {ID_OPTIONS_HIJRI_CIVIL, "Follow the tabular (civil) Islamic calendar"},
    {ID_OPTIONS_HIJRI_ADJUST_MINUS2, "Begin every Hijri month two days later"},
    {ID_OPTIONS_HIJRI_ADJUST_MINUS1, "Begin every Hijri month a day later"},
    {ID_OPTIONS_HIJRI_ADJUST_NONE, "Keep the Hijri months as the calendar gives them"},
    {ID_OPTIONS_HIJRI_ADJUST_PLUS1, "Begin every Hijri month a day earlier"},
    {ID_OPTIONS_HIJRI_ADJUST_PLUS2, "Begin every Hijri month two days earlier"},
    {ID_VIEW_ALL_REMINDERS, "List every reminder by the day it falls due next\nAll Reminders"},
    {ID_FILE_EXPORT_REMINDERS,
        "Save the reminders of the next five years as an iCalendar file for other calendar "
        "programs\nExport Reminders"},
    {ID_OPTIONS_START_AT_LOGIN,
        "Start Zamanix, minimized, whenever you log in to the desktop\nStart at Login"},
    {ID_FILE_PRINT_MONTH, "Print the month shown in the month panel on one page\nPrint Month"},
    {ID_VIEW_MONTH, "Show or hide the month at a glance beside the form\nMonth"},
    {ID_OPTIONS_HOLY_DAYS, "Mark the Islamic holy days in the month panel\nIslamic Holy Days"},
    {ID_FILE_BACKUP_REMINDERS,
        "Save a copy of every reminder and setting in a file of your choice\nBack Up Reminders"},
    {ID_FILE_RESTORE_REMINDERS,
        "Replace the reminders and settings with those of a backup\nRestore Reminders"},
    {ID_HELP_KEYBOARD_SHORTCUTS,
        "List the keys that work in Zamanix's windows\nKeyboard Shortcuts"},
    {ID_HELP_MANUAL, "Open the manual of Zamanix\nManual"},
    {ID_OPTIONS_CALENDAR_SERVER,
        "Keep a calendar on a CalDAV server holding your reminders, for your phone and other "
        "calendar programs\nCalendar Server"},
    {ID_FILE_PUBLISH_NOW, "Publish the reminders to the calendar server now\nPublish Now"},
    {AFX_IDS_APP_TITLE, "Zamanix"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},

    // Prompts of the framework's commands.
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_CLOSE, "Close the active document\nClose"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    {ID_FILE_PAGE_SETUP, "Change the printing options\nPage Setup"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {ID_FILE_MRU_FILE1, "Open this document"},
    {ID_FILE_MRU_FILE1 + 1, "Open this document"},
    {ID_FILE_MRU_FILE1 + 2, "Open this document"},
    {ID_FILE_MRU_FILE1 + 3, "Open this document"},
    {ID_FILE_MRU_FILE1 + 4, "Open this document"},
    {ID_FILE_MRU_FILE1 + 5, "Open this document"},
    {ID_FILE_MRU_FILE1 + 6, "Open this document"},
    {ID_FILE_MRU_FILE1 + 7, "Open this document"},
    {ID_FILE_MRU_FILE1 + 8, "Open this document"},
    {ID_FILE_MRU_FILE1 + 9, "Open this document"},
    {ID_FILE_MRU_FILE1 + 10, "Open this document"},
    {ID_FILE_MRU_FILE1 + 11, "Open this document"},
    {ID_FILE_MRU_FILE1 + 12, "Open this document"},
    {ID_FILE_MRU_FILE1 + 13, "Open this document"},
    {ID_FILE_MRU_FILE1 + 14, "Open this document"},
    {ID_FILE_MRU_FILE16, "Open this document"},
    {57632, "Erase the selection\nErase"},
    {57633, "Erase everything\nErase All"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {57636, "Find the specified text\nFind"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {57640, "Repeat the last action\nRepeat"},
    {57641, "Replace specific text with different text\nReplace"},
    {57642, "Select the entire document\nSelect All"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {57644, "Redo the previously undone action\nRedo"},
    {57653, "Split the active window into panes\nSplit"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {61445, "Close print preview mode\nCancel Preview"},

    // Status-bar indicators.
    {59136, "EXT"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {59140, "OVR"},
    {59141, "REC"},

    // The window's system-menu commands.
    {61184, "Change the window size"},
    {61185, "Change the window position"},
    {61186, "Reduce the window to an icon"},
    {61187, "Enlarge the window to full size"},
    {61188, "Switch to the next document window"},
    {61189, "Switch to the previous document window"},
    {61190, "Close the active window and prompts to save the documents"},
    {61202, "Restore the window to normal size"},
    {61203, "Activate Task List"},

    // File dialogs and titles.
    {AFX_IDS_OPENFILE, "Open"},
    {AFX_IDS_SAVEFILE, "Save As"},
    {AFX_IDS_ALLFILTER, "All Files (*.*)"},
    {AFX_IDS_UNTITLED, "Untitled"},
    {61446, "an unnamed file"},
    {61457, "&Hide"},

    // General errors.
    {61472, "No error message is available."},
    {61473, "An unsupported operation was attempted."},
    {61474, "A required resource was unavailable."},
    {61475, "Out of memory."},
    {61476, "An unknown error has occurred."},

    // Printing.
    {61504, "on %1"},
    {61505, "&One Page"},
    {61506, "&Two Page"},
    {61507, "Page %u"},
    {61508, "Page %u\nPages %u-%u\n"},
    {61509, "prn"},
    {61510, "Output.prn"},
    {61511, "Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||"},
    {61512, "Print to File"},
    {61513, "to %1"},

    // Document and application messages.
    {61696, "Invalid filename."},
    {61697, "Failed to open document."},
    {61698, "Failed to save document."},
    {61699, "Save changes to %1?"},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
    {61701, "The file is too large to open."},
    {AFX_IDP_FAILED_TO_START_PRINT, "Could not start print job."},
    {61703, "Failed to launch help."},
    {61704, "Internal application error."},
    {61705, "Command failed."},
    {61706, "Insufficient memory to perform operation."},
    {AFX_IDP_UNREG_DONE,
        "System registry entries have been removed and the INI file (if any) was deleted."},
    {61708, "Not all of the system registry entries (or INI file) were removed."},

    // Validation prompts of the form's data exchange.
    {AFX_IDP_PARSE_INT, "Please enter an integer."},
    {61713, "Please enter a number."},
    {AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2."},
    {61715, "Please enter a number between %1 and %2."},
    {AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters."},
    {61717, "Please select a button."},
    {61718, "Please enter an integer between 0 and 255."},
    {AFX_IDP_PARSE_UINT, "Please enter a positive integer."},
    {61720, "Please enter a date and/or time."},
    {61721, "Please enter a currency."},

    // Files, "%1" standing for the file name.
    {61728, "Unexpected file format."},
    {AFX_IDP_FILE_NOT_FOUND,
        "%1\nCannot find this file.\nPlease verify that the correct path and file name are given."},
    {AFX_IDP_FILE_DISKFULL, "Destination disk drive is full."},
    {AFX_IDP_FILE_SHARING, "Unable to read from %1, it is opened by someone else."},
    {AFX_IDP_FILE_ACCESS_DENIED,
        "Unable to write to %1, it is read-only or opened by someone else."},
    {AFX_IDP_FAILED_IO_ERROR_READ, "An unexpected error occurred while reading %1."},
    {AFX_IDP_FAILED_IO_ERROR_WRITE, "An unexpected error occurred while writing %1."},
    {61856, "No error occurred."},
    {61870, "An attempt was made to access %1 past its end."},
    {61872, "No error occurred."},
    {61879, "%1 contains an incorrect schema."},
    {61888, "pixels"},
};

} // namespace

std::span<const StringResource> ZamanixStrings()
{
    return kStrings;
}
