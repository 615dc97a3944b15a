#include "framework/message_pane.h"

#include "framework/accessible_role.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>

CMessagePane::CMessagePane(const QString &idleText, QWidget *parent)
    : QWidget(parent)
    , m_pLabel(new QLabel(idleText, this))
{
    SetAccessibleRole(this, QAccessible::Notification);
    m_pLabel->setTextFormat(Qt::PlainText); // a message may quote a memo or a file name
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pLabel);
}

void CMessagePane::SetMessage(const QString &text)
{
    m_pLabel->setText(text);
    if (!QAccessible::isActive())
        return;
    // A notification that shows is spoken with the labels it holds; the
    // pane stays on the screen, so only its showing is told again.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
