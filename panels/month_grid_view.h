// The grid of the month panel: a table view of a CMonthModel whose cells
// the cell delegate paints, of a fixed size that holds six weeks, so that
// flipping months never moves what lies around it. Qt's table view gives
// every cell to screen readers as a table cell with the model's accessible
// text. The keys that move through days and months go to the panel.
#pragma once

#include <QTableView>

#include <functional>

class CMonthModel;

class CMonthGridView : public QTableView {
public:
    CMonthGridView(CMonthModel *model, QWidget *parent);

    // The panel's handler of a key; true when it took the key.
    void SetKeyHandler(std::function<bool(QKeyEvent *)> handler) { m_onKey = std::move(handler); }
    // Sizes the cells and the view from the font.
    void FitToFont();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    std::function<bool(QKeyEvent *)> m_onKey;
};
