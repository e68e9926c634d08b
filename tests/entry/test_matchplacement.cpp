// Where the list of matches lies: above a bar in the lower half of the screen, below one in the
// upper half, as wide as the bar, and wholly on the screen.

#include "entry/matchplacement.h"

#include <QTest>

class TestMatchPlacement : public QObject {
    Q_OBJECT

private slots:
    void place_data()
    {
        QTest::addColumn<QRect>("bar");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QRect>("placed");
        const QRect screen(0, 0, 1920, 1080);
        QTest::newRow("bar at the top: below")
            << QRect(100, 0, 600, 40) << screen << QSize(600, 300) << QRect(100, 40, 600, 300);
        QTest::newRow("bar at the bottom: above")
            << QRect(100, 1040, 600, 40) << screen << QSize(600, 300) << QRect(100, 740, 600, 300);
        QTest::newRow("at least as wide as the bar")
            << QRect(100, 0, 600, 40) << screen << QSize(200, 100) << QRect(100, 40, 600, 100);
        QTest::newRow("kept on the screen at the right edge")
            << QRect(1700, 0, 600, 40) << screen << QSize(600, 100) << QRect(1320, 40, 600, 100);
        QTest::newRow("kept on the screen at the left edge")
            << QRect(-50, 500, 300, 40) << screen << QSize(300, 100) << QRect(0, 540, 300, 100);
        QTest::newRow("shortened to the room below")
            << QRect(0, 400, 600, 40) << screen << QSize(600, 900) << QRect(0, 440, 600, 640);
        QTest::newRow("second screen to the right, above") << QRect(2000, 1000, 600, 40) << QRect(1920, 0, 1280, 1024)
                                                           << QSize(600, 200) << QRect(2000, 800, 600, 200);
        QTest::newRow("wider than the screen")
            << QRect(0, 0, 600, 40) << QRect(0, 0, 400, 300) << QSize(600, 100) << QRect(0, 40, 400, 100);
    }
    void place()
    {
        QFETCH(QRect, bar);
        QFETCH(QRect, screen);
        QFETCH(QSize, wanted);
        QFETCH(QRect, placed);
        const QRect got = matchplacement::place(bar, screen, wanted);
        QCOMPARE(got, placed);
        QVERIFY(screen.contains(got) || got.isEmpty());
        QVERIFY(!got.intersects(bar));
    }
};

QTEST_GUILESS_MAIN(TestMatchPlacement)
#include "test_matchplacement.moc"
