// The notification-area icon over D-Bus, as KDE's panel and GNOME's AppIndicator extension show it:
// a StatusNotifierWatcher with a host on a private session bus, a real X display.

#include "busprocess.h"
#include "window/realbar.h"
#include "window/statusline.h"
#include "window/trayicon.h"
#include "window/windowmodes.h"

#include <QToolButton>

class TestSni : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
        QVERIFY(windowManagerReady());
        // The watcher comes first: Qt chooses between D-Bus and the X11 tray once, when it first looks.
        m_watcher = std::make_unique<BusProcess>(QStringLiteral(QUINTEL_DESKTOPINT_DIR "/sniwatcher.py"));
        QVERIFY(m_watcher->start());
        QVERIFY(QSystemTrayIcon::isSystemTrayAvailable());
    }

    void activateRestores_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("entry row") << 1;
        QTest::newRow("quick mail") << 3;
    }
    void activateRestores()
    {
        QFETCH(int, mode);
        RealBar bar;
        frmMain& form = bar.load();
        form.modes()->setWindowMode(mode);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        const QRect place = form.geometry();

        click(form, "cmdMin");
        QTRY_VERIFY(!form.isVisible());
        QVERIFY(form.tray()->isInTray());
        const QString item = m_watcher->waitFor(QStringLiteral("REGISTERED"));
        QVERIFY2(!item.isNull(), qPrintable(m_watcher->lines().join(QLatin1Char('\n'))));
        QCOMPARE(m_watcher->waitFor(QStringLiteral("TOOLTIP")), QStringLiteral("Quintel"));

        m_watcher->send(QStringLiteral("activate"));
        QTRY_VERIFY_WITH_TIMEOUT(form.isVisible() && exposed(form), kPatience);
        QVERIFY(!form.tray()->isInTray());
        QCOMPARE(form.modeState().windowMode, mode);
        QTRY_COMPARE(form.geometry(), place);
        QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
        // The icon leaves the panel with the bar back.
        QVERIFY(!m_watcher->waitFor(QStringLiteral("GONE")).isNull());
    }

    void watcherGoneRestores()
    {
        RealBar bar;
        frmMain& form = bar.load();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        const QRect place = form.geometry();
        form.tray()->setWatchInterval(100);

        click(form, "cmdMin");
        QTRY_VERIFY(!form.isVisible());
        QVERIFY(!m_watcher->waitFor(QStringLiteral("REGISTERED")).isNull());

        // The panel goes away (the desktop's shell restarts, the extension is switched off).
        m_watcher->stop();
        QTRY_VERIFY_WITH_TIMEOUT(form.isVisible() && exposed(form), kPatience);
        QVERIFY(!form.tray()->isInTray());
        QTRY_COMPARE(form.geometry(), place);
        QCOMPARE(form.status()->text(), QStringLiteral("The notification area has gone: the bar is back"));

        // Without a notification area the bar will not hide.
        click(form, "cmdMin");
        QVERIFY(form.isVisible());
    }

private:
    std::unique_ptr<BusProcess> m_watcher;
};

QTEST_MAIN(TestSni)
#include "test_sni.moc"
