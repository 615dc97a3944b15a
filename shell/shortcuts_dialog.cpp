#include "shell/shortcuts_dialog.h"

#include "resources/resources.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

CShortcutsDialog::CShortcutsDialog(QWidget *parent)
    : QDialog(parent)
    , m_pTable(new QTableWidget(this))
{
    setWindowTitle(QCoreApplication::translate("CShortcutsDialog", "Keyboard Shortcuts - Zamanix"));
    const std::span<const KeyboardShortcut> rows = KeyboardShortcuts();
    m_pTable->setColumnCount(3);
    m_pTable->setRowCount(static_cast<int>(rows.size()));
    m_pTable->setHorizontalHeaderLabels({QCoreApplication::translate("CShortcutsDialog", "Where"),
        QCoreApplication::translate("CShortcutsDialog", "Keys"),
        QCoreApplication::translate("CShortcutsDialog", "What they do")});
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        const KeyboardShortcut &shortcut = rows[static_cast<std::size_t>(row)];
        const char *cells[] = {shortcut.where, shortcut.keys, shortcut.what};
        for (int column = 0; column < 3; ++column)
            m_pTable->setItem(row, column,
                new QTableWidgetItem(QCoreApplication::translate("Shortcuts", cells[column])));
    }
    m_pTable->setAccessibleName(
        QCoreApplication::translate("CShortcutsDialog", "Keyboard shortcuts"));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setTabKeyNavigation(false); // Tab goes on to Close
    m_pTable->setWordWrap(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->resizeColumnsToContents();
    m_pTable->setCurrentCell(0, 0);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pTable);
    layout->addWidget(buttons);
    // Wide enough for every column, with room for the frame and a scroll bar.
    constexpr int kRoom = 64, kHeight = 520;
    resize(m_pTable->horizontalHeader()->length() + kRoom, kHeight);
}

void CShortcutsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_pTable->setFocus(Qt::OtherFocusReason);
}
