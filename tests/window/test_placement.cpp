// The bar's remembered place: the decision from stored texts and screens, and the round trip
// through the settings store.

#include "support/barfixture.h"
#include "window/placementrules.h"
#include "window/twips.h"
#include "window/windowmodes.h"

#include <QTest>

using placementrules::Stored;
Q_DECLARE_METATYPE(placementrules::Stored)

namespace {

Stored stored(const char* bottom, const char* left, const char* mode)
{
    auto text = [](const char* s) { return s ? std::optional<QString>(QString::fromLatin1(s)) : std::nullopt; };
    return {text(bottom), text(left), text(mode)};
}

QString setting(const BarFixture& f, const char* key)
{
    return f.store.values.value(QStringLiteral("Settings/") + QString::fromLatin1(key));
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void testRestore_data()
    {
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<bool>("leftMonitor");    // a second monitor left of the primary one
        QTest::addColumn<QList<int>>("expected"); // left, bottom, mode

        // The primary screen is 1280 × 800 pixels: 19200 × 12000 twips; the bar is 6525 wide.
        QTest::newRow("first run") << stored(nullptr, nullptr, nullptr) << false << QList<int>{9600, 6000, 1};
        QTest::newRow("as stored") << stored("9000", "3000", "2") << false << QList<int>{3000, 9000, 2};
        QTest::newRow("right edge clamped") << stored("9000", "15000", "1") << false << QList<int>{12675, 9000, 1};
        QTest::newRow("bottom clamped") << stored("20000", "3000", "3") << false << QList<int>{3000, 12000, 3};
        QTest::newRow("negative left kept") << stored("9000", "-3000", "1") << false << QList<int>{-3000, 9000, 1};
        QTest::newRow("top above screen kept") << stored("300", "3000", "2") << false << QList<int>{3000, 300, 2};
        QTest::newRow("on the left monitor kept")
            << stored("9000", "-15000", "2") << true << QList<int>{-15000, 9000, 2};
        QTest::newRow("left of every screen") << stored("9000", "-15000", "2") << false << QList<int>{0, 9000, 2};
        QTest::newRow("above every screen") << stored("-500", "3000", "1") << false << QList<int>{3000, 400, 1};
        QTest::newRow("far off") << stored("-1e30", "-1e30", "3") << false << QList<int>{0, 2355, 3};
        QTest::newRow("not numbers") << stored("abc", "1O0", "two") << false << QList<int>{9600, 6000, 1};
        QTest::newRow("empty, infinite") << stored("", "inf", "nan") << false << QList<int>{9600, 6000, 1};
        QTest::newRow("decimals, spaces") << stored(" 9000.4 ", "3000.6", "2") << false << QList<int>{3001, 9000, 2};
        QTest::newRow("mode out of range") << stored("9000", "3000", "7") << false << QList<int>{3000, 9000, 1};
        QTest::newRow("mode not whole") << stored("9000", "3000", "2.5") << false << QList<int>{3000, 9000, 1};
    }
    void testRestore()
    {
        QFETCH(Stored, stored);
        QFETCH(bool, leftMonitor);
        QFETCH(QList<int>, expected);

        const QRect primary{0, 0, 19200, 12000};
        placementrules::Screens screens{primary, {primary}};
        if (leftMonitor)
            screens.all.append(primary.translated(-19200, 0));
        const placementrules::Placement p = placementrules::restore(stored, screens, 6525);
        QCOMPARE((QList<int>{p.left, p.bottom, p.mode}), expected);
    }

    void testSaveAndStartAgain_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPoint>("topLeft"); // in twips, in the full mode
        QTest::newRow("entry row") << 1 << QPoint(1500, 3000);
        QTest::newRow("selector row") << 2 << QPoint(-900, 1200);
        QTest::newRow("quick mail") << 3 << QPoint(0, 0);
    }
    void testSaveAndStartAgain()
    {
        QFETCH(int, mode);
        QFETCH(QPoint, topLeft);

        BarFixture f;
        frmMain& form = f.load();
        form.modes()->setWindowMode(3);
        twips::setGeometry(&form, QRect(topLeft, twips::geometry(&form).size()));
        form.modes()->setWindowMode(mode);
        const QRect before = twips::geometry(&form);
        form.close();
        QCOMPARE(setting(f, "WindowBottom"), QString::number(topLeft.y() + 2355));
        QCOMPARE(setting(f, "WindowLeft"), QString::number(topLeft.x()));
        QCOMPARE(setting(f, "WindowMode"), QString::number(mode));

        frmMain& again = f.load();
        QCOMPARE(again.modeState().windowMode, mode);
        QCOMPARE(twips::geometry(&again), before);
    }
};

QTEST_MAIN(TestPlacement)
#include "test_placement.moc"
