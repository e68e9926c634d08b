// Where the card and the call window open: next to the bar and wholly on the screen's free area,
// wherever the bar stands.

#include "window/besidebar.h"

#include <QtTest>

class TestBesideBar : public QObject {
    Q_OBJECT

private slots:
    void place_data()
    {
        QTest::addColumn<QRect>("bar");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("at");
        // The free area is 1280 x 770 at (0, 0) in every row.
        QTest::newRow("bar at the bottom: above it") << QRect(400, 700, 435, 27) << QSize(320, 240) << QPoint(400, 460);
        QTest::newRow("bar at the top: below it") << QRect(400, 0, 435, 27) << QSize(320, 240) << QPoint(400, 27);
        QTest::newRow("bar at the right edge: pulled in")
            << QRect(1100, 700, 180, 27) << QSize(320, 240) << QPoint(960, 460);
        QTest::newRow("tall window, bar in the middle: to the right")
            << QRect(100, 300, 435, 157) << QSize(320, 700) << QPoint(535, 70);
        QTest::newRow("tall window, bar at the right: to the left")
            << QRect(900, 300, 380, 157) << QSize(320, 700) << QPoint(580, 70);
        QTest::newRow("window larger than the area: its corner shows")
            << QRect(400, 700, 435, 27) << QSize(1400, 900) << QPoint(0, 0);
    }
    void place()
    {
        QFETCH(QRect, bar);
        QFETCH(QSize, window);
        QFETCH(QPoint, at);
        const QRect area(0, 0, 1280, 770);
        const QPoint placed = besidebar::place(bar, window, area);
        QCOMPARE(placed, at);
        const QRect opened(placed, window);
        if (window.width() <= area.width() && window.height() <= area.height()) {
            QVERIFY(area.contains(opened));
            QVERIFY(!opened.intersects(bar));
        }
    }
};

QTEST_GUILESS_MAIN(TestBesideBar)
#include "test_besidebar.moc"
