// The bar's remembered place: the decision from stored texts and screens, and the round trip
// through the settings store.

#include "support/barfixture.h"
#include "window/placement.h"
#include "window/placementrules.h"
#include "window/twips.h"
#include "window/windowdrag.h"
#include "window/windowmodes.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>


#include <QScreen>
#include <QTest>

using placementrules::Screens;
using placementrules::Stored;

Q_DECLARE_METATYPE(placementrules::Stored)

namespace {

constexpr int kWidth = 6525;

// 1280 × 800 pixels, in twips.
const QRect kPrimary{0, 0, 19200, 12000};
// A second monitor to the left of the primary one.
const QRect kLeftMonitor{-19200, 0, 19200, 12000};

std::optional<QString> text(const char* s)
{
    return s ? std::optional<QString>(QString::fromLatin1(s)) : std::nullopt;
}

Stored stored(const char* bottom, const char* left, const char* mode)
{
    return {text(bottom), text(left), text(mode)};
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void testRestore_data();
    void testRestore();
    void testFirstRun();
    void testSaveAndStartAgain_data();
    void testSaveAndStartAgain();
    void testDragFallbackIsStored_data();
    void testDragFallbackIsStored();
};

void TestPlacement::testRestore_data()
{
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<bool>("twoMonitors");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("mode");

    QTest::newRow("first run") << stored(nullptr, nullptr, nullptr) << false << 9600 << 6000 << 1;
    QTest::newRow("as stored") << stored("9000", "3000", "2") << false << 3000 << 9000 << 2;
    QTest::newRow("right edge kept on screen")
        << stored("9000", "15000", "1") << false << 19200 - kWidth << 9000 << 1;
    QTest::newRow("right edge exactly on screen")
        << stored("9000", "12675", "1") << false << 12675 << 9000 << 1;
    QTest::newRow("bottom kept on screen") << stored("20000", "3000", "3") << false << 3000 << 12000 << 3;
    QTest::newRow("negative left kept") << stored("9000", "-3000", "1") << false << -3000 << 9000 << 1;
    QTest::newRow("bottom above window height kept")
        << stored("300", "3000", "2") << false << 3000 << 300 << 2;
    QTest::newRow("left on the left monitor kept")
        << stored("9000", "-15000", "2") << true << -15000 << 9000 << 2;
    QTest::newRow("left of every screen pulled back")
        << stored("9000", "-15000", "2") << false << 0 << 9000 << 2;
    QTest::newRow("above every screen pulled back") << stored("-500", "3000", "1") << false << 3000 << 400 << 1;
    QTest::newRow("far off pulled back") << stored("-1e30", "-1e30", "3") << false << 0 << 2355 << 3;
    QTest::newRow("bottom not a number") << stored("abc", "3000", "2") << false << 3000 << 6000 << 2;
    QTest::newRow("left not a number") << stored("9000", "1O0", "2") << false << 9600 << 9000 << 2;
    QTest::newRow("empty texts") << stored("", " ", "") << false << 9600 << 6000 << 1;
    QTest::newRow("infinite") << stored("inf", "nan", "2") << false << 9600 << 6000 << 2;
    QTest::newRow("decimals and spaces") << stored(" 9000.4 ", "3000.6", "2") << false << 3001 << 9000 << 2;
    QTest::newRow("mode out of range") << stored("9000", "3000", "7") << false << 3000 << 9000 << 1;
    QTest::newRow("mode zero") << stored("9000", "3000", "0") << false << 3000 << 9000 << 1;
    QTest::newRow("mode negative") << stored("9000", "3000", "-2") << false << 3000 << 9000 << 1;
    QTest::newRow("mode not whole") << stored("9000", "3000", "2.5") << false << 3000 << 9000 << 1;
    QTest::newRow("mode not a number") << stored("9000", "3000", "two") << false << 3000 << 9000 << 1;
}

void TestPlacement::testRestore()
{
    QFETCH(Stored, stored);
    QFETCH(bool, twoMonitors);
    QFETCH(int, left);
    QFETCH(int, bottom);
    QFETCH(int, mode);

    Screens screens{kPrimary, {kPrimary}};
    if (twoMonitors)
        screens.all.append(kLeftMonitor);
    const placementrules::Placement p = placementrules::restore(stored, screens, kWidth);
    QCOMPARE(p.left, left);
    QCOMPARE(p.bottom, bottom);
    QCOMPARE(p.mode, mode);
}

void TestPlacement::testFirstRun()
{
    BarFixture f;
    frmMain& form = f.load();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect window = twips::geometry(&form);
    QCOMPARE(form.windowMode, 1);
    // The middle of the screen, unless the bar would then stick out on the right.
    const int width = twips::fromPixels(screen.width());
    QCOMPARE(window.x(), std::min(width / 2, width - 6525));
    QCOMPARE(window.y(), twips::fromPixels(screen.height()) / 2 - 400);
    QCOMPARE(window.height(), 400);
}

void TestPlacement::testSaveAndStartAgain_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("topLeft"); // in twips, in mode 3
    QTest::newRow("entry row") << 1 << QPoint(1500, 3000);
    QTest::newRow("selector row") << 2 << QPoint(600, 4500);
    QTest::newRow("quick mail") << 3 << QPoint(0, 0);
    QTest::newRow("left of the screen") << 2 << QPoint(-900, 1200);
}

