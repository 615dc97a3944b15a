// Menus, accelerator tables, toolbars and icons as data, registered by the
// program's resources and looked up by id.
#pragma once

#include "framework/afx_types.h"
#include "framework/dialog_template.h"
#include "framework/string_table.h"

#include <QIcon>
#include <QKeyCombination>
#include <QPixmap>

#include <span>

// Menu item flags of a template.
namespace MenuFlag {
inline constexpr unsigned Checked = 1u << 0;
inline constexpr unsigned Grayed = 1u << 1;
inline constexpr unsigned Separator = 1u << 2;
// One of a set of choices: the Radio items that follow one another in a
// menu show as a group with round marks; the update handlers set the mark.
inline constexpr unsigned Radio = 1u << 3;
} // namespace MenuFlag

struct MenuItemTemplate {
    const char *text; // "&New\tCtrl+N": the part after the tab is the shortcut shown
    UINT id;
    unsigned flags;
    // The items of a submenu; the item itself then sends no command (id 0).
    std::span<const MenuItemTemplate> submenu = {};
};

struct PopupTemplate {
    const char *text;
    std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
    UINT id;
    std::span<const PopupTemplate> popups;
};

// A key with its modifiers (e.g. Qt::CTRL | Qt::Key_N) and the
// command it sends.
struct AcceleratorEntry {
    QKeyCombination key;
    UINT command;
};

struct AcceleratorTable {
    UINT id;
    std::span<const AcceleratorEntry> entries;
};

struct ToolbarTemplate {
    UINT id;
    int imageWidth, imageHeight;
    std::span<const UINT> buttons; // 0 marks a separator gap
    QPixmap (*draw)(); // the images side by side, one per button
};

// Icons are drawn at whatever size is asked for.
struct IconResource {
    UINT id;
    QPixmap (*draw)(int size);
};

struct ResourceSet {
    std::span<const StringResource> strings;
    std::span<const MenuTemplate> menus;
    std::span<const AcceleratorTable> accelerators;
    std::span<const ToolbarTemplate> toolbars;
    std::span<const IconResource> icons;
    std::span<const DialogTemplate *const> dialogs;
};

void RegisterResources(const ResourceSet &resources);
// The set registered last, so that a test can put it back.
const ResourceSet &RegisteredResources();
const MenuTemplate *FindMenuResource(UINT id);
const AcceleratorTable *FindAcceleratorResource(UINT id);
const ToolbarTemplate *FindToolbarResource(UINT id);
// The icon at the usual sizes; a null icon when there is none.
QIcon FindIconResource(UINT id);
const DialogTemplate *FindDialogResource(int id);
