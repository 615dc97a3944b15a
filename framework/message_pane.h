// The status bar's message pane: the idle text ("Ready"), covered by a
// command's prompt while its menu item is highlighted, and the messages the
// program sets to say what a command did. A screen reader is told each
// message as a notification that shows (the AT-SPI role "notification",
// whose text a screen reader speaks when it shows), since nobody moves the
// focus to a status bar to read it.
#pragma once

#include <QWidget>

class QLabel;

class CMessagePane : public QWidget {
    Q_OBJECT

public:
    explicit CMessagePane(const QString &idleText, QWidget *parent = nullptr);

    // The label that shows the text.
    QLabel *Label() const { return m_pLabel; }
    // Shows `text` and tells a screen reader, also when it is the text
    // already shown (the same command done twice).
    void SetMessage(const QString &text);

private:
    QLabel *m_pLabel;
};
