#include "platform/WindowPlacement.h"

#include <QTest>

// A window stored for another screen shrinks first, then its frame moves onto the screen.
class TestWindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fit_data()
    {
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QRect>("expected");
        // The screen's available area is 0,30 1000x700; the frame adds 4 px at the sides and the
        // bottom and 20 px of title bar.
        QTest::newRow("already on screen") << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300);
        QTest::newRow("stored at twice the scale") << QRect(800, 600, 2400, 1600) << QRect(4, 50, 992, 676);
        QTest::newRow("wider than the screen") << QRect(100, 100, 5000, 300) << QRect(4, 100, 992, 300);
        QTest::newRow("past the right and bottom") << QRect(900, 650, 400, 300) << QRect(596, 426, 400, 300);
        QTest::newRow("above and left of the screen") << QRect(-300, -50, 400, 300) << QRect(4, 50, 400, 300);
        QTest::newRow("title bar under a top panel") << QRect(100, 35, 400, 300) << QRect(100, 50, 400, 300);
        QTest::newRow("smaller than the minimum") << QRect(100, 100, 50, 20) << QRect(100, 100, 200, 100);
    }

    void fit()
    {
        QFETCH(QRect, client);
        QFETCH(QRect, expected);
        const QRect available(0, 30, 1000, 700);
        const QMargins frame(4, 20, 4, 4);
        const QRect fitted = WindowPlacement::fit(client, frame, available, QSize(200, 100));
        QCOMPARE(fitted, expected);
        QVERIFY(available.contains(fitted.marginsAdded(frame)));
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
