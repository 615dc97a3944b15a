// Dialog 101: the date form, the whole client area of the main window.
#include "resources/resources.h"

#include "resources/resource.h"

#include <QtGlobal>

namespace {

using namespace CtrlStyle;

// The list the template starts with; the form's start-up replaces it.
const char *const kInitialMonths[] = {"January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};

// In template order, which is also the tab order.
const DialogControl kFormControls[] = {
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Today's Date:"), 7, 7, 45, 8,
        Left, nullptr, {}},
    {IDC_DATENOW, ControlKind::Label, "Date Now", 54, 7, 146, 8, Center,
        QT_TRANSLATE_NOOP("Dialog", "Today's Date"), {},
        "Wednesday September 30, 2026 - 30 Jumada al-awwal 1448"},
    {IDC_STATIC, ControlKind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Calendar"), 20, 23, 167, 25, 0,
        nullptr, {}},
    {IDC_HIJRI, ControlKind::RadioButton, QT_TRANSLATE_NOOP("Dialog", "Islamic Hijri"), 31, 34, 51,
        10, Group | TabStop, QT_TRANSLATE_NOOP("Dialog", "Islamic Hijri"), {}},
    {IDC_CHRISTIAN, ControlKind::RadioButton, QT_TRANSLATE_NOOP("Dialog", "Christian"), 121, 34, 43,
        10, 0, QT_TRANSLATE_NOOP("Dialog", "Christian"), {}},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Month:"), 7, 60, 23, 8, Left,
        nullptr, {}},
    {IDC_MONTH, ControlKind::ComboBox, "", 30, 56, 96, 83, DropDownList | VScroll | TabStop,
        QT_TRANSLATE_NOOP("Dialog", "Month"), kInitialMonths},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Day:"), 129, 60, 16, 8, Left,
        nullptr, {}},
    {IDC_DAY, ControlKind::Edit, "", 145, 56, 15, 12, Number | AutoHScroll | Border | TabStop,
        QT_TRANSLATE_NOOP("Dialog", "Day"), {}},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Year:"), 161, 60, 18, 8, Left,
        nullptr, {}},
    {IDC_YEAR, ControlKind::Edit, "", 179, 56, 21, 12, Number | AutoHScroll | Border | TabStop,
        QT_TRANSLATE_NOOP("Dialog", "Year"), {}},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Corresponding Date:"), 7, 82, 66,
        8, Left, nullptr, {}},
    {IDC_CORRESPONDING, ControlKind::Label, "Static", 77, 82, 109, 11, Center | Sunken,
        QT_TRANSLATE_NOOP("Dialog", "Corresponding Date"), {}},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Reminder Memo:"), 7, 99, 54, 8,
        Left, nullptr, {}},
    {IDC_MEMO, ControlKind::Edit, "", 7, 110, 193, 37, Multiline | VScroll | Border | TabStop,
        QT_TRANSLATE_NOOP("Dialog", "Reminder Memo"), {}},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Alarm at:"), 11, 154, 27, 8, Left,
        nullptr, {}},
    {IDC_HOUR, ControlKind::Edit, "", 40, 150, 21, 12, Number | AutoHScroll | Border | TabStop,
        QT_TRANSLATE_NOOP("Dialog", "Alarm hour"), {}},
    {IDC_STATIC, ControlKind::Label, ":", 69, 154, 8, 8, Left, nullptr, {}},
    {IDC_MINUTE, ControlKind::Edit, "", 79, 150, 17, 12, Number | AutoHScroll | Border | TabStop,
        QT_TRANSLATE_NOOP("Dialog", "Alarm minute"), {}},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Every:"), 118, 154, 20, 8, Left,
        nullptr, {}},
    {IDC_EVERY, ControlKind::Edit, "", 141, 150, 27, 12, Number | AutoHScroll | Border | TabStop,
        QT_TRANSLATE_NOOP("Dialog", "Repeat every (minutes)"), {}},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "minutes"), 173, 154, 24, 8, Left,
        nullptr, {}},
    {IDC_ADD, ControlKind::PushButton, QT_TRANSLATE_NOOP("Dialog", "&Add"), 13, 173, 50, 14,
        TabStop, QT_TRANSLATE_NOOP("Dialog", "Add"), {}},
    {IDC_VIEW, ControlKind::PushButton, QT_TRANSLATE_NOOP("Dialog", "Vie&w"), 77, 173, 50, 14,
        DefaultButton | TabStop, QT_TRANSLATE_NOOP("Dialog", "View"), {}},
    {IDC_DELETE, ControlKind::PushButton, QT_TRANSLATE_NOOP("Dialog", "&Delete"), 143, 173, 50, 14,
        TabStop, QT_TRANSLATE_NOOP("Dialog", "Delete"), {}},
};

} // namespace

const DialogTemplate kZamanixForm = {IDD_ZAMANIX_FORM, "", 8, 207, 194, kFormControls};
