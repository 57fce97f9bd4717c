#pragma once

#include <functional>

#include <QTableView>

// MSHResults: the results grid. It reports the gestures of the command layer: a click anywhere
// (header included), a double-click anywhere or Enter, a header click by column, the start of a
// Shift-drag toward a preset, and a right click or the Menu key on a row.
class ResultsGrid : public QTableView
{
    Q_OBJECT

public:
    explicit ResultsGrid(QWidget* parent = nullptr);

    // The selected rows, top to bottom, whichever way the selection was made.
    QList<int> selectedRowsInOrder() const;
    // Makes row the only selected row and the current one.
    void selectOnly(int row);
    // Whether a press with Shift alone starts a drag now; otherwise it extends the selection as
    // in any table. Without a rule every such press starts one.
    void setShiftDragRule(std::function<bool()> rule);

Q_SIGNALS:
    void gridClicked(bool onRow);
    void gridDoubleClicked();
    void headerClicked(int column);
    // Shift alone was held on a mouse press at pos (viewport coordinates).
    void shiftPressed(const QPoint& pos);
    // The row menu's place on the screen.
    void rowMenuRequested(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::function<bool()> m_shiftDragRule;
};
