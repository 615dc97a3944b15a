#include "panels/all_reminders_window.h"

#include "framework/accessible_role.h"
#include "framework/shown_digits.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

CAllRemindersWindow::CAllRemindersWindow(CZamanixProfile &profile, QWidget *parent)
    : CSideWindow(parent, Qt::Window)
    , m_profile(profile)
{
    SetAccessibleRole(this, QAccessible::Window); // a window, not a pane
    setWindowTitle(tr("All Reminders - Zamanix"));
    buildCommands();
    buildLayout();
    Refresh();
    m_pTable->resizeColumnsToContents();
    // Wide enough for every column, with room for the frame and a scroll bar.
    constexpr int kRoom = 64, kMostWidth = 1400, kHeight = 520;
    resize(std::min(m_pTable->horizontalHeader()->length() + kRoom, kMostWidth), kHeight);
    // The dates follow the Hijri calendar, the days until them the day.
    connect(&m_profile, &CZamanixProfile::remindersChanged, this, [this] { Refresh(); });
    connect(&m_profile, &CZamanixProfile::newDay, this, [this] { Refresh(); });
    connect(&m_profile, &CZamanixProfile::settingsChanged, this, [this](unsigned which) {
        if (which & kHijriCalendarSetting)
            Refresh();
    });
}

void CAllRemindersWindow::buildCommands()
{
    const auto command = [this](const QString &text, const QString &tip,
                             void (CAllRemindersWindow::*run)()) {
        auto *action = new QAction(text, this);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    m_pNew = command(tr("&New Reminder..."),
        tr("Adds a reminder: every year, once, every month or every week"),
        &CAllRemindersWindow::NewReminder);
    m_pNew->setShortcut(QKeySequence::New);
    m_pEdit = command(
        tr("&Edit..."), tr("Changes the selected reminder"), &CAllRemindersWindow::EditSelected);
    m_pOpen = command(tr("&Open in Form"), tr("Shows the selected reminder's day in the form"),
        &CAllRemindersWindow::OpenSelected);
    m_pDelete = command(tr("&Delete"), tr("Deletes the selected reminder, after asking"),
        &CAllRemindersWindow::DeleteSelected);
    m_pExport = command(tr("E&xport..."),
        tr("Saves the reminders of the next five years as an iCalendar file"),
        &CAllRemindersWindow::Export);
    addAction(m_pNew);
    // Ctrl+F, and the Find key of the keyboards that have one.
    auto *find = new QAction(this);
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Find);
    keys << QKeySequence(Qt::Key_Find);
    find->setShortcuts(keys);
    connect(find, &QAction::triggered, this, [this] {
        m_pFilter->setFocus(Qt::ShortcutFocusReason);
        m_pFilter->selectAll();
    });
    addAction(find);
}

QList<QAction *> CAllRemindersWindow::Commands() const
{
    return {m_pNew, m_pEdit, m_pOpen, m_pDelete, m_pExport};
}

void CAllRemindersWindow::buildLayout()
{
    m_pCount = new QLabel(this);
    m_pFilter = new QLineEdit(this);
    m_pFilter->setPlaceholderText(tr("Filter by memo or key"));
    m_pFilter->setAccessibleName(tr("Filter reminders"));
    m_pFilter->setAccessibleDescription(
        tr("Shows only the reminders whose memo or key holds this text"));
    m_pFilter->setClearButtonEnabled(true);
    buildTable();
    m_pEmpty = new QLabel(tr("There are no reminders yet. Choose New Reminder... to add one of "
                             "any kind, or in the main window choose a date, type a memo and "
                             "choose Add."),
        this);
    m_pEmpty->setWordWrap(true);
    m_pDetails = new QLabel(this);
    m_pDetails->setWordWrap(true);
    m_pDetails->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pFilter);
    layout->addWidget(m_pEmpty);
    layout->addWidget(m_pTable, 1);
    layout->addWidget(m_pDetails);
    layout->addLayout(buildButtons());
    setTabOrder(m_pFilter, m_pTable);

    QObject::connect(m_pFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        const ReminderRow *selected = selectedRow();
        const std::string key = selected ? selected->key : std::string();
        m_model.SetFilter(text);
        selectRow(std::max(m_model.RowOfKey(key), 0));
        showCount();
        showSelected();
    });
    m_pFilter->installEventFilter(this);
}

