#include "framework/resource_types.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

// The sizes a drawn icon offers: those of the desktop's icon themes, so
// that a desktop that scales none finds each it shows.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// An icon drawn when asked for, at the size asked for, and kept nowhere: the
// window icon's sizes cost no memory once the window manager has them.
class CDrawnIconEngine : public QIconEngine {
public:
    explicit CDrawnIconEngine(QPixmap (*draw)(int))
        : m_draw(draw)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const QPixmap drawn = m_draw(std::max(1, std::min(size.width(), size.height())));
        if (mode == QIcon::Normal || mode == QIcon::Active || !qApp)
            return drawn;
        // Grayed as the style grays any other icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : kIconSizes)
            sizes.append({size, size});
        return sizes;
    }

    QIconEngine *clone() const override { return new CDrawnIconEngine(m_draw); }
    QString key() const override { return QStringLiteral("CDrawnIconEngine"); }

private:
    QPixmap (*m_draw)(int);
};

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
    return resource ? QIcon(new CDrawnIconEngine(resource->draw)) : QIcon();
}

const DialogTemplate *FindDialogResource(int id)
{
    for (const DialogTemplate *dialog : s_resources.dialogs)
        if (dialog->id == id)
            return dialog;
    return nullptr;
}