void TestPlacement::testSaveAndStartAgain()
{
    QFETCH(int, mode);
    QFETCH(QPoint, topLeft);

    BarFixture f;
    frmMain& form = f.load();
    form.modes->setWindowMode(3);
    QRect r = twips::geometry(&form);
    r.moveTopLeft(topLeft);
    twips::setGeometry(&form, r);
    form.modes->setWindowMode(mode);
    const QRect before = twips::geometry(&form);
    form.close();

    QCOMPARE(f.store.values.value(QStringLiteral("Settings/WindowBottom")),
             QString::number(topLeft.y() + 2355));
    QCOMPARE(f.store.values.value(QStringLiteral("Settings/WindowLeft")), QString::number(topLeft.x()));
    QCOMPARE(f.store.values.value(QStringLiteral("Settings/WindowMode")), QString::number(mode));

    frmMain& again = f.load();
    QCOMPARE(again.windowMode, mode);
    QCOMPARE(twips::geometry(&again), before);
}

void TestPlacement::testDragFallbackIsStored_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("systemMoves"); // moves asked of the window manager
    QTest::newRow("left button") << Qt::LeftButton << 1;
    QTest::newRow("right button") << Qt::RightButton << 0;
    QTest::newRow("middle button") << Qt::MiddleButton << 0;
}

void TestPlacement::testDragFallbackIsStored()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, systemMoves);

    BarFixture f;
    frmMain& form = f.load();
    const QPoint start = form.geometry().topLeft();
    const QPoint grab = start + QPoint(10, 5);
    const QPoint by(-37, 23);

    // The fake window system cannot move windows: the bar follows the pointer itself, also when
    // the press was on the entry box.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 5), QPointF(10, 5), QPointF(grab), button, button,
                      Qt::NoModifier);
    form.drag->startDrag(&press);
    QCOMPARE(f.windowSystem.log.count(QStringLiteral("system move")), systemMoves);
    for (int step = 1; step <= 4; ++step) {
        const QPointF global = grab + by * step / 4;
        QMouseEvent move(QEvent::MouseMove, QPointF(), QPointF(), global, Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(form.txtContact, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), QPointF(grab + by), button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(form.txtContact, &release);
    QCOMPARE(form.geometry().topLeft(), start + by);

    // Later moves no longer drag.
    QMouseEvent stray(QEvent::MouseMove, QPointF(), QPointF(), QPointF(0, 0), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&form, &stray);
    QCOMPARE(form.geometry().topLeft(), start + by);

    form.close();
    QCOMPARE(f.store.values.value(QStringLiteral("Settings/WindowLeft")), QString::number((start + by).x() * 15));
    QCOMPARE(f.store.values.value(QStringLiteral("Settings/WindowBottom")),
             QString::number((start + by).y() * 15 + 400));
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
