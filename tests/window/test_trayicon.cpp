// Hiding the bar to the notification area and bringing it back, with the notification area's
// presence decided by the test.

#include "support/barfixture.h"
#include "window/trayicon.h"
#include "window/twips.h"
#include "window/windowmodes.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class TestTrayIcon : public QObject {
    Q_OBJECT

private slots:
    void testNotificationAreaComesAndGoes()
    {
        BarFixture f;
        frmMain& form = f.load();
        bool available = false;
        form.tray()->setAvailabilityCheck([&available] { return available; });

        // Without a notification area the bar stays and says why, for a while.
        QTest::mouseClick(ui<QToolButton>(form, "cmdMin"), Qt::LeftButton);
        QVERIFY(form.isVisible());
        QVERIFY(ui<QLineEdit>(form, "txtStatus")->isVisible());
        QVERIFY(ui<QLineEdit>(form, "txtStatus")->text().contains(QStringLiteral("no notification area")));
        QTRY_VERIFY_WITH_TIMEOUT(!ui<QLineEdit>(form, "txtStatus")->isVisible(), 10000);

        // One that appears later is used.
        available = true;
        QTest::mouseClick(ui<QToolButton>(form, "cmdMin"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(form.tray()->isInTray());

        // One that goes away gives the bar back.
        available = false;
        QTRY_VERIFY_WITH_TIMEOUT(form.isVisible(), 10000);
        QVERIFY(!form.tray()->isInTray());
        QVERIFY(ui<QLineEdit>(form, "txtStatus")->isVisible());
    }

    void testActivation_data()
    {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<bool>("restores");
        QTest::newRow("left click") << QSystemTrayIcon::Trigger << true;
        QTest::newRow("double-click") << QSystemTrayIcon::DoubleClick << true;
        QTest::newRow("right click") << QSystemTrayIcon::Context << false;
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << false;
    }
    void testActivation()
    {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(bool, restores);

        BarFixture f;
        frmMain& form = f.load();
        form.tray()->setAvailabilityCheck([] { return true; });
        form.modes()->setWindowMode(2);
        ui<QLabel>(form, "imgOne")->setVisible(false); // the unlit lamp is showing
        const QRect place = twips::geometry(&form);

        click(form, "cmdMin");
        QSystemTrayIcon* icon = form.tray()->icon();
        QVERIFY(icon && icon->isVisible());
        QCOMPARE(icon->toolTip(), QStringLiteral("Quintel"));
        QVERIFY(!icon->icon().isNull());
        QVERIFY(!form.isVisible());

        emit icon->activated(reason);
        QCOMPARE(form.isVisible(), restores);
        QCOMPARE(icon->isVisible(), !restores);
        QCOMPARE(form.modeState().windowMode, 2);
        QCOMPARE(twips::geometry(&form), place);
    }
};

QTEST_MAIN(TestTrayIcon)
#include "test_trayicon.moc"
