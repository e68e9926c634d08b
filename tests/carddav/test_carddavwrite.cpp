// Changing contacts of a CardDAV address book, against a real Radicale: a change, a new contact and
// a removal reach the server with the checks that keep others' changes (If-Match, If-None-Match);
// the copy follows the server's ETags; a change made on the server meanwhile is a conflict that
// writes nothing; changes made while the server is stopped are kept on disk, survive a restart,
// and are sent when it is back (or, when the server changed the card meanwhile, kept aside).

#include "contactclient/carddav/carddavstore.h"
#include "contactclient/carddav/credentials.h"
#include "contactclient/carddav/pendingchanges.h"
#include "contactclient/carddav/vdircache.h"
#include "contactclient/vcard/cardfile.h"
#include "radicaleserver.h"
#include "storetesting.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace contactclient;
using namespace contactclient::carddav;
using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

// The book's cards: Ann with lines this program does not show, Bob plain.
QByteArray bookCards()
{
    return test::card(u"ann"_s, u"Ann Archer"_s,
                      {u"X-UNKNOWN;X-P=odd:keep me"_s, u"TEL;TYPE=CELL:+49 170 1"_s,
                       u"item1.EMAIL;TYPE=INTERNET:ann@example.org"_s}) +
           test::card(u"bob"_s, u"Bob Baker"_s);
}

// What each action does, and how the server should look when it went through.
enum class Action { Edit, Add, Delete };

} // namespace

class TestCardDavWrite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void editKeepsOtherLinesAndFollowsTheEtag();
    void addPutsANewCard();
    void deleteRemovesItAndKeepsACopy();
    void changedOnTheServerMeanwhile_data();
    void changedOnTheServerMeanwhile();
    void whileTheServerIsStopped_data();
    void whileTheServerIsStopped();
    void keptChangeMeetsAServerChange();

private:
    std::unique_ptr<CardDavStore> openStore(test::RadicaleServer& server, const QString& book, const QString& cache,
                                            std::chrono::milliseconds retry = std::chrono::hours(1))
    {
        SyncOptions options;
        options.sendRetry = retry;
        auto store = std::make_unique<CardDavStore>(CardDavAccount{server.url().toString(), {}, book}, cache, options);
        store->open();
        store->waitForRefresh();
        return store;
    }
    // A book of its own for each test, with bookCards() in it.
    QString newBook(test::RadicaleServer& server)
    {
        const QString path = u"/shared/book%1/"_s.arg(++m_books);
        if (server.createAddressBook(path, bookCards()) != 201)
            return {};
        return path;
    }
    // The server's ETag of the card as the copy records it.
    static QString copyEtag(CardDavStore& store, const QString& entryId) { return store.cardOf(entryId).etag; }
    QTemporaryDir m_xdg;
    test::RadicaleServer m_server;
    int m_books = 0;
};

void TestCardDavWrite::initTestCase()
{
    qputenv("XDG_CACHE_HOME", (m_xdg.path() + u"/cache"_s).toUtf8());
    qputenv("XDG_DATA_HOME", (m_xdg.path() + u"/data"_s).toUtf8());
    QVERIFY(m_server.start());
}

void TestCardDavWrite::init()
{
    setKeyring(std::make_shared<MemoryKeyring>(false));
}

void TestCardDavWrite::editKeepsOtherLinesAndFollowsTheEtag()
{
    QTemporaryDir cache;
    const QString book = newBook(m_server);
    QVERIFY(!book.isEmpty());
    auto store = openStore(m_server, book, cache.path());
    QVERIFY(store->writable());
    const QString id = entryIdOf(*store->items(), u"Ann Archer"_s);
    auto item = store->itemFromId(id);
    QVERIFY(item->writable());

    saveChanged(*item, [](ContactForm& form) { form.fullName = u"Ann Archer-Baker"_s; });
    QCOMPARE(item->writeNote(), QString());
    QCOMPARE(item->FullName(), u"Ann Archer-Baker"_s);

    int status = 0;
    QByteArray etag;
    const QByteArray card = m_server.get(book + id, &status, &etag);
    QCOMPARE(status, 200);
    QVERIFY2(card.contains("FN:Ann Archer-Baker\r\n"), card.constData());
    for (const QByteArray& kept :
         {QByteArrayLiteral("X-UNKNOWN;X-P=odd:keep me\r\n"), QByteArrayLiteral("TEL;TYPE=CELL:+49 170 1\r\n"),
          QByteArrayLiteral("item1.EMAIL;TYPE=INTERNET:ann@example.org\r\n")})
        QVERIFY2(card.contains(kept), card.constData());
    // The copy took the server's new ETag: a second change goes through without a sync between.
    QCOMPARE(copyEtag(*store, id), QString::fromUtf8(etag));
    QVERIFY(fullNames(*store->items()).contains(u"Ann Archer-Baker"_s));

    saveChanged(*item, [](ContactForm& form) { form.note = u"Met at the fair"_s; });
    QVERIFY(m_server.get(book + id, &status, &etag).contains("NOTE:Met at the fair"));
    QCOMPARE(copyEtag(*store, id), QString::fromUtf8(etag));
    QCOMPARE(store->waitingChanges(), 0);
}

