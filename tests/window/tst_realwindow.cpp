// The bar on a real X display with a window manager: its window-manager hints, its width, a drag
// with the mouse, and a minimize button that keeps the bar when there is no notification area.

#include "realbar.h"
#include "window/trayicon.h"
#include "window/twips.h"
#include "window/windowdrag.h"
#include "window/windowmodes.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

// A point on the bar's own background, not covered by any control, in the bar's coordinates.
QPoint backgroundPoint(const QWidget& form)
{
    for (int y = form.height() / 2; y < form.height(); ++y) {
        for (int x = 0; x < form.width(); ++x) {
            if (!form.childAt(x, y))
                return {x, y};
        }
    }
    return {-1, -1};
}

bool exposed(const QWidget& w)
{
    return w.windowHandle() && w.windowHandle()->isExposed();
}

} // namespace

class TestRealWindow : public QObject {
    Q_OBJECT

private slots:
    void testHintsAndWidth();
    void testDrag_data();
    void testDrag();
    void testMinimizeWithoutTray();
};

void TestRealWindow::testHintsAndWidth()
{
    RealBar bar;
    frmMain& form = bar.load();
    QTRY_VERIFY(exposed(form));
    QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
    QCOMPARE(form.width(), 435);

    // The window manager drops the hint when the window is unmapped; it is set again on showing.
    form.hide();
    QTRY_VERIFY(!exposed(form));
    form.show();
    QTRY_VERIFY(exposed(form));
    QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
    QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    QCOMPARE(form.width(), 435);
}

void TestRealWindow::testDrag_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("button");
    QTest::newRow("left button, entry row") << 1 << 1;
    QTest::newRow("left button, quick mail") << 3 << 1;
    QTest::newRow("right button, selector row") << 2 << 3;
}

void TestRealWindow::testDrag()
{
    QFETCH(int, mode);
    QFETCH(int, button);

    RealBar bar;
    frmMain& form = bar.load();
    form.modes->setWindowMode(mode);
    QTRY_VERIFY(exposed(form));
    QVERIFY(settled(form));
    const QPoint start = form.geometry().topLeft();
    const QPoint local = backgroundPoint(form);
    QVERIFY(local.x() >= 0);
    const QPoint grab = form.mapToGlobal(local);
    const QPoint by(-120, -90);
    const QString b = QString::number(button);

    xdotool({QStringLiteral("mousemove"), QString::number(grab.x()), QString::number(grab.y())});
    xdotool({QStringLiteral("mousedown"), b});
    QTRY_COMPARE(bar.windowSystem.systemMoves + int(form.drag->isDragging()), 1);
    for (int step = 1; step <= 6; ++step) {
        const QPoint p = grab + by * step / 6;
        xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    }
    xdotool({QStringLiteral("mouseup"), b});
    QTRY_COMPARE(form.geometry().topLeft(), start + by);

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
    QTRY_VERIFY(exposed(form));
    const QPoint at = form.cmdMin->mapToGlobal(form.cmdMin->rect().center());
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QTRY_VERIFY(form.txtStatus->isVisible());
    QVERIFY(form.txtStatus->text().contains(QStringLiteral("notification area")));
    QVERIFY(form.isVisible());
    QVERIFY(!form.tray->isInTray());
    QVERIFY(exposed(form));
}

QTEST_MAIN(TestRealWindow)
#include "tst_realwindow.moc"
