#include "panels/month_grid_view.h"

#include "panels/month_cell.h"
#include "panels/month_model.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

constexpr int kMostWeeks = 6; // a month of 31 days that begins late in a week

} // namespace

CMonthGridView::CMonthGridView(CMonthModel *model, QWidget *parent)
    : QTableView(parent)
{
    setModel(model);
    setItemDelegate(new CMonthCellDelegate(model, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FitToFont();
}

void CMonthGridView::FitToFont()
{
    const QSize cell = DayCellSize(font());
    horizontalHeader()->setDefaultSectionSize(cell.width());
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(cell.height());
    const int frame = 2 * frameWidth();
    const int header = horizontalHeader()->sizeHint().height();
    setFixedSize(7 * cell.width() + frame, header + kMostWeeks * cell.height() + frame);
}

void CMonthGridView::keyPressEvent(QKeyEvent *event)
{
    if (m_onKey && m_onKey(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CMonthGridView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitToFont();
}
