// The images Qt's style draws in the first paint, read without Qt's
// image-format plugins and drawn as Qt draws them.
#include "framework/start_style.h"

#include <QGroupBox>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

bool imagePluginsMapped()
{
    std::ifstream maps("/proc/self/maps");
    const std::string text{std::istreambuf_iterator<char>(maps), {}};
    return text.find("/imageformats/") != std::string::npos;
}

// Each test runs in a process of its own under CTest; run together, an
// earlier test may have loaded the plugins, and only the pixels are compared.
class StartStyleTest : public testing::Test {
protected:
    void ExpectNoPluginYet() const
    {
        if (!m_bPluginsAtStart) {
            EXPECT_FALSE(imagePluginsMapped()) << "an image-format plugin was loaded";
        }
    }

    const bool m_bPluginsAtStart = imagePluginsMapped();
    const std::unique_ptr<QStyle> m_pFusion{QStyleFactory::create(QStringLiteral("fusion"))};
};

TEST_F(StartStyleTest, GroupBoxFrameDrawnAsQtDrawsIt)
{
    QPixmapCache::clear();
    ASSERT_TRUE(CacheGroupBoxFrame());
    QGroupBox box(QStringLiteral("Calendar"));
    box.setStyle(m_pFusion.get());
    box.resize(240, 80);
    const QImage cached = box.grab().toImage();
    ExpectNoPluginYet();

    QPixmapCache::clear(); // read by Qt itself this time
    EXPECT_EQ(cached, box.grab().toImage());
}

TEST_F(StartStyleTest, OverflowIconsReadWhenFirstDrawn)
{
    const CStartStyle style(QStringLiteral("fusion"));
    const struct {
        const char *name;
        QStyle::StandardPixmap icon;
        Qt::LayoutDirection direction;
    } cases[] = {
        {"menu bar, left to right", QStyle::SP_ToolBarHorizontalExtensionButton, Qt::LeftToRight},
        {"menu bar, right to left", QStyle::SP_ToolBarHorizontalExtensionButton, Qt::RightToLeft},
        {"vertical toolbar", QStyle::SP_ToolBarVerticalExtensionButton, Qt::LeftToRight},
    };
    std::vector<QIcon> deferred;
    for (const auto &c : cases) {
        QStyleOption option;
        option.direction = c.direction;
        deferred.push_back(style.standardIcon(c.icon, &option));
        EXPECT_FALSE(deferred.back().isNull()) << c.name;
    }
    ExpectNoPluginYet();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        QStyleOption option;
        option.direction = cases[i].direction;
        const QIcon read = m_pFusion->standardIcon(cases[i].icon, &option);
        EXPECT_EQ(deferred[i].actualSize(QSize(32, 32)), read.actualSize(QSize(32, 32)));
        EXPECT_EQ(deferred[i].pixmap(16).toImage(), read.pixmap(16).toImage());
    }
}

} // namespace
