// The summon shortcut in Quintel Setup: shown and collected by the window, checked and kept when
// saved; a combination that cannot work stops the save and says why.

#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "setup/setupapply.h"
#include "setup/setupwindow.h"
#include "window/summonkeys.h"

#include <QKeySequenceEdit>
#include <QTemporaryDir>
#include <QTest>

class TestSetupShortcut : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());                         // the autostart entry's folder
        qputenv("XDG_DATA_HOME", m_config.filePath(QStringLiteral("data")).toUtf8()); // the default address book
    }

    void save_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("error");

        QTest::newRow("the default") << "Ctrl+Alt+Q" << true << "Ctrl+Alt+Q" << QString();
        QTest::newRow("other keys") << "Meta+F9" << true << "Meta+F9" << QString();
        QTest::newRow("none") << "" << true << "" << QString();
        QTest::newRow("a bare letter would eat typing")
            << "Q" << false << "Ctrl+Alt+Q"
            << "The summon shortcut Q cannot be used: The combination needs Ctrl";
    }
    void save()
    {
        QFETCH(QString, keys);
        QFETCH(bool, saved);
        QFETCH(QString, kept);
        QFETCH(QString, error);

        fake::MemorySettingsStore store;
        FakeKeyring keyring;
        setup::SetupInput in = setup::currentSetup(store);
        QCOMPARE(in.summonShortcut, summon::defaultShortcut());
        in.summonShortcut = keys;

        // The window shows the keys and gives them back as it got them.
        setup::SetupWindow window(store, keyring);
        window.setInput(in);
        if (saved)
            QCOMPARE(window.input().summonShortcut, keys);

        const setup::ApplyOutcome outcome = setup::applySetup(in, store, keyring, QStringLiteral("quintel"));
        QCOMPARE(outcome.saved(), saved);
        QVERIFY2(outcome.error.startsWith(error), qPrintable(outcome.error));
        if (!saved)
            QVERIFY(store.values.isEmpty()); // nothing half saved
        QCOMPARE(summon::shortcut(store), kept);
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestSetupShortcut)
#include "test_setupshortcut.moc"