void TestCardDavWrite::addPutsANewCard()
{
    QTemporaryDir cache;
    const QString book = newBook(m_server);
    auto store = openStore(m_server, book, cache.path());
    auto item = store->newItem();
    ContactForm form;
    form.given = u"Cy"_s;
    form.family = u"Cole"_s;
    form.fullName = u"Cy Cole"_s;
    form.emails = {{u"work"_s, u"cy@example.org"_s}};
    item->setForm(form);
    item->Save();

    const QString id = item->EntryID();
    QVERIFY2(id.endsWith(u".vcf"_s), qPrintable(id));
    int status = 0;
    QByteArray etag;
    const QByteArray card = m_server.get(book + id, &status, &etag);
    QCOMPARE(status, 200);
    QVERIFY2(card.contains("cy@example.org"), card.constData());
    QVERIFY2(card.contains(QByteArray("UID:" + id.chopped(4).toUtf8())), card.constData());
    QCOMPARE(copyEtag(*store, id), QString::fromUtf8(etag));
    QCOMPARE(fullNames(*store->items()), (QStringList{u"Ann Archer"_s, u"Bob Baker"_s, u"Cy Cole"_s}));
    QCOMPARE(store->itemFromId(id)->Email1Address(), u"cy@example.org"_s);

    // A sync afterwards finds the copy as the server has it: nothing to fetch.
    store->refresh();
    store->waitForRefresh();
    QCOMPARE(store->lastSync().written, 0);
    QCOMPARE(store->lastSync().removed, 0);
}

void TestCardDavWrite::deleteRemovesItAndKeepsACopy()
{
    QTemporaryDir cache;
    const QString book = newBook(m_server);
    auto store = openStore(m_server, book, cache.path());
    const QString id = entryIdOf(*store->items(), u"Bob Baker"_s);
    auto item = store->itemFromId(id);
    const QDir aside(item->deletedFolder());
    const qsizetype keptBefore = aside.entryList(QDir::Files).size();
    item->Delete();

    int status = 0;
    m_server.get(book + id, &status);
    QCOMPARE(status, 404);
    QCOMPARE(fullNames(*store->items()), QStringList{u"Ann Archer"_s});
    QCOMPARE(aside.entryList(QDir::Files).size(), keptBefore + 1);
    QVERIFY_THROWS_EXCEPTION(ItemNotFound, store->itemFromId(id));
}

void TestCardDavWrite::changedOnTheServerMeanwhile_data()
{
    QTest::addColumn<bool>("remove");
    QTest::newRow("a change") << false;
    QTest::newRow("a removal") << true;
}

void TestCardDavWrite::changedOnTheServerMeanwhile()
{
    QFETCH(bool, remove);
    QTemporaryDir cache;
    const QString book = newBook(m_server);
    auto store = openStore(m_server, book, cache.path());
    const QString id = entryIdOf(*store->items(), u"Ann Archer"_s);
    auto item = store->itemFromId(id);
    ContactForm form = item->form();

    // Someone else changes the card on the server; the copy has not seen it.
    QCOMPARE(m_server.put(book + id, test::card(u"ann"_s, u"Ann Theirs"_s)), 201);
    try {
        if (remove) {
            item->Delete();
        } else {
            form.fullName = u"Ann Mine"_s;
            item->setForm(form);
            item->Save();
        }
        QFAIL("written over a change on the server");
    } catch (const ConflictError& e) {
        QVERIFY2(e.description().contains(u"Ann"_s), qPrintable(e.description()));
    }
    int status = 0;
    QVERIFY(m_server.get(book + id, &status).contains("FN:Ann Theirs"));
    // The card now shows the server's state, and the change can be made on it.
    QCOMPARE(item->form().fullName, u"Ann Theirs"_s);
    QVERIFY(fullNames(*store->items()).contains(u"Ann Theirs"_s));
    if (remove) {
        item->Delete();
        m_server.get(book + id, &status);
        QCOMPARE(status, 404);
    } else {
        saveChanged(*item, [](ContactForm& form) { form.fullName = u"Ann Mine"_s; });
        QVERIFY(m_server.get(book + id, &status).contains("FN:Ann Mine"));
    }
}

void TestCardDavWrite::whileTheServerIsStopped_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("edit") << int(Action::Edit);
    QTest::newRow("add") << int(Action::Add);
    QTest::newRow("delete") << int(Action::Delete);
}

