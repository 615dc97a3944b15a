// Zamanix's resources: the form and About box templates, the menu,
// accelerators, toolbar, icons and the string table.
#pragma once

#include "framework/resource_types.h"

#include <QPixmap>

extern const DialogTemplate kZamanixForm;
extern const DialogTemplate kAboutBox;
extern const MenuTemplate kMainMenuResource;
extern const AcceleratorTable kMainAcceleratorResource;
extern const ToolbarTemplate kMainToolbarResource;

std::span<const StringResource> ZamanixStrings();

// A row of Help > Keyboard Shortcuts: where the keys work, the keys, and
// what they do there.
struct KeyboardShortcut {
    const char *where;
    const char *keys;
    const char *what;
};
std::span<const KeyboardShortcut> KeyboardShortcuts();

// The application icon at a size in pixels: on a black square a white
// triangle over the lower-right half, and a moon disc outlined in white,
// yellow in its upper-left half and black in its lower-right half.
QPixmap DrawApplicationIcon(int size);
// The toolbar's images side by side, 16 by 15 pixels each, in button order.
QPixmap DrawToolbarImages();

// Registers everything above with the framework; call once at start-up.
void RegisterZamanixResources();
