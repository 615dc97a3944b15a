// An icon resource, drawn when asked for: every size offered is drawn at
// that size, any other size too, and grayed when disabled.
#include "framework/resource_types.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

constexpr UINT kIconId = 700;

// Red, with a white square in the middle: a blank or stretched drawing
// shows.
QPixmap drawTestIcon(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::red);
    QPainter painter(&icon);
    painter.fillRect(size / 4, size / 4, size / 2, size / 2, Qt::white);
    return icon;
}

const IconResource kIcons[] = {{kIconId, drawTestIcon}};

class DrawnIcon : public testing::Test {
protected:
    void SetUp() override
    {
        m_program = RegisteredResources();
        ResourceSet resources = m_program;
        resources.icons = kIcons;
        RegisterResources(resources);
    }
    void TearDown() override { RegisterResources(m_program); }

    ResourceSet m_program;
};

TEST_F(DrawnIcon, EverySizeIsDrawnAtThatSize)
{
    const QIcon icon = FindIconResource(kIconId);
    ASSERT_FALSE(icon.isNull());
    QList<QSize> sizes = icon.availableSizes();
    // The sizes of the desktops' icon themes, up to the largest a task
    // switcher shows.
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    sizes.append(QSize(20, 20)); // one not offered
    for (const QSize &size : sizes) {
        SCOPED_TRACE(size.width());
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
        EXPECT_EQ(image.pixelColor(size.width() / 2, size.height() / 2), QColor(Qt::white));
    }
    EXPECT_NE(
        icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage().pixelColor(0, 0), QColor(Qt::red))
        << "a disabled icon looks the same";
    EXPECT_TRUE(FindIconResource(kIconId + 1).isNull());
}

} // namespace
