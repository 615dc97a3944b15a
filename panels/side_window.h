// A window of its own beside the main window (All Reminders, Missed
// Reminders, Hijri Month Starts): Escape closes it, as it closes a dialog,
// unless the control that has the focus takes the key first.
#pragma once

#include <QWidget>

class CSideWindow : public QWidget {
public:
    CSideWindow(QWidget *parent, Qt::WindowFlags flags)
        : QWidget(parent, flags)
    {
    }

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
