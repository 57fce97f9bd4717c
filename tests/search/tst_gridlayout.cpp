#include "search/GridLayout.h"

#include <QTest>

class TestGridLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void widths_data();
    void widths();
};

using Widths = std::array<int, GridLayout::kColumns>;
Q_DECLARE_METATYPE(Widths)

void TestGridLayout::widths_data()
{
    QTest::addColumn<bool>("archive");
    QTest::addColumn<double>("gridWidth");
    QTest::addColumn<Widths>("expected");
    QTest::newRow("live 1100 + 5000") << false << 6100.0 << Widths{3000, 1000, 1000, 1100, 0, 0, 0, 0, 0, 0};
    QTest::newRow("live rounds") << false << 7000.0 << Widths{3540, 1180, 1180, 1100, 0, 0, 0, 0, 0, 0};
    QTest::newRow("archive") << true << 7950.0 << Widths{300, 650, 900, 3500, 3500, 0, 0, 0, 0, 0};
    QTest::newRow("archive half twips round")
        << true << 7951.0 << Widths{300, 650, 900, 3501, 3501, 0, 0, 0, 0, 0};
    QTest::newRow("narrow never negative") << false << 500.0 << Widths{0, 0, 0, 1100, 0, 0, 0, 0, 0, 0};
}

void TestGridLayout::widths()
{
    QFETCH(bool, archive);
    QFETCH(double, gridWidth);
    QFETCH(Widths, expected);
    QCOMPARE(GridLayout::columnWidths(archive, gridWidth), expected);
}

QTEST_GUILESS_MAIN(TestGridLayout)
#include "tst_gridlayout.moc"
