// The application icon: the drawing shows what the About box and the window
// show, at every size installed into the icon theme, and the hand-written
// scalable icon that desktops use shows the same picture.
#include "resources/resources.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <string>

namespace {

const int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// A colour is "near" another when no channel differs by more than a third
// of the range: enough to tell black, white and yellow apart through
// antialiasing.
bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 85 && std::abs(a.green() - b.green()) <= 85 &&
        std::abs(a.blue() - b.blue()) <= 85;
}

std::string describe(QColor c)
{
    return c.name().toStdString();
}

TEST(ApplicationIcon, ShowsTheMoonOverTheTriangleAtEveryThemeSize)
{
    const QColor black(Qt::black), white(Qt::white), yellow(255, 221, 0);
    struct Spot {
        const char *where;
        double x, y; // as fractions of the size
        QColor colour;
    };
    const Spot spots[] = {
        {"upper-left corner, outside the moon", 0.05, 0.05, black},
        {"left edge, above the diagonal", 0.06, 0.5, black},
        {"lower-right corner, the triangle", 0.95, 0.95, white},
        {"right edge, below the diagonal", 0.94, 0.6, white},
        {"moon, upper-left half", 0.35, 0.35, yellow},
        {"moon, lower-right half, over the triangle", 0.65, 0.65, black},
    };
    for (int size : kThemeSizes) {
        const QImage icon = DrawApplicationIcon(size).toImage();
        SCOPED_TRACE("size " + std::to_string(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        for (const Spot &spot : spots) {
            SCOPED_TRACE(spot.where);
            const QColor seen = icon.pixelColor(int(spot.x * size), int(spot.y * size));
            EXPECT_TRUE(near(seen, spot.colour)) << describe(seen);
        }
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(icon.pixelColor(x, y).alpha(), 255) << "transparent at " << x << "," << y;
    }
}

// Pixels of two pictures of the same size that are not "near" each other.
int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += near(a.pixelColor(x, y), b.pixelColor(x, y)) ? 0 : 1;
    return count;
}

TEST(ApplicationIcon, ScalableIconShowsTheSamePicture)
{
    QSvgRenderer svg(QStringLiteral(ZAMANIX_ICON_SVG));
    ASSERT_TRUE(svg.isValid()) << ZAMANIX_ICON_SVG;
    // From 32 pixels up the rim has the same width in both; below, the
    // drawing keeps it one pixel wide.
    for (int size : {32, 48, 64, 128, 256}) {
        SCOPED_TRACE("size " + std::to_string(size));
        QImage rendered(size, size, QImage::Format_ARGB32);
        rendered.fill(Qt::transparent);
        QPainter painter(&rendered);
        svg.render(&painter);
        painter.end();
        const QImage drawn =
            DrawApplicationIcon(size).toImage().convertToFormat(QImage::Format_ARGB32);
        // Only antialiased edges may differ: a moved or recoloured shape
        // changes far more than 1% of the pixels.
        EXPECT_LE(differingPixels(rendered, drawn), size * size / 100);
    }
}

} // namespace
