// The CardDAV store as the program uses it, against a real Radicale: the first start, later starts
// from the copy, changes seen after a restart and after a background refresh, the server gone,
// wrong passwords, the password asked once per session, and the store made by the factory in a
// program without widgets.

#include "contactclient/carddav/carddavstore.h"
#include "contactclient/carddav/credentials.h"
#include "contactclient/clientconfig.h"
#include "contactclient/desktophooks.h"
#include "contactclient/factory.h"
#include "fakes/memorysettingsstore.h"
#include "radicaleserver.h"
#include "storetesting.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <qt6keychain/keychain.h>

using namespace contactclient;
using namespace contactclient::carddav;
using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

const QString kUser = u"alice"_s;
const QString kPassword = u"s3cret"_s;
const QString kTeamFilter = u"[Categories] = \"team\""_s;

QByteArray team(const QString& uid, const QString& name)
{
    return test::card(uid, name, {u"CATEGORIES:Team,Friends"_s});
}

} // namespace

class TestCardDavStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstStartThenChangesAfterRestart();
    void backgroundRefreshUpdatesTheCopy();
    void serverGoneOpensFromTheCopy();
    void wrongPasswordKeepsTheCopyUsable();
    void passwordAskedOncePerSessionAndKept();
    void desktopKeyring();
    void factoryInProgramWithoutWidgets_data();
    void factoryInProgramWithoutWidgets();

private:
    // Opens the store and lets its first sync land.
    std::unique_ptr<CardDavStore> openStore(const CardDavAccount& account, const QString& cacheRoot)
    {
        auto store = std::make_unique<CardDavStore>(account, cacheRoot, SyncOptions{}, m_prompt);
        store->open();
        store->waitForRefresh();
        return store;
    }
    CardDavAccount openAccount() const { return {m_open.url().toString(), {}, u"/shared/contacts/"_s}; }
    CardDavAccount aliceAccount() const { return {m_auth.url().toString(), kUser, {}}; }

    QTemporaryDir m_xdgCache;
    test::RadicaleServer m_open;
    test::RadicaleServer m_auth{kUser, kPassword};
    std::shared_ptr<AnsweringPrompt> m_prompt;
};

void TestCardDavStore::initTestCase()
{
    qputenv("XDG_CACHE_HOME", m_xdgCache.path().toUtf8());
    QVERIFY(m_open.start());
    QVERIFY(m_auth.start());
    QCOMPARE(m_open.createAddressBook(u"/shared/contacts/"_s, test::card(u"ann"_s, u"Ann Archer"_s) +
                                                                  team(u"bob"_s, u"Bob Baker"_s) +
                                                                  test::card(u"cy"_s, u"Cy Cole"_s)),
             201);
    QCOMPARE(m_auth.createAddressBook(u"/alice/contacts/"_s,
                                      test::card(u"dee"_s, u"Dee Dunn"_s) + team(u"eve"_s, u"Eve East"_s)),
             201);
}

void TestCardDavStore::init()
{
    m_prompt = std::make_shared<AnsweringPrompt>(kPassword);
    setKeyring(std::make_shared<MemoryKeyring>(false));
}

void TestCardDavStore::firstStartThenChangesAfterRestart()
{
    QTemporaryDir cache;
    {
        auto store = openStore(openAccount(), cache.path());
        auto items = store->items();
        QCOMPARE(fullNames(*items), (QStringList{u"Ann Archer"_s, u"Bob Baker"_s, u"Cy Cole"_s}));
        QCOMPARE(fullNames(*items->Restrict(kTeamFilter)), QStringList{u"Bob Baker"_s});
        QCOMPARE(store->itemFromId(entryIdOf(*items, u"Bob Baker"_s))->Categories(),
                 (QStringList{u"Team"_s, u"Friends"_s}));
        QCOMPARE(store->statusNote(), QString());
        QCOMPARE(m_prompt->asked, 0); // no user, no password
    }

    QCOMPARE(m_open.put(u"/shared/contacts/dan.vcf"_s, team(u"dan"_s, u"Dan Dale"_s)), 201);
    QCOMPARE(m_open.put(u"/shared/contacts/cy.vcf"_s, team(u"cy"_s, u"Cy Cole"_s)), 201);
    QCOMPARE(m_open.remove(u"/shared/contacts/ann.vcf"_s), 200);

    auto store = openStore(openAccount(), cache.path());
    QCOMPARE(store->lastSync().written, 2);
    QCOMPARE(store->lastSync().removed, 1);
    QCOMPARE(fullNames(*store->items()->Restrict(kTeamFilter)),
             (QStringList{u"Bob Baker"_s, u"Cy Cole"_s, u"Dan Dale"_s}));

    // Back as it was, for the other tests.
    QCOMPARE(m_open.remove(u"/shared/contacts/dan.vcf"_s), 200);
    QCOMPARE(m_open.put(u"/shared/contacts/cy.vcf"_s, test::card(u"cy"_s, u"Cy Cole"_s)), 201);
    QCOMPARE(m_open.put(u"/shared/contacts/ann.vcf"_s, test::card(u"ann"_s, u"Ann Archer"_s)), 201);
}

