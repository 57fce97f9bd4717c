#pragma once

#include <QTableView>

// MSHResults: the results grid. It reports the gestures of the command layer: a click anywhere
// (header included), a double-click anywhere, a header click by column, and the start of a
// Shift-drag toward a preset.
class ResultsGrid : public QTableView
{
    Q_OBJECT

public:
    explicit ResultsGrid(QWidget* parent = nullptr);

    // The selected rows, top to bottom, whichever way the selection was made.
    QList<int> selectedRowsInOrder() const;
    // Makes row the only selected row and the current one.
    void selectOnly(int row);

Q_SIGNALS:
    void gridClicked(bool onRow);
    void gridDoubleClicked();
    void headerClicked(int column);
    // Shift alone was held on a mouse press at pos (viewport coordinates).
    void shiftPressed(const QPoint& pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
