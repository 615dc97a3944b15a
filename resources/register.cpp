#include "resources/resources.h"

#include "resources/resource.h"

void RegisterZamanixResources()
{
    // Built here, after every resource table of the other files exists.
    static const MenuTemplate menus[] = {kMainMenuResource};
    static const AcceleratorTable accelerators[] = {kMainAcceleratorResource};
    static const ToolbarTemplate toolbars[] = {kMainToolbarResource};
    static const IconResource icons[] = {
        {IDR_MAINFRAME, DrawApplicationIcon}, {IDR_ZAMANITYPE, DrawApplicationIcon}};
    static const DialogTemplate *const dialogs[] = {&kAboutBox, &kZamanixForm};
    RegisterResources({ZamanixStrings(), menus, accelerators, toolbars, icons, dialogs});
}
