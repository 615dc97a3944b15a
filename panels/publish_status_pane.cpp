#include "panels/publish_status_pane.h"

#include "panels/reminder_publishing.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {

// The widest the pane asks to be, and the narrowest, in average characters.
constexpr int kWidestChars = 48;
constexpr int kNarrowestChars = 12;

} // namespace

CPublishStatusPane::CPublishStatusPane(CReminderPublishing &publishing, QWidget *parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    showStatus(publishing.Status());
    connect(&publishing, &CReminderPublishing::statusChanged, this,
        [this](const QString &text) { showStatus(text); });
}

void CPublishStatusPane::showStatus(const QString &text)
{
    setText(text);
    setToolTip(text);
    setVisible(!text.isEmpty());
    update();
}

QSize CPublishStatusPane::sizeHint() const
{
    QSize size = QLabel::sizeHint();
    size.setWidth(std::min(size.width(), fontMetrics().averageCharWidth() * kWidestChars));
    return size;
}

QSize CPublishStatusPane::minimumSizeHint() const
{
    QSize size = QLabel::minimumSizeHint();
    size.setWidth(std::min(size.width(), fontMetrics().averageCharWidth() * kNarrowestChars));
    return size;
}

void CPublishStatusPane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), 0, -margin(), 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
        shown, foregroundRole());
}
