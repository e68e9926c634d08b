// The bar on a real X display with a window manager: its hints and width, a drag with the mouse,
// and a minimize button that keeps the bar when there is no notification area.

#include "realbar.h"
#include "window/trayicon.h"
#include "window/windowdrag.h"
#include "window/windowmodes.h"

#include <QLineEdit>
#include <QToolButton>

class TestRealWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }
    void testHintsAndWidth();
    void testDrag_data();
    void testDrag();
    void testMinimizeWithoutTray();
};

void TestRealWindow::testHintsAndWidth()
{
    RealBar bar;
    frmMain& form = bar.load();
    // The window manager drops skip-taskbar when the window is unmapped; it must be back on showing.
    for (int shown = 0; shown < 2; ++shown) {
        QVERIFY2(QTest::qWaitFor([&form] { return exposed(form); }, kPatience), qPrintable(describe(form)));
        QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
        QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
        QCOMPARE(form.width(), 435);
        form.hide();
        QTRY_VERIFY_WITH_TIMEOUT(!exposed(form), kPatience);
        form.show();
    }
}

void TestRealWindow::testDrag_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("button");
    QTest::newRow("left button, entry row") << 1 << QStringLiteral("1");
    QTest::newRow("left button, quick mail") << 3 << QStringLiteral("1");
    QTest::newRow("right button, selector row") << 2 << QStringLiteral("3");
}

void TestRealWindow::testDrag()
{
    QFETCH(int, mode);
    QFETCH(QString, button);

    RealBar bar;
    frmMain& form = bar.load();
    form.modes->setWindowMode(mode);
    QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
    QVERIFY(settled(form));
    const QPoint start = form.geometry().topLeft();
    QPoint grab(-1, -1); // on the bar's own background, not on a control
    for (int x = 0; x < form.width() && grab.x() < 0; ++x) {
        if (!form.childAt(x, form.height() / 2))
            grab = form.mapToGlobal(QPoint(x, form.height() / 2));
    }
    QVERIFY(grab.x() >= 0);
    const QPoint by(-120, -90);

    xdotool(QStringLiteral("mousemove"), grab);
    xdotool(QStringLiteral("mousedown ") + button);
    QTRY_COMPARE(bar.windowSystem.systemMoves + int(form.drag->isDragging()), 1);
    for (int step = 1; step <= 6; ++step)
        xdotool(QStringLiteral("mousemove"), grab + by * step / 6);
    xdotool(QStringLiteral("mouseup ") + button);
    QTRY_COMPARE_WITH_TIMEOUT(form.geometry().topLeft(), start + by, kPatience);

    // A later step of the mode starts from where the bar was dragged to and keeps that bottom edge.
    const int bottom = form.geometry().bottom();
    const int draggedBottom = form.geometry().y() * 15 + twips::geometry(&form).height();
    form.modes->nextWindowMode();
    QCOMPARE(form.geometry().bottom(), bottom);
    QCOMPARE(form.geometry().x(), start.x() + by.x());

    form.close();
    QCOMPARE(bar.store.values.value(QStringLiteral("Settings/WindowLeft")), QString::number((start.x() + by.x()) * 15));
    QCOMPARE(bar.store.values.value(QStringLiteral("Settings/WindowBottom")), QString::number(draggedBottom));
}

void TestRealWindow::testMinimizeWithoutTray()
{
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    RealBar bar;
    frmMain& form = bar.load();
    QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
    xdotool(QStringLiteral("mousemove"), form.cmdMin->mapToGlobal(form.cmdMin->rect().center()));
    xdotool(QStringLiteral("click 1"));
    QTRY_VERIFY(form.txtStatus->isVisible());
    QVERIFY(form.txtStatus->text().contains(QStringLiteral("notification area")));
    QVERIFY(exposed(form));
    QVERIFY(!form.tray->isInTray());
}

QTEST_MAIN(TestRealWindow)
#include "test_barwindow.moc"
