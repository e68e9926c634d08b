// The first-run rule: the set-up window comes before the bar only when nothing is configured and
// there is no address book in the default folder.

#include "contactclient/clientconfig.h"
#include "fakes/memorysettingsstore.h"
#include "setup/firstrun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestFirstRun : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_home->filePath(QStringLiteral("data")).toUtf8());
    }

    void defaultFolderFollowsXdgDataHome()
    {
        QCOMPARE(firstrun::defaultContactsFolder(), m_home->filePath(QStringLiteral("data/contacts")));
        qputenv("XDG_DATA_HOME", "");
        QCOMPARE(firstrun::defaultContactsFolder(), QDir::homePath() + QStringLiteral("/.local/share/contacts"));
    }

    void rule_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<bool>("setup");

        QTest::newRow("fresh home") << QString() << QString() << false << true;
        QTest::newRow("vdir user: default folder exists") << QString() << QString() << true << false;
        QTest::newRow("back-end chosen") << contactclient::key::Backend << QStringLiteral("vcard") << false << false;
        QTest::newRow("only the mail set up")
            << contactclient::key::MailTransport << QStringLiteral("smtp") << false << false;
        QTest::newRow("a folder elsewhere")
            << contactclient::key::Folder << QStringLiteral("/srv/contacts") << false << false;
        QTest::newRow("an empty value is nothing") << contactclient::key::Backend << QString() << false << true;
        QTest::newRow("the bar's own settings do not count")
            << QStringLiteral("Settings/WindowMode") << QStringLiteral("2") << false << true;
    }
    void rule()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, folderExists);
        QFETCH(bool, setup);

        fake::MemorySettingsStore store;
        if (key.contains(QLatin1Char('/')))
            store.values.insert(key, value);
        else if (!key.isEmpty())
            store.SaveSetting(contactclient::kClientApplication, contactclient::kClientSection, key, value);
        if (folderExists)
            QVERIFY(QDir().mkpath(firstrun::defaultContactsFolder()));
        QCOMPARE(firstrun::needsSetup(store), setup);
    }

    void useLocalAddressBookWritesExactly()
    {
        fake::MemorySettingsStore store;
        QVERIFY(firstrun::needsSetup(store));
        QCOMPARE(firstrun::useLocalAddressBook(store), QString());
        QCOMPARE(store.writes, QStringList{QStringLiteral("ContactClient/Backend=vcard")});
        QVERIFY(QFileInfo(firstrun::defaultContactsFolder()).isDir());
        QVERIFY(!firstrun::needsSetup(store));
    }

    void useLocalAddressBookElsewhere()
    {
        fake::MemorySettingsStore store;
        const QString folder = m_home->filePath(QStringLiteral("Contacts/mine"));
        QCOMPARE(firstrun::useLocalAddressBook(store, folder), QString());
        QCOMPARE(store.writes, (QStringList{QStringLiteral("ContactClient/Backend=vcard"),
                                            QStringLiteral("ContactClient/Folder=") + folder}));
        QVERIFY(QFileInfo(folder).isDir());
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

QTEST_MAIN(TestFirstRun)
#include "test_firstrun.moc"
