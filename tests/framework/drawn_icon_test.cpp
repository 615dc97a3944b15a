// The program's icon, drawn when asked for: every size offered is drawn at
// that size, any other size too, and grayed when disabled.
#include "framework/resource_types.h"
#include "resources/resource.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TEST(DrawnIcon, EveryOfferedSizeIsDrawnAtThatSize)
{
    const QIcon icon = FindIconResource(IDR_MAINFRAME);
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    // The sizes of the desktops' icon themes, up to the largest a task
    // switcher shows.
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    for (const QSize &size : sizes) {
        SCOPED_TRACE(size.width());
        const QPixmap pixmap = icon.pixmap(size);
        EXPECT_EQ(pixmap.size(), size);
        // Drawn, not blank: the moon's yellow is in the middle.
        const QColor middle = pixmap.toImage().pixelColor(size.width() / 3, size.height() / 3);
        EXPECT_GT(middle.red(), 200);
        EXPECT_GT(middle.green(), 150);
    }
    EXPECT_EQ(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20)) << "a size not offered";
    EXPECT_NE(
        icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage(), icon.pixmap(QSize(32, 32)).toImage())
        << "a disabled icon looks the same";
    EXPECT_TRUE(FindIconResource(9999).isNull());
}

} // namespace
