// The status bar's pane of publishing: what CReminderPublishing tells (its
// progress and the result of the last publish), hidden while publishing is
// not set up. A text wider than the pane is shortened with an ellipsis on
// the screen, never for its tool tip or for a screen reader, and the pane
// never widens the window.
#pragma once

#include <QLabel>

class CReminderPublishing;

class CPublishStatusPane : public QLabel {
    Q_OBJECT

public:
    CPublishStatusPane(CReminderPublishing &publishing, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showStatus(const QString &text);
};
