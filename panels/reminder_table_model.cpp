#include "panels/reminder_table_model.h"

#include "framework/shown_digits.h"
#include "text/translate.h"

#include <QCoreApplication>

namespace {

const char *const kHeaders[] = {QT_TRANSLATE_NOOP("CReminderTableModel", "Calendar"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Key"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Kind"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Memo"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Alarm"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Every"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Notice"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Next date"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Hijri date"),
    QT_TRANSLATE_NOOP("CReminderTableModel", "Days")};

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

QString daysText(int days)
{
    if (days == 0)
        return QCoreApplication::translate("CReminderTableModel", "today");
    if (days == 1)
        return QCoreApplication::translate("CReminderTableModel", "tomorrow");
    if (days == -1)
        return QCoreApplication::translate("CReminderTableModel", "past, yesterday");
    if (days < 0)
        return ShownDigits(QString::fromStdString(
            TranslateCount("CReminderTableModel", "past, %n days ago", "past, %n day ago", -days)));
    return ShownDigits(QString::fromStdString(
        TranslateCount("CReminderTableModel", "in %n days", "in %n day", days)));
}

QString kindText(ReminderKind kind)
{
    switch (kind) {
    case ReminderKind::Yearly:
        return QCoreApplication::translate("CReminderTableModel", "Every year");
    case ReminderKind::Once:
        return QCoreApplication::translate("CReminderTableModel", "Once");
    case ReminderKind::Monthly:
        return QCoreApplication::translate("CReminderTableModel", "Every month");
    case ReminderKind::Weekly:
        return QCoreApplication::translate("CReminderTableModel", "Every week");
    }
    return {};
}

QString noticeText(int days)
{
    if (days == 0)
        return {};
    return ShownDigits(QString::fromStdString(
        TranslateCount("CReminderTableModel", "%n days before", "%n day before", days)));
}

} // namespace

void CReminderTableModel::SetRows(std::vector<ReminderRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_searchText.clear();
    m_searchText.reserve(m_rows.size());
    for (const ReminderRow &row : m_rows)
        m_searchText.push_back((text(row.memo) + QLatin1Char('\n') + text(row.key)).toCaseFolded());
    applyFilter();
    endResetModel();
}

void CReminderTableModel::SetFilter(const QString &filter)
{
    beginResetModel();
    m_strFilter = filter.toCaseFolded();
    applyFilter();
    endResetModel();
}

void CReminderTableModel::applyFilter()
{
    m_shown.clear();
    m_shown.reserve(m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_strFilter.isEmpty() || m_searchText[i].contains(m_strFilter))
            m_shown.push_back(static_cast<int>(i));
}

const ReminderRow *CReminderTableModel::RowAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_shown.size()))
        return nullptr;
    return &m_rows[m_shown[row]];
}

int CReminderTableModel::RowOfKey(const std::string &key) const
{
    for (std::size_t i = 0; i < m_shown.size(); ++i)
        if (m_rows[m_shown[i]].key == key)
            return static_cast<int>(i);
    return -1;
}

int CReminderTableModel::NeverDueRows() const
{
    return static_cast<int>(std::count_if(
        m_rows.begin(), m_rows.end(), [](const ReminderRow &row) { return !row.day; }));
}

int CReminderTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int CReminderTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CReminderTableModel::cellText(const ReminderRow &row, int column) const
{
    switch (column) {
    case Calendar:
        if (row.parsed.kind == ReminderKind::Weekly)
            return {}; // a week has no calendar: the kind says so
        if (!row.parsed.calendar)
            return QCoreApplication::translate("CReminderTableModel", "Unknown");
        return *row.parsed.calendar == ReminderCalendar::Hijri
            ? QCoreApplication::translate("CReminderTableModel", "Hijri")
            : QCoreApplication::translate("CReminderTableModel", "Christian");
    case Key:
        return text(row.key);
    case Kind:
        return row.note.empty() ? kindText(row.parsed.kind)
                                : QCoreApplication::translate("CReminderTableModel", "%1 (%2)")
                                      .arg(kindText(row.parsed.kind), text(row.note));
    case Notice:
        return noticeText(row.notice);
    case Memo:
        return OneLineMemo(row.memo);
    case Alarm:
        return row.ringsAt ? ClockText(*row.ringsAt)
                           : QCoreApplication::translate("CReminderTableModel", "never");
    case Every:
        return ShownDigits(
            QCoreApplication::translate("CReminderTableModel", "%1 min").arg(row.alarm.every));
    case NextDate:
        return row.day ? ChristianDateText(row.christian, row.weekday)
                       : QCoreApplication::translate("CReminderTableModel", "Never: %1")
                             .arg(text(row.problem));
    case HijriDate:
        return row.day ? HijriDateText(row.hijri) : QString();
    case Days:
        return row.day ? daysText(row.daysUntil) : QString();
    }
    return {};
}

QVariant CReminderTableModel::data(const QModelIndex &index, int role) const
{
    const ReminderRow *row = RowAt(index.row());
    if (!row || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(*row, index.column());
    case Qt::ToolTipRole:
        return toolTip(*row, index.column());
    case Qt::TextAlignmentRole:
        return index.column() == Days || index.column() == Every
            ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
            : QVariant();
    }
    return {};
}

QString CReminderTableModel::toolTip(const ReminderRow &row, int column) const
{
    // What a column too narrow for it cuts: the memo, why a reminder never
    // falls due, what to expect of its days.
    if (column == Memo)
        return MemoToolTip(row.memo);
    if ((column == NextDate && !row.day) || column == Kind)
        return cellText(row, column).toHtmlEscaped().prepend(QStringLiteral("<qt>")) +
            QStringLiteral("</qt>");
    return {};
}

QVariant CReminderTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return tr(kHeaders[section]);
    return {};
}