void TestCardDavStore::backgroundRefreshUpdatesTheCopy()
{
    QTemporaryDir cache;
    openStore(aliceAccount(), cache.path());
    QCOMPARE(m_auth.put(u"/alice/contacts/fay.vcf"_s, test::card(u"fay"_s, u"Fay Ford"_s)), 201);

    CardDavStore store(aliceAccount(), cache.path(), SyncOptions{}, m_prompt);
    QSignalSpy changed(store.notifier(), &StoreNotifier::changed);
    store.open();
    // Opened from the copy; the sync lands when the event loop runs.
    QCOMPARE(fullNames(*store.items()), (QStringList{u"Dee Dunn"_s, u"Eve East"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 60000);
    QCOMPARE(fullNames(*store.items()), (QStringList{u"Dee Dunn"_s, u"Eve East"_s, u"Fay Ford"_s}));
    QCOMPARE(store.statusNote(), QString());

    // A refresh asked for later brings a deletion.
    QCOMPARE(m_auth.remove(u"/alice/contacts/fay.vcf"_s), 200);
    changed.clear();
    store.refresh();
    QVERIFY(changed.wait(60000));
    QCOMPARE(fullNames(*store.items()), (QStringList{u"Dee Dunn"_s, u"Eve East"_s}));

    // One that finds nothing new reloads nothing.
    changed.clear();
    store.refresh();
    store.waitForRefresh();
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(store.lastSync().written, 0);
}

void TestCardDavStore::serverGoneOpensFromTheCopy()
{
    QTemporaryDir cache;
    QTemporaryDir noCache;
    test::RadicaleServer server;
    QVERIFY(server.start());
    QCOMPARE(server.createAddressBook(u"/shared/book/"_s, team(u"gil"_s, u"Gil Gray"_s)), 201);
    const CardDavAccount account{server.url().toString(), {}, {}};
    openStore(account, cache.path());
    server.stop();

    auto store = openStore(account, cache.path());
    QVERIFY2(store->statusNote().startsWith(u"Working offline"_s), qPrintable(store->statusNote()));
    QVERIFY2(store->statusNote().contains(u"cannot be reached"_s), qPrintable(store->statusNote()));
    QCOMPARE(fullNames(*store->items()->Restrict(kTeamFilter)), QStringList{u"Gil Gray"_s});

    const auto failure = failureOf([&] { openStore(account, noCache.path()); });
    QCOMPARE(failure.number, int(errStoreUnavailable));
    QVERIFY2(failure.description.contains(u"no copy"_s) && failure.description.contains(u"cannot be reached"_s),
             qPrintable(failure.description));
}

void TestCardDavStore::wrongPasswordKeepsTheCopyUsable()
{
    QTemporaryDir cache;
    QTemporaryDir noCache;
    openStore(aliceAccount(), cache.path());

    // A new session: nothing remembered, and the user types a wrong password.
    setKeyring(std::make_shared<MemoryKeyring>(false));
    m_prompt = std::make_shared<AnsweringPrompt>(u"wrong"_s);
    auto store = openStore(aliceAccount(), cache.path());
    QVERIFY2(store->statusNote().contains(u"refused the user name \"alice\" or its password"_s),
             qPrintable(store->statusNote()));
    QCOMPARE(fullNames(*store->items()), (QStringList{u"Dee Dunn"_s, u"Eve East"_s}));

    const auto failure = failureOf([&] { openStore(aliceAccount(), noCache.path()); });
    QCOMPARE(failure.number, int(errStoreUnavailable));
    QVERIFY2(failure.description.contains(u"refused"_s), qPrintable(failure.description));

    // Declining to give a password: the copy still opens.
    m_prompt = std::make_shared<AnsweringPrompt>(std::nullopt);
    auto declined = openStore(aliceAccount(), cache.path());
    QVERIFY2(declined->statusNote().startsWith(u"Working offline"_s), qPrintable(declined->statusNote()));
    QCOMPARE(declined->items()->Count(), 2);
}

void TestCardDavStore::passwordAskedOncePerSessionAndKept()
{
    QTemporaryDir cache;
    auto keyring = std::make_shared<MemoryKeyring>(true);
    setKeyring(keyring);
    openStore(aliceAccount(), cache.path());
    openStore(aliceAccount(), cache.path());
    QCOMPARE(m_prompt->asked, 1);
    // Accepted by the server, the typed password went to the keyring, never to the settings.
    QCOMPARE(keyring->entries.value(u"carddav:alice@127.0.0.1"_s), kPassword);

    auto fresh = std::make_shared<AnsweringPrompt>(std::nullopt);
    setKeyring(keyring); // a new session: the same keyring, nothing remembered
    m_prompt = fresh;
    auto store = openStore(aliceAccount(), cache.path());
    QCOMPARE(fresh->asked, 0);
    QCOMPARE(store->statusNote(), QString());
}

void TestCardDavStore::desktopKeyring()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        QSKIP("No D-Bus session bus, so no Secret Service: the desktop keyring is not tested here.");
    auto keyring = createSystemKeyring();
    const QString key = u"carddav:quintel-test-%1@127.0.0.1"_s.arg(QCoreApplication::applicationPid());
    if (!keyring->write(key, kPassword))
        QSKIP("No Secret Service answers on the session bus: the desktop keyring is not tested here.");
    const Keyring::Result read = keyring->read(key);
    QKeychain::DeletePasswordJob remove(kKeyringService);
    remove.setKey(key);
    QEventLoop loop;
    connect(&remove, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    remove.start();
    loop.exec();
    QCOMPARE(int(read.status), int(Keyring::Status::Found));
    QCOMPARE(read.password, kPassword);
}

void TestCardDavStore::factoryInProgramWithoutWidgets_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("expected"); // item count, or "!" + part of the error

    QTest::newRow("carddav") << u"carddav"_s << u"@"_s << u"3"_s;
    QTest::newRow("CardDAV spelled otherwise") << u"CardDAV"_s << u"@"_s << u"3"_s;
    QTest::newRow("plain http to another machine") << u"carddav"_s << u"http://dav.example.com/"_s << u"!https://"_s;
    QTest::newRow("no address") << u"carddav"_s << u""_s << u"!CardDavUrl"_s;
}

void TestCardDavStore::factoryInProgramWithoutWidgets()
{
    QFETCH(QString, backend);
    QFETCH(QString, url);
    QFETCH(QString, expected);
    QVERIFY(!QCoreApplication::instance()->inherits("QGuiApplication"));

    fake::MemorySettingsStore settings;
    settings.values.insert(kClientSection + QLatin1Char('/') + key::Backend, backend);
    settings.values.insert(kClientSection + QLatin1Char('/') + key::CardDavUrl,
                           url == u"@"_s ? m_open.url().toString() : url);
    auto app = createApplication(settings, noDesktop(), m_prompt);
    QVERIFY(app->notifier());
    auto ns = app->GetNamespace(u"MAPI"_s);
    try {
        ns->Logon();
        QCOMPARE(QString::number(ns->GetDefaultFolder(olFolderContacts)->Items()->Count()), expected);
        QVERIFY(QDir(m_xdgCache.path() + u"/Quintel/carddav"_s).exists());
    } catch (const AutomationError& e) {
        QVERIFY2(expected.startsWith(QLatin1Char('!')), qPrintable(e.description()));
        QCOMPARE(e.number(), int(errStoreUnavailable));
        QVERIFY2(e.description().contains(expected.mid(1)), qPrintable(e.description()));
    }

    fake::MemorySettingsStore folder; // the default back-end is the vCard folder, which follows its folder too
    folder.values.insert(kClientSection + QLatin1Char('/') + key::Folder, m_xdgCache.path());
    QVERIFY(createApplication(folder, noDesktop(), m_prompt)->notifier());
}

QTEST_GUILESS_MAIN(TestCardDavStore)
#include "test_carddavstore.moc"
