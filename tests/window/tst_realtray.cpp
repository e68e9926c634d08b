// The notification-area icon with a real tray host (trayer) on a real X display.

#include "realbar.h"
#include "window/trayicon.h"
#include "window/twips.h"
#include "window/windowmodes.h"

#include <QToolButton>

namespace {

bool exposed(const QWidget& w)
{
    return w.windowHandle() && w.windowHandle()->isExposed();
}

void clickAt(const QPoint& at, int button)
{
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    xdotool({QStringLiteral("click"), QString::number(button)});
}

} // namespace

class TestRealTray : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void testHideAndRestore_data();
    void testHideAndRestore();
};

void TestRealTray::initTestCase()
{
    QTRY_VERIFY(QSystemTrayIcon::isSystemTrayAvailable());
}

void TestRealTray::testHideAndRestore_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("entry row") << 1;
    QTest::newRow("quick mail") << 3;
}

void TestRealTray::testHideAndRestore()
{
    QFETCH(int, mode);

    RealBar bar;
    frmMain& form = bar.load();
    form.modes->setWindowMode(mode);
    QTRY_VERIFY(exposed(form));
    QVERIFY(settled(form));
    const QRect place = form.geometry();

    clickAt(form.cmdMin->mapToGlobal(form.cmdMin->rect().center()), 1);
    QTRY_VERIFY(!form.isVisible());
    QSystemTrayIcon* icon = form.tray->icon();
    QVERIFY(icon && icon->isVisible());
    QCOMPARE(icon->toolTip(), QStringLiteral("Quintel"));
    QTRY_VERIFY(icon->geometry().isValid() && !icon->geometry().isEmpty());

    // A right click on the icon changes nothing.
    clickAt(icon->geometry().center(), 3);
    QTest::qWait(300);
    QVERIFY(!form.isVisible());

    clickAt(icon->geometry().center(), 1);
    QTRY_VERIFY(exposed(form));
    QVERIFY(!icon->isVisible());
    QCOMPARE(form.windowMode, mode);
    QTRY_COMPARE(form.geometry(), place);
    QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
    QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
}

QTEST_MAIN(TestRealTray)
#include "tst_realtray.moc"
