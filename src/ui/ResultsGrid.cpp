#include "ui/ResultsGrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

ResultsGrid::ResultsGrid(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("MSHResults"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setSortingEnabled(false);
    // Tab and Shift+Tab leave the grid for the next control; the arrows move within it.
    setTabKeyNavigation(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        Q_EMIT gridClicked(false);
        Q_EMIT headerClicked(column);
    });
}

QList<int> ResultsGrid::selectedRowsInOrder() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ResultsGrid::selectOnly(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex first = model()->index(row, currentIndex().isValid() ? currentIndex().column() : 0);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ResultsGrid::setShiftDragRule(std::function<bool()> rule)
{
    m_shiftDragRule = std::move(rule);
}

void ResultsGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->modifiers() == Qt::ShiftModifier && (!m_shiftDragRule || m_shiftDragRule())) {
        // The row under the pointer becomes current and is the one dragged.
        const QModelIndex under = indexAt(event->position().toPoint());
        if (under.isValid())
            selectOnly(under.row());
        Q_EMIT shiftPressed(event->position().toPoint());
        return;
    }
    QTableView::mousePressEvent(event);
}

void ResultsGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT gridClicked(indexAt(event->position().toPoint()).isValid());
}

void ResultsGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Below the last row too: the current row is played.
    QTableView::mouseDoubleClickEvent(event);
    Q_EMIT gridDoubleClicked();
}

void ResultsGrid::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        Q_EMIT gridDoubleClicked();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultsGrid::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click makes the row under the pointer current; the Menu key keeps the current row.
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex under = indexAt(event->pos());
        if (!under.isValid())
            return;
        if (!selectionModel()->isRowSelected(under.row(), {}))
            selectOnly(under.row());
    }
    if (!currentIndex().isValid())
        return;
    Q_EMIT rowMenuRequested(event->reason() == QContextMenuEvent::Mouse
                                ? event->globalPos()
                                : viewport()->mapToGlobal(visualRect(currentIndex()).bottomLeft()));
}
