// Accessible roles that Qt's own classes do not give a widget: a top-level
// QWidget is told to a screen reader as a "filler" pane, so that opening it
// is never announced as a window, and no Qt 6.4 class is a notification
// that a screen reader speaks when it shows.
#pragma once

#include <QAccessible>

class QWidget;

// Gives `widget` the accessible role `role`. Call it before anything asks
// for the widget's accessible object, first in its constructor: Qt keeps
// the object it made first, and setting a name or a description makes it. The name and description
// stay the widget's own (a window's name is its title unless it has an accessible name).
void SetAccessibleRole(QWidget *widget, QAccessible::Role role);
