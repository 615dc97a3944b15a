#include "framework/accessible_role.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char *kRoleProperty = "zamanixAccessibleRole";

// Asked with the name of each class of `object`, the most derived first:
// a widget of a class of the program's own is found by its own name, before
// Qt's factory of widgets knows the name of a base class.
QAccessibleInterface *roleFactory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(
        static_cast<QWidget *>(object), static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void SetAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    static const bool s_bInstalled = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    Q_UNUSED(s_bInstalled);
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}
