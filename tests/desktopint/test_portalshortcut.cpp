// The summon shortcut through the desktop portal (Wayland desktops), against a stand-in of the
// portal's GlobalShortcuts interface on a private session bus.

#include "busprocess.h"
#include "window/portalshortcut.h"
#include "window/summonshortcut.h"

#include <QGuiApplication>
#include <QSignalSpy>

class TestPortalShortcut : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
        // Not X11: the shortcut takes the portal's way.
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    }

    void withoutPortal()
    {
        QVERIFY(!PortalShortcut::isOffered());
        SummonShortcut shortcut;
        QSignalSpy failed(&shortcut, &SummonShortcut::failed);
        shortcut.setShortcut(QStringLiteral("Ctrl+Alt+Q"));
        QCOMPARE(failed.size(), 1);
        const QString message = failed.at(0).at(0).toString();
        QVERIFY2(message.contains(QStringLiteral("bind Ctrl+Alt+Q to the command \"quintel\"")), qPrintable(message));
        QVERIFY(!shortcut.isActive());
    }

    void outcome_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("asked"); // the trigger the portal was asked for
        QTest::addColumn<QString>("message");

        QTest::newRow("bound") << QStringList() << "Ctrl+Alt+Q" << true << "summon CTRL+ALT+q" << QString();
        QTest::newRow("another combination") << QStringList() << "Meta+F9" << true << "summon LOGO+F9" << QString();
        QTest::newRow("taken by another program")
            << QStringList{QStringLiteral("--taken"), QStringLiteral("CTRL+ALT+q")} << "Ctrl+Alt+Q" << false
            << "summon CTRL+ALT+q"
            << "did not give the summon shortcut a key combination";
        QTest::newRow("refused") << QStringList{QStringLiteral("--refuse")} << "Ctrl+Alt+Q" << false << QString()
                                 << "the desktop portal refused it";
        QTest::newRow("a combination that cannot be")
            << QStringList() << "Q" << false << QString() << "The shortcut Q cannot be used";
    }
    void outcome()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, keys);
        QFETCH(bool, active);
        QFETCH(QString, asked);
        QFETCH(QString, message);

        BusProcess portal(m_script, options);
        QVERIFY(portal.start());
        QVERIFY(PortalShortcut::isOffered());
        SummonShortcut shortcut;
        QSignalSpy failed(&shortcut, &SummonShortcut::failed);
        shortcut.setShortcut(keys);
        if (active) {
            QTRY_VERIFY(shortcut.isActive());
            QVERIFY(failed.isEmpty());
        } else {
            QTRY_COMPARE(failed.size(), 1);
            QVERIFY2(failed.at(0).at(0).toString().contains(message), qPrintable(failed.at(0).at(0).toString()));
            QVERIFY(!shortcut.isActive());
        }
        if (!asked.isEmpty())
            QCOMPARE(portal.waitFor(QStringLiteral("BOUND")), asked);
    }

    void activated()
    {
        BusProcess portal(m_script);
        QVERIFY(portal.start());
        SummonShortcut shortcut;
        QSignalSpy pressed(&shortcut, &SummonShortcut::activated);
        shortcut.setShortcut(QStringLiteral("Ctrl+Alt+Q"));
        QTRY_VERIFY(shortcut.isActive());

        qunsetenv("XDG_ACTIVATION_TOKEN");
        portal.send(QStringLiteral("activate"));
        QTRY_COMPARE(pressed.size(), 1);
        QVERIFY(!portal.waitFor(QStringLiteral("ACTIVATED")).isNull());
        // The portal's token is kept for the bar's activation request.
        QCOMPARE(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), QStringLiteral("portal-token-1"));

        // A new combination gives the session up: presses of the old one no longer count.
        shortcut.setShortcut(QString());
        QVERIFY(!shortcut.isActive());
        portal.send(QStringLiteral("activate"));
        QVERIFY(!portal.waitFor(QStringLiteral("ACTIVATED")).isNull());
        // A call to the portal returns after the signal it sent before: the signal has arrived by then.
        QVERIFY(PortalShortcut::isOffered());
        QCoreApplication::processEvents();
        QCOMPARE(pressed.size(), 1);
    }

private:
    const QString m_script = QStringLiteral(QUINTEL_DESKTOPINT_DIR "/portalstandin.py");
};

QTEST_MAIN(TestPortalShortcut)
#include "test_portalshortcut.moc"
