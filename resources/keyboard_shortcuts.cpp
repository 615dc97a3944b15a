// Help > Keyboard Shortcuts: the keys of every window, in the order the
// README's table "Keyboard shortcuts" lists them (a test holds the two
// alike). The texts are marked for translation in the context "Shortcuts"
// and shown in the user's language; the names of keys stay as the keys
// are labelled.
#include "resources/resources.h"

#include <QtGlobal>

namespace {

const KeyboardShortcut kShortcuts[] = {
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"),
        QT_TRANSLATE_NOOP("Shortcuts", "Alt+the underlined letter"),
        QT_TRANSLATE_NOOP("Shortcuts", "opens a menu, or presses a button of the form")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "Enter",
        QT_TRANSLATE_NOOP(
            "Shortcuts", "View: shows the chosen date in the other calendar with its memo")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "Alt+A, Alt+W, Alt+D",
        QT_TRANSLATE_NOOP("Shortcuts", "Add, View, Delete")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "Ctrl+V, Shift+Insert",
        QT_TRANSLATE_NOOP("Shortcuts", "puts the clipboard's text into the memo, as one line")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "Ctrl+N, Ctrl+O, Ctrl+S",
        QT_TRANSLATE_NOOP("Shortcuts", "New, Open, Save")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "Ctrl+P",
        QT_TRANSLATE_NOOP("Shortcuts", "prints the form")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "Ctrl+R",
        QT_TRANSLATE_NOOP("Shortcuts", "opens All Reminders")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "Ctrl+M",
        QT_TRANSLATE_NOOP("Shortcuts", "shows or hides the month panel")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "F6, Shift+F6",
        QT_TRANSLATE_NOOP("Shortcuts", "moves between the form and the month panel")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Main window"), "F1",
        QT_TRANSLATE_NOOP("Shortcuts", "opens the manual")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Month panel"), QT_TRANSLATE_NOOP("Shortcuts", "Arrow keys"),
        QT_TRANSLATE_NOOP("Shortcuts", "the day before or after, or the same weekday a week away")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Month panel"), "Page Up, Page Down",
        QT_TRANSLATE_NOOP("Shortcuts", "the month before or after")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Month panel"), "Ctrl+Page Up, Ctrl+Page Down",
        QT_TRANSLATE_NOOP("Shortcuts", "the year before or after")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Month panel"), "Home",
        QT_TRANSLATE_NOOP("Shortcuts", "today")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Month panel"), "Enter",
        QT_TRANSLATE_NOOP("Shortcuts", "shows the day in the form")},
    {QT_TRANSLATE_NOOP("Shortcuts", "All Reminders"), "Down",
        QT_TRANSLATE_NOOP("Shortcuts", "from the filter to the list")},
    {QT_TRANSLATE_NOOP("Shortcuts", "All Reminders"), "Enter",
        QT_TRANSLATE_NOOP("Shortcuts", "opens the reminder in the form")},
    {QT_TRANSLATE_NOOP("Shortcuts", "All Reminders"), "Delete",
        QT_TRANSLATE_NOOP("Shortcuts", "deletes the reminder, after asking")},
    {QT_TRANSLATE_NOOP("Shortcuts", "All Reminders"), "Escape",
        QT_TRANSLATE_NOOP("Shortcuts", "closes the window")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Missed Reminders"), "Enter",
        QT_TRANSLATE_NOOP("Shortcuts", "opens the reminder in the form")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Missed Reminders"), "Escape",
        QT_TRANSLATE_NOOP("Shortcuts", "closes the window")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Reminder prompt"), "Y, Enter",
        QT_TRANSLATE_NOOP("Shortcuts", "reminds you again after the interval")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Reminder prompt"), "N",
        QT_TRANSLATE_NOOP("Shortcuts", "no more reminders today")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Reminder prompt"), "Escape",
        QT_TRANSLATE_NOOP("Shortcuts", "not now: reminds you again after the interval")},
};

} // namespace

std::span<const KeyboardShortcut> KeyboardShortcuts()
{
    return kShortcuts;
}
