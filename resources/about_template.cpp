// Dialog 100: the About box.
#include "resources/resources.h"

#include "resources/resource.h"

#include <QtGlobal>

namespace {

using namespace CtrlStyle;

const DialogControl kAboutControls[] = {
    {IDC_STATIC, ControlKind::Icon, "128", 11, 17, 18, 20, 0,
        QT_TRANSLATE_NOOP("Dialog", "Zamanix"), {}},
    {IDC_STATIC, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog", "Zamanix Version 1.1"), 40, 10,
        119, 8, NoPrefix | Group, nullptr, {}},
    {IDC_STATIC, ControlKind::Label,
        QT_TRANSLATE_NOOP(
            "Dialog", "Hijri and Christian calendar with reminders.\nBy the Zamanix developers."),
        40, 25, 150, 17, Group, nullptr, {}},
    {IDOK, ControlKind::PushButton, QT_TRANSLATE_NOOP("Dialog", "OK"), 178, 7, 32, 14,
        DefaultButton | Group | TabStop, QT_TRANSLATE_NOOP("Dialog", "OK"), {}},
};

} // namespace

const DialogTemplate kAboutBox = {
    IDD_ABOUTBOX, QT_TRANSLATE_NOOP("Dialog", "About Zamanix"), 8, 217, 55, kAboutControls};