void CAllRemindersWindow::buildTable()
{
    m_pTable = new QTableView(this);
    m_pTable->setModel(&m_model);
    m_pTable->setAccessibleName(tr("All reminders"));
    m_pTable->setAccessibleDescription(
        tr("Enter opens a yearly reminder in the form and edits the others, Delete removes "
           "one, the Menu key shows what else can be done, Escape closes the window"));
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setWordWrap(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setResizeContentsPrecision(200);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->setTabKeyNavigation(false);
    m_pTable->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        m_pTable, &QAbstractItemView::doubleClicked, this, [this] { ActivateSelected(); });
    QObject::connect(m_pTable, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { ContextMenu()->popup(m_pTable->viewport()->mapToGlobal(at)); });
    QObject::connect(m_pTable->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this] { showSelected(); });
    m_pTable->installEventFilter(this);
}

QLayout *CAllRemindersWindow::buildButtons()
{
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_pCount, 1);
    for (QAction *action : Commands()) {
        auto *button = new QPushButton(action->text(), this);
        button->setToolTip(action->toolTip());
        button->setAccessibleDescription(action->toolTip());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button,
            [button, action] { button->setEnabled(action->isEnabled()); });
        buttons->addWidget(button);
    }
    return buttons;
}

QMenu *CAllRemindersWindow::ContextMenu()
{
    if (!m_pMenu) {
        m_pMenu = new QMenu(this);
        m_pMenu->addActions({m_pOpen, m_pEdit, m_pDelete});
        m_pMenu->addSeparator();
        m_pMenu->addActions({m_pNew, m_pExport});
    }
    return m_pMenu;
}

void CAllRemindersWindow::Refresh()
{
    const ReminderRow *selected = selectedRow();
    const std::string key = selected ? selected->key : std::string();
    const int row = m_pTable->currentIndex().row();
    m_nToday = m_profile.Today();
    m_model.SetRows(BuildReminderRows(m_profile.Snapshot(), m_profile.HijriCalendar(), m_nToday));
    const int again = m_model.RowOfKey(key);
    // The row after a deleted one takes its place.
    selectRow(again >= 0 ? again : std::min(std::max(row, 0), m_model.rowCount() - 1));
    showCount();
    showSelected();
}

void CAllRemindersWindow::showCount()
{
    const int all = m_model.AllRows(), shown = m_model.rowCount(), never = m_model.NeverDueRows();
    std::string text = shown == all
        ? TranslateCount("CAllRemindersWindow", "%n reminders", "%n reminder", all)
        : FillSentence(
              TranslateCount("CAllRemindersWindow", "%1 of %n reminders", "%1 of %n reminder", all),
              {std::to_string(shown)});
    if (never > 0)
        text = FillSentence(TranslateCount("CAllRemindersWindow", "%1; %n never fall due",
                                "%1; %n never falls due", never),
            {text});
    const QString shownText = ShownDigits(QString::fromStdString(text));
    m_pCount->setText(shownText);
    m_pCount->setAccessibleName(shownText);
    m_pEmpty->setVisible(all == 0);
}

// What the columns of the selected row may cut, in full, and the commands
// that need a row.
void CAllRemindersWindow::showSelected()
{
    const ReminderRow *row = selectedRow();
    QString text;
    if (row && !row->day)
        text = tr("%1 never falls due: %2.")
                   .arg(QString::fromStdString(row->key), QString::fromStdString(row->problem));
    else if (row && row->past)
        text = tr("%1 fell on %2, which has gone by; it will not ring again.")
                   .arg(QString::fromStdString(row->key),
                       ChristianDateText(row->christian, row->weekday));
    else if (row && !row->note.empty())
        text = tr("%1 falls due %2.")
                   .arg(QString::fromStdString(row->key), QString::fromStdString(row->note));
    m_pDetails->setText(text);
    m_pDetails->setAccessibleName(text);
    m_pDetails->setVisible(!text.isEmpty());
    for (QAction *action : {m_pEdit, m_pOpen, m_pDelete})
        action->setEnabled(row != nullptr);
}

const ReminderRow *CAllRemindersWindow::selectedRow() const
{
    return m_model.RowAt(m_pTable->currentIndex().row());
}

void CAllRemindersWindow::selectRow(int row)
{
    if (row < 0 || row >= m_model.rowCount())
        return;
    m_pTable->setCurrentIndex(m_model.index(row, CReminderTableModel::Key));
    m_pTable->selectRow(row);
}