void TestCardDavWrite::whileTheServerIsStopped()
{
    QFETCH(int, action);
    QTemporaryDir cache;
    test::RadicaleServer server;
    QVERIFY(server.start());
    const QString book = newBook(server);
    QString id;
    {
        auto store = openStore(server, book, cache.path());
        server.stop();
        std::shared_ptr<ContactItem> item;
        if (Action(action) == Action::Add) {
            item = store->newItem();
            ContactForm form;
            form.fullName = u"Dee Dunn"_s;
            item->setForm(form);
            item->Save();
        } else {
            item = store->itemFromId(entryIdOf(*store->items(), u"Ann Archer"_s));
            if (Action(action) == Action::Delete) {
                item->Delete();
            } else {
                saveChanged(*item, [](ContactForm& form) { form.fullName = u"Ann Offline"_s; });
                // A second change before the server is back: still one change to send.
                saveChanged(*item, [](ContactForm& form) { form.note = u"typed offline"_s; });
            }
        }
        id = item->EntryID();
        QCOMPARE(item->writeNote(), CardDavStore::waitingNote());
        QCOMPARE(store->waitingChanges(), 1);
        QVERIFY2(store->statusNote().contains(u"wait for the address book server"_s), qPrintable(store->statusNote()));
        const QFileInfo queue(store->cacheFolder() + QLatin1Char('/') + PendingChanges::kFile);
        QVERIFY(queue.exists());
        QCOMPARE(int(queue.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther)), 0);
    }

    // The program ends and starts again, the server still stopped: the change is still there.
    auto store = openStore(server, book, cache.path(), std::chrono::milliseconds(200));
    QCOMPARE(store->waitingChanges(), 1);
    const QStringList shown = fullNames(*store->items());
    switch (Action(action)) {
    case Action::Edit:
        QCOMPARE(shown, (QStringList{u"Ann Offline"_s, u"Bob Baker"_s}));
        break;
    case Action::Add:
        QCOMPARE(shown, (QStringList{u"Ann Archer"_s, u"Bob Baker"_s, u"Dee Dunn"_s}));
        break;
    case Action::Delete:
        QCOMPARE(shown, QStringList{u"Bob Baker"_s});
        break;
    }

    // The server is back: the change goes by itself, and the copy follows the server.
    QVERIFY(server.start());
    QTRY_COMPARE_WITH_TIMEOUT(store->waitingChanges(), 0, 60000);
    QVERIFY(!QFileInfo::exists(store->cacheFolder() + QLatin1Char('/') + PendingChanges::kFile));
    int status = 0;
    QByteArray etag;
    const QByteArray card = server.get(book + id, &status, &etag);
    if (Action(action) == Action::Delete) {
        QCOMPARE(status, 404);
    } else {
        QCOMPARE(status, 200);
        QVERIFY2(card.contains(Action(action) == Action::Add ? "FN:Dee Dunn" : "FN:Ann Offline"), card.constData());
        if (Action(action) == Action::Edit) {
            QVERIFY2(card.contains("NOTE:typed offline"), card.constData());
            QVERIFY2(card.contains("X-UNKNOWN;X-P=odd:keep me"), card.constData());
        }
        QCOMPARE(copyEtag(*store, id), QString::fromUtf8(etag));
    }
    QTRY_VERIFY2(!store->statusNote().contains(u"wait"_s), qPrintable(store->statusNote()));
}

void TestCardDavWrite::keptChangeMeetsAServerChange()
{
    QTemporaryDir cache;
    test::RadicaleServer server;
    QVERIFY(server.start());
    const QString book = newBook(server);
    auto store = openStore(server, book, cache.path());
    const QString id = entryIdOf(*store->items(), u"Ann Archer"_s);
    server.stop();
    auto item = store->itemFromId(id);
    saveChanged(*item, [](ContactForm& form) { form.fullName = u"Ann Offline"_s; });
    QCOMPARE(store->waitingChanges(), 1);

    // Back, but another device changed the card first.
    QVERIFY(server.start());
    QCOMPARE(server.put(book + id, test::card(u"ann"_s, u"Ann Elsewhere"_s)), 201);
    store->refresh();
    store->waitForRefresh();

    QCOMPARE(store->waitingChanges(), 0);
    int status = 0;
    QVERIFY(server.get(book + id, &status).contains("FN:Ann Elsewhere")); // not written over
    QCOMPARE(fullNames(*store->items()), (QStringList{u"Ann Elsewhere"_s, u"Bob Baker"_s}));
    // The user's version is kept, and the status line says where.
    const QDir unsent(CardDavStore::unsentFolder());
    const QStringList kept = unsent.entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QFile keptCard(unsent.filePath(kept.first()));
    QVERIFY(keptCard.open(QIODevice::ReadOnly));
    QVERIFY(keptCard.readAll().contains("FN:Ann Offline"));
    QVERIFY2(store->statusNote().contains(QDir::toNativeSeparators(unsent.path())), qPrintable(store->statusNote()));
}

QTEST_GUILESS_MAIN(TestCardDavWrite)
#include "test_carddavwrite.moc"
