// Help > Keyboard Shortcuts: the keys of every window, in the order the
// README's table "Keyboard shortcuts" lists them (a test holds the two
// alike).
#include "resources/resources.h"

namespace {

const KeyboardShortcut kShortcuts[] = {
    {"Main window", "Alt+the underlined letter", "opens a menu, or presses a button of the form"},
    {"Main window", "Enter", "View: shows the chosen date in the other calendar with its memo"},
    {"Main window", "Alt+A, Alt+W, Alt+D", "Add, View, Delete"},
    {"Main window", "Ctrl+V, Shift+Insert", "puts the clipboard's text into the memo, as one line"},
    {"Main window", "Ctrl+N, Ctrl+O, Ctrl+S", "New, Open, Save"},
    {"Main window", "Ctrl+P", "prints the form"},
    {"Main window", "Ctrl+R", "opens All Reminders"},
    {"Main window", "Ctrl+M", "shows or hides the month panel"},
    {"Main window", "F6, Shift+F6", "moves between the form and the month panel"},
    {"Main window", "F1", "opens the manual"},
    {"Month panel", "Arrow keys", "the day before or after, or the same weekday a week away"},
    {"Month panel", "Page Up, Page Down", "the month before or after"},
    {"Month panel", "Ctrl+Page Up, Ctrl+Page Down", "the year before or after"},
    {"Month panel", "Home", "today"},
    {"Month panel", "Enter", "shows the day in the form"},
    {"All Reminders", "Down", "from the filter to the list"},
    {"All Reminders", "Enter", "opens the reminder in the form"},
    {"All Reminders", "Delete", "deletes the reminder, after asking"},
    {"All Reminders", "Escape", "closes the window"},
    {"Missed Reminders", "Enter", "opens the reminder in the form"},
    {"Missed Reminders", "Escape", "closes the window"},
    {"Reminder prompt", "Y, Enter", "reminds you again after the interval"},
    {"Reminder prompt", "N", "no more reminders today"},
    {"Reminder prompt", "Escape", "not now: reminds you again after the interval"},
};

} // namespace

std::span<const KeyboardShortcut> KeyboardShortcuts()
{
    return kShortcuts;
}
