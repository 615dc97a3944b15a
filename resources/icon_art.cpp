// The program's pictures, drawn rather than stored, so that every size is
// sharp: the application icon and the toolbar images.
#include "resources/resources.h"

#include <QPainter>
#include <QPainterPath>

QPixmap DrawApplicationIcon(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::black);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // The white triangle filling the lower-right half.
    QPainterPath triangle;
    triangle.moveTo(s, 0);
    triangle.lineTo(s, s);
    triangle.lineTo(0, s);
    triangle.closeSubpath();
    p.fillPath(triangle, Qt::white);
    // The moon: yellow upper-left half, black lower-right half, white rim.
    const QRectF disc(s * 0.16, s * 0.16, s * 0.68, s * 0.68);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 221, 0));
    p.drawChord(disc, 45 * 16, 180 * 16);
    p.setBrush(Qt::black);
    p.drawChord(disc, 225 * 16, 180 * 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, std::max(1.0, s / 24)));
    p.drawEllipse(disc);
    return icon;
}

namespace {

// Each picture is drawn in its own 16 by 15 cell, on the pixel grid.
void drawPage(QPainter &p, int x, int y)
{
    QPolygon page({QPoint(x, y), QPoint(x + 6, y), QPoint(x + 9, y + 3), QPoint(x + 9, y + 12),
        QPoint(x, y + 12)});
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.drawPolyline(QPolygon({QPoint(x + 6, y), QPoint(x + 6, y + 3), QPoint(x + 9, y + 3)}));
}

void drawBlankPage(QPainter &p)
{
    drawPage(p, 3, 1);
}

void drawOpenFolder(QPainter &p)
{
    p.setBrush(QColor(230, 190, 60));
    p.drawPolygon(QPolygon(
        {QPoint(1, 3), QPoint(5, 3), QPoint(6, 4), QPoint(12, 4), QPoint(12, 12), QPoint(1, 12)}));
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(12, 12), QPoint(1, 12)}));
    p.drawLine(11, 1, 14, 1); // the lid opening
    p.drawLine(14, 1, 14, 4);
}

void drawDiskette(QPainter &p)
{
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(1, 1, 13, 12);
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 9, 5); // the label
    p.setBrush(QColor(180, 180, 180));
    p.drawRect(4, 9, 7, 4); // the shutter
}

void drawScissors(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.drawLine(5, 1, 9, 9);
    p.drawLine(10, 1, 6, 9);
    p.drawEllipse(2, 9, 4, 4);
    p.drawEllipse(9, 9, 4, 4);
}

void drawTwoPages(QPainter &p)
{
    drawPage(p, 1, 0);
    drawPage(p, 6, 2);
}

void drawClipboard(QPainter &p)
{
    p.setBrush(QColor(160, 110, 50));
    p.drawRect(1, 2, 10, 12);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(4, 1, 4, 2); // the clip
    drawPage(p, 6, 2);
}

void drawPrinter(QPainter &p)
{
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5); // paper going in
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(1, 6, 14, 5);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 8, 4); // paper coming out
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(13, 8);
}

// Drawn rather than typed: as the program's first text it would load a bold
// font of its own before the window could show.
void drawQuestionMark(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 160), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath hook;
    hook.moveTo(4.8, 5.2);
    hook.arcTo(QRectF(4.8, 1.6, 6.4, 6.4), 180, -270); // over the top, down the right
    hook.quadTo(8, 8.2, 8, 10);
    p.drawPath(hook);
    p.setBrush(QColor(0, 0, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, 12.8), 1.3, 1.3);
}

} // namespace

QPixmap DrawToolbarImages()
{
    using Painter = void (*)(QPainter &);
    // In button order: New, Open, Save, Cut, Copy, Paste, Print, About.
    const Painter pictures[] = {drawBlankPage, drawOpenFolder, drawDiskette, drawScissors,
        drawTwoPages, drawClipboard, drawPrinter, drawQuestionMark};
    QPixmap strip(16 * 8, 15);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(16 * i, 0);
        p.setClipRect(0, 0, 16, 15);
        p.setPen(Qt::black);
        pictures[i](p);
        p.restore();
    }
    return strip;
}
