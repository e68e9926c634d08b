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
    void testNoNotificationArea();
    void testActivation_data();
    void testActivation();
    void testCallbackWhileHandlingOne();
    void testNotificationAreaGone();
};

void TestTrayIcon::testNoNotificationArea()
{
    BarFixture f;
    frmMain& form = f.load();
    bool available = false;
    form.tray->setAvailabilityCheck([&available] { return available; });

    QTest::mouseClick(form.cmdMin, Qt::LeftButton);
    QVERIFY(form.isVisible());
    QVERIFY(!form.tray->isInTray());
    QVERIFY(form.txtStatus->isVisible());
    QVERIFY(form.txtStatus->text().contains(QStringLiteral("no notification area")));
    QTRY_VERIFY(!form.txtStatus->isVisible());

    // A notification area that appears later is used.
    available = true;
    QTest::mouseClick(form.cmdMin, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(form.tray->isInTray());
}

void TestTrayIcon::testActivation_data()
{
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("left click") << QSystemTrayIcon::Trigger << true;
    QTest::newRow("double-click") << QSystemTrayIcon::DoubleClick << true;
    QTest::newRow("right click") << QSystemTrayIcon::Context << false;
    QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << false;
    QTest::newRow("unknown") << QSystemTrayIcon::Unknown << false;
}

void TestTrayIcon::testActivation()
{
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(bool, restores);

    BarFixture f;
    frmMain& form = f.load();
    form.tray->setAvailabilityCheck([] { return true; });
    form.modes->setWindowMode(2);
    form.imgOne->setVisible(false); // the unlit lamp is showing
    const QRect place = twips::geometry(&form);

    form.cmdMin->click();
    QSystemTrayIcon* icon = form.tray->icon();
    QVERIFY(icon);
    QVERIFY(icon->isVisible());
    QCOMPARE(icon->toolTip(), QStringLiteral("Quintel"));
    QVERIFY(!icon->icon().isNull());
    QVERIFY(!form.isVisible());

    emit icon->activated(reason);
    QCOMPARE(form.isVisible(), restores);
    QCOMPARE(icon->isVisible(), !restores);
    QCOMPARE(form.tray->isInTray(), !restores);
    // Back where and how it was.
    QCOMPARE(form.windowMode, 2);
    QCOMPARE(twips::geometry(&form), place);

    // The click that follows the first one of a double-click changes nothing more.
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(form.isVisible());
    QVERIFY(!icon->isVisible());
}

void TestTrayIcon::testCallbackWhileHandlingOne()
{
    BarFixture f;
    frmMain& form = f.load();
    form.tray->setAvailabilityCheck([] { return true; });
    form.cmdMin->click();
    QSystemTrayIcon* icon = form.tray->icon();

    // A callback that arrives while the first is being handled (here: from inside the restore)
    // is dropped.
    int shows = 0;
    struct ShowCounter : QObject {
        int* shows;
        QSystemTrayIcon* icon;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Show) {
                ++*shows;
                emit icon->activated(QSystemTrayIcon::Trigger);
            }
            return false;
        }
    } counter;
    counter.shows = &shows;
    counter.icon = icon;
    form.installEventFilter(&counter);
    emit icon->activated(QSystemTrayIcon::Trigger);
    form.removeEventFilter(&counter);
    QCOMPARE(shows, 1);
    QVERIFY(form.isVisible());
    QVERIFY(!icon->isVisible());
}

void TestTrayIcon::testNotificationAreaGone()
{
    BarFixture f;
    frmMain& form = f.load();
    bool available = true;
    form.tray->setAvailabilityCheck([&available] { return available; });
    form.cmdMin->click();
    QVERIFY(!form.isVisible());

    available = false;
    QTRY_VERIFY(form.isVisible());
    QVERIFY(!form.tray->isInTray());
    QVERIFY(form.txtStatus->isVisible());
}

QTEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
