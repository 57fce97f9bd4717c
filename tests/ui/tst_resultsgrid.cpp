#include "ui/ResultsGrid.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

// The grid's mouse gestures on their own: where Shift+click starts a drag and where it selects
// a range of rows.
class TestResultsGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shiftClick_data()
    {
        QTest::addColumn<bool>("dragAllowed");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("drags");
        QTest::newRow("drag allowed: the pressed row alone") << true << QList<int>{2} << 1;
        QTest::newRow("drag refused: a range of rows") << false << QList<int>{0, 1, 2} << 0;
    }

    void shiftClick()
    {
        QFETCH(bool, dragAllowed);
        QStandardItemModel model(4, 2);
        ResultsGrid grid;
        grid.setModel(&model);
        grid.resize(300, 200);
        grid.setShiftDragRule([dragAllowed] { return dragAllowed; });
        QSignalSpy drags(&grid, &ResultsGrid::shiftPressed);
        const auto rowCentre = [&grid, &model](int row) {
            return grid.visualRect(model.index(row, 0)).center();
        };
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rowCentre(0));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(2));
        QTEST(grid.selectedRowsInOrder(), "selected");
        QTEST(int(drags.size()), "drags");
        QCOMPARE(grid.currentIndex().row(), 2);
    }
};

QTEST_MAIN(TestResultsGrid)
#include "tst_resultsgrid.moc"
