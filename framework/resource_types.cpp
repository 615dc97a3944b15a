#include "framework/resource_types.h"

namespace {

ResourceSet s_resources;

template <typename T> const T *findById(std::span<const T> items, UINT id)
{
    for (const T &item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

} // namespace

void RegisterResources(const ResourceSet &resources)
{
    s_resources = resources;
    RegisterStringTable(resources.strings);
}

const ResourceSet &RegisteredResources()
{
    return s_resources;
}

const MenuTemplate *FindMenuResource(UINT id)
{
    return findById(s_resources.menus, id);
}

const AcceleratorTable *FindAcceleratorResource(UINT id)
{
    return findById(s_resources.accelerators, id);
}

const ToolbarTemplate *FindToolbarResource(UINT id)
{
    return findById(s_resources.toolbars, id);
}

QIcon FindIconResource(UINT id)
{
    const IconResource *resource = findById(s_resources.icons, id);
    QIcon icon;
    if (resource)
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            icon.addPixmap(resource->draw(size));
    return icon;
}

const DialogTemplate *FindDialogResource(int id)
{
    for (const DialogTemplate *dialog : s_resources.dialogs)
        if (dialog->id == id)
            return dialog;
    return nullptr;
}
