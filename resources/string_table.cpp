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
    {ID_FILE_PRINT_MONTH, "Print the month shown in the month panel on one page\nPrint Month"},
    {ID_VIEW_MONTH, "Show or hide the month at a glance beside the form\nMonth"},
    {ID_OPTIONS_HOLY_DAYS, "Mark the Islamic holy days in the month panel\nIslamic Holy Days"},
    {57344, "Zamanix"},
    {57345, "Ready"},

    // Prompts of the framework's commands.
    {57600, "Create a new document\nNew"},
    {57601, "Open an existing document\nOpen"},
    {57602, "Close the active document\nClose"},
    {57603, "Save the active document\nSave"},
    {57604, "Save the active document with a new name\nSave As"},
    {57605, "Change the printing options\nPage Setup"},
    {57606, "Change the printer and printing options\nPrint Setup"},
    {57607, "Print the active document\nPrint"},
    {57609, "Display full pages\nPrint Preview"},
    {57616, "Open this document"},
    {57617, "Open this document"},
    {57618, "Open this document"},
    {57619, "Open this document"},
    {57620, "Open this document"},
    {57621, "Open this document"},
    {57622, "Open this document"},
    {57623, "Open this document"},
    {57624, "Open this document"},
    {57625, "Open this document"},
    {57626, "Open this document"},
    {57627, "Open this document"},
    {57628, "Open this document"},
    {57629, "Open this document"},
    {57630, "Open this document"},
    {57631, "Open this document"},
    {57632, "Erase the selection\nErase"},
    {57633, "Erase everything\nErase All"},
    {57634, "Copy the selection and put it on the Clipboard\nCopy"},
    {57635, "Cut the selection and put it on the Clipboard\nCut"},
    {57636, "Find the specified text\nFind"},
    {57637, "Insert Clipboard contents\nPaste"},
    {57640, "Repeat the last action\nRepeat"},
    {57641, "Replace specific text with different text\nReplace"},
    {57642, "Select the entire document\nSelect All"},
    {57643, "Undo the last action\nUndo"},
    {57644, "Redo the previously undone action\nRedo"},
    {57653, "Split the active window into panes\nSplit"},
    {57664, "Display program information, version number and copyright\nAbout"},
    {57665, "Quit the application; prompts to save documents\nExit"},
    {57680, "Switch to the next window pane\nNext Pane"},
    {57681, "Switch back to the previous window pane\nPrevious Pane"},
    {59392, "Show or hide the toolbar\nToggle ToolBar"},
    {59393, "Show or hide the status bar\nToggle StatusBar"},
    {61445, "Close print preview mode\nCancel Preview"},

    // Status-bar indicators.
    {59136, "EXT"},
    {59137, "CAP"},
    {59138, "NUM"},
    {59139, "SCRL"},
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
    {61440, "Open"},
    {61441, "Save As"},
    {61442, "All Files (*.*)"},
    {61443, "Untitled"},
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
    {61700, "Failed to create empty document."},
    {61701, "The file is too large to open."},
    {61702, "Could not start print job."},
    {61703, "Failed to launch help."},
    {61704, "Internal application error."},
    {61705, "Command failed."},
    {61706, "Insufficient memory to perform operation."},
    {61707, "System registry entries have been removed and the INI file (if any) was deleted."},
    {61708, "Not all of the system registry entries (or INI file) were removed."},

    // Validation prompts of the form's data exchange.
    {61712, "Please enter an integer."},
    {61713, "Please enter a number."},
    {61714, "Please enter an integer between %1 and %2."},
    {61715, "Please enter a number between %1 and %2."},
    {61716, "Please enter no more than %1 characters."},
    {61717, "Please select a button."},
    {61718, "Please enter an integer between 0 and 255."},
    {61719, "Please enter a positive integer."},
    {61720, "Please enter a date and/or time."},
    {61721, "Please enter a currency."},

    // Files, "%1" standing for the file name.
    {61728, "Unexpected file format."},
    {61729,
        "%1\nCannot find this file.\nPlease verify that the correct path and file name are given."},
    {61730, "Destination disk drive is full."},
    {61731, "Unable to read from %1, it is opened by someone else."},
    {61732, "Unable to write to %1, it is read-only or opened by someone else."},
    {61733, "An unexpected error occurred while reading %1."},
    {61734, "An unexpected error occurred while writing %1."},
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
