// Help > Keyboard Shortcuts: the keys of every window (resources/
// keyboard_shortcuts.cpp) as a table a screen reader reads row by row,
// closed with Escape or Close.
#pragma once

#include <QDialog>

class QTableWidget;

class CShortcutsDialog : public QDialog {
public:
    explicit CShortcutsDialog(QWidget *parent);

    QTableWidget *Table() const { return m_pTable; }

protected:
    // The table has the focus, so that the keys read it at once.
    void showEvent(QShowEvent *event) override;

private:
    QTableWidget *m_pTable;
};
