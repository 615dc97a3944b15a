// Dialogs and forms as data: a template lists the controls with their ids,
// texts, positions in dialog units and the styles that matter.
#pragma once

#include <span>

enum class ControlKind { Label, Icon, GroupBox, RadioButton, ComboBox, Edit, PushButton };

// Control styles (bit flags).
namespace CtrlStyle {
inline constexpr unsigned Left = 0;
inline constexpr unsigned Center = 1u << 0; // centred text
inline constexpr unsigned Sunken = 1u << 1; // sunken frame around a label
inline constexpr unsigned Group = 1u << 2; // starts a group
inline constexpr unsigned TabStop = 1u << 3;
inline constexpr unsigned DefaultButton = 1u << 4; // Enter presses it
inline constexpr unsigned Number = 1u << 5; // an edit that takes digits only
inline constexpr unsigned Multiline = 1u << 6;
inline constexpr unsigned VScroll = 1u << 7;
inline constexpr unsigned AutoHScroll = 1u << 8;
inline constexpr unsigned Border = 1u << 9;
inline constexpr unsigned NoPrefix = 1u << 10; // "&" shown as it is
inline constexpr unsigned WantReturn = 1u << 11; // Enter makes a new line in a multi-line edit
inline constexpr unsigned DropDownList = 1u << 12; // a list without an edit field
} // namespace CtrlStyle

inline constexpr int IDC_STATIC = -1;

struct DialogControl {
    int id;
    ControlKind kind;
    const char *text; // for an icon: the resource path of its image
    int x, y, cx, cy; // dialog units
    unsigned style;
    const char *accessibleName; // what a screen reader announces; a label's description
    std::span<const char *const> items; // initial list of a combo box
    const char *widestText = nullptr; // the widest text the control will show, if not its own
};

struct DialogTemplate {
    int id;
    const char *caption; // empty for a form
    int pointSize; // of the dialog's font
    int cx, cy; // dialog units
    std::span<const DialogControl> controls;
};
