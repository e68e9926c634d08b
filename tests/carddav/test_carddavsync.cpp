// The sync engine against a real Radicale: discovery, the first sync, changes on the server,
// servers without sync-collection, broken cards, and a sync stopped half-way.

#include "contactclient/carddav/davhttp.h"
#include "contactclient/carddav/davurl.h"
#include "contactclient/carddav/discovery.h"
#include "contactclient/carddav/syncengine.h"
#include "contactclient/errors.h"
#include "radicaleserver.h"
#include "storetesting.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace contactclient;
using namespace contactclient::carddav;
using namespace Qt::StringLiterals;

namespace {

using testsupport::readFile;

const QString kUser = u"alice"_s;
const QString kPassword = u"s3cret"_s;

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList cardsIn(const QString& folder)
{
    return QDir(folder).entryList({u"*.vcf"_s}, QDir::Files, QDir::Name);
}

QByteArray manyCards(const QString& prefix, int count)
{
    QByteArray all;
    for (int i = 0; i < count; ++i)
        all += test::card(u"%1-%2"_s.arg(prefix).arg(i, 4, 10, QLatin1Char('0')), u"Person %1"_s.arg(i));
    return all;
}

struct StopHere {};

} // namespace

class TestCardDavSync : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void urlPolicy_data();
    void urlPolicy();
    void redirectsStayOnTheServer();
    void namedServersAreNotAsked_data();
    void namedServersAreNotAsked();
    void looksLikeVCard_data();
    void looksLikeVCard();
    void discovery_data();
    void discovery();
    void firstSyncThenChanges_data();
    void firstSyncThenChanges();
    void brokenCardSkippedAndCounted();
    void removedFileIsFetchedAgain_data();
    void removedFileIsFetchedAgain();
    void stoppedHalfWayLeavesWholeCopy();
    void hostileHrefsAreSkipped();
    void cutShortWithoutEnd();

private:
    SyncResult sync(const QUrl& book, VdirCache& cache, SyncOptions options = {})
    {
        DavHttp http({kUser, kPassword}, {book});
        return SyncEngine(http, cache, std::move(options)).run(book);
    }

    test::RadicaleServer m_open;
    test::RadicaleServer m_auth{kUser, kPassword};
};

void TestCardDavSync::initTestCase()
{
    QVERIFY(m_open.start());
    QVERIFY(m_auth.start());
    QCOMPARE(m_open.createAddressBook(u"/shared/contacts/"_s, manyCards(u"s"_s, 3)), 201);
    QCOMPARE(m_auth.createAddressBook(u"/alice/contacts/"_s, manyCards(u"c"_s, 2)), 201);
    QCOMPARE(m_auth.createAddressBook(u"/alice/work/"_s, manyCards(u"w"_s, 2)), 201);
}

void TestCardDavSync::urlPolicy_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("expected"); // empty: refused

    QTest::newRow("bare host means https") << u"dav.example.com"_s << u"https://dav.example.com/"_s;
    QTest::newRow("https with a path") << u"https://dav.example.com/dav/"_s << u"https://dav.example.com/dav/"_s;
    QTest::newRow("user info is dropped") << u"https://bob:pw@dav.example.com/"_s << u"https://dav.example.com/"_s;
    QTest::newRow("http to loopback") << u"http://127.0.0.1:5232"_s << u"http://127.0.0.1:5232/"_s;
    QTest::newRow("http to localhost") << u"http://localhost:5232/"_s << u"http://localhost:5232/"_s;
    QTest::newRow("http to ::1") << u"http://[::1]:5232/"_s << u"http://[::1]:5232/"_s;
    QTest::newRow("http to another machine") << u"http://dav.example.com/"_s << u""_s;
    QTest::newRow("http to a private address") << u"http://192.168.1.2/"_s << u""_s;
    QTest::newRow("another scheme") << u"ftp://dav.example.com/"_s << u""_s;
    QTest::newRow("nothing") << u"  "_s << u""_s;
}

void TestCardDavSync::urlPolicy()
{
    QFETCH(QString, configured);
    QFETCH(QString, expected);
    QUrl url;
    const auto failure = testsupport::failureOf([&] { url = serverUrl(configured); });
    QCOMPARE(url.toString(), expected);
    QCOMPARE(failure.number, expected.isEmpty() ? int(errStoreUnavailable) : 0);
    QCOMPARE(failure.description.isEmpty(), !expected.isEmpty());
}

void TestCardDavSync::redirectsStayOnTheServer()
{
    const QUrl from(u"https://a.example/"_s);
    QVERIFY(isSameServer(from, QUrl(u"https://a.example/dav/"_s)));
    QVERIFY(isSameServer(QUrl(u"http://localhost/"_s), QUrl(u"https://localhost/"_s)));
    QVERIFY(!isSameServer(from, QUrl(u"https://b.example/"_s)));
    QVERIFY(!isSameServer(from, QUrl(u"https://a.example:8443/"_s)));
    QVERIFY(!isSameServer(from, QUrl(u"http://a.example/"_s)));
}

void TestCardDavSync::namedServersAreNotAsked_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("principal on another server") << u"principal"_s;
    QTest::newRow("home set on another server") << u"homeset"_s;
    QTest::newRow("address book on another server") << u"book"_s;
    // A card on another server is left out of an answer that is otherwise kept: hostileHrefsAreSkipped.
}

void TestCardDavSync::namedServersAreNotAsked()
{
    QFETCH(QString, mode);
    test::ScriptServer hostile(u"hostiledav.py"_s, {mode});
    QVERIFY(hostile.start());
    QTemporaryDir dir;
    VdirCache cache(dir.path());
    DavHttp http({kUser, kPassword}, {hostile.url()});
    try {
        const QUrl book = discoverAddressBook(http, hostile.url(), {});
        SyncEngine(http, cache).run(book);
        QFAIL("an address on another server was accepted");
    } catch (const DavError& e) {
        QCOMPARE(e.kind(), DavError::Protocol);
        QVERIFY2(e.message().contains(u"not on that server"_s), qPrintable(e.message()));
    }
    QCOMPARE(hostile.output(), QByteArray()); // the other server was never asked, no password went there
    QCOMPARE(cardsIn(dir.path()), QStringList());
}

void TestCardDavSync::looksLikeVCard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");

    QTest::newRow("whole") << u"BEGIN:VCARD\nVERSION:3.0\nFN:A\nEND:VCARD\n"_s << true;
    QTest::newRow("folded line") << u"BEGIN:VCARD\r\nNOTE:a\r\n  b\r\nEND:VCARD"_s << true;
    QTest::newRow("no end") << u"BEGIN:VCARD\nFN:A\n"_s << false;
    QTest::newRow("line without colon") << u"BEGIN:VCARD\nFN A\nEND:VCARD"_s << false;
    QTest::newRow("empty") << u""_s << false;
    QTest::newRow("html error page") << u"<html>Error</html>"_s << false;
}

void TestCardDavSync::looksLikeVCard()
{
    QFETCH(QString, text);
    QFETCH(bool, whole);
    QCOMPARE(carddav::looksLikeVCard(text), whole);
}

void TestCardDavSync::discovery_data()
{
    QTest::addColumn<bool>("withUser");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("expected"); // path, or "!" + part of the error

    QTest::newRow("anonymous, from the root") << false << u"/"_s << u""_s << u"/shared/contacts/"_s;
    QTest::newRow("user, from the root, chosen book") << true << u"/"_s << u"/alice/work/"_s << u"/alice/work/"_s;
    QTest::newRow("user, from the root, full URL") << true << u"/"_s << u"@/alice/contacts/"_s << u"/alice/contacts/"_s;
    QTest::newRow("user, from the principal") << true << u"/alice/"_s << u"/alice/contacts"_s << u"/alice/contacts/"_s;
    QTest::newRow("address book given") << true << u"/alice/work/"_s << u""_s << u"/alice/work/"_s;
    QTest::newRow("chosen book missing") << true << u"/"_s << u"/alice/none/"_s << u"!is not on the server"_s;
}

void TestCardDavSync::discovery()
{
    QFETCH(bool, withUser);
    QFETCH(QString, start);
    QFETCH(QString, wanted);
    QFETCH(QString, expected);
    test::RadicaleServer& server = withUser ? m_auth : m_open;
    if (wanted.startsWith(QLatin1Char('@')))
        wanted = server.url(wanted.mid(1)).toString();
    DavHttp http(withUser ? DavCredentials{kUser, kPassword} : DavCredentials{}, {server.url()});
    try {
        const QUrl book = discoverAddressBook(http, server.url(start), wanted);
        QCOMPARE(book.path(), expected);
        QCOMPARE(book.port(), server.url().port());
    } catch (const DavError& e) {
        QVERIFY2(expected.startsWith(QLatin1Char('!')), qPrintable(e.message()));
        QVERIFY2(e.message().contains(expected.mid(1)), qPrintable(e.message()));
    }
}

void TestCardDavSync::firstSyncThenChanges_data()
{
    QTest::addColumn<bool>("useSyncCollection");
    QTest::newRow("sync-collection") << true;
    QTest::newRow("ctag and etags") << false;
}

void TestCardDavSync::firstSyncThenChanges()
{
    QFETCH(bool, useSyncCollection);
    const QString bookPath = u"/alice/many-%1/"_s.arg(useSyncCollection ? 1 : 2);
    QCOMPARE(m_auth.createAddressBook(bookPath, manyCards(u"m"_s, 300)), 201);
    const QUrl book = m_auth.url(bookPath);
    QTemporaryDir dir;
    VdirCache cache(dir.path());
    SyncOptions options;
    options.useSyncCollection = useSyncCollection;

    SyncResult first = sync(book, cache, options);
    QCOMPARE(first.written, 300);
    QVERIFY(first.fullListing);
    QCOMPARE(cardsIn(dir.path()).size(), 300);
    QVERIFY(readFile(dir.filePath(u"m-0017.vcf"_s)).contains("FN:Person 17\r\n"));
    cache.load();
    QVERIFY(cache.isComplete());
    QCOMPARE(cache.state().syncToken.isEmpty(), !useSyncCollection);
    QCOMPARE(cache.state().ctag.isEmpty(), useSyncCollection);

    // Changes on the server: one card changed, one added, one deleted.
    QCOMPARE(m_auth.put(bookPath + u"m-0005.vcf"_s, test::card(u"m-0005"_s, u"Renamed Five"_s)), 201);
    QCOMPARE(m_auth.put(bookPath + u"new.vcf"_s, test::card(u"new"_s, u"Newcomer"_s)), 201);
    QCOMPARE(m_auth.remove(bookPath + u"m-0007.vcf"_s), 200);

    const SyncResult second = sync(book, cache, options);
    QCOMPARE(second.written, 2);
    QCOMPARE(second.removed, 1);
    QCOMPARE(second.fullListing, !useSyncCollection);
    const QStringList cards = cardsIn(dir.path());
    QCOMPARE(cards.size(), 300);
    QVERIFY(cards.contains(u"new.vcf"_s));
    QVERIFY(!cards.contains(u"m-0007.vcf"_s));
    QVERIFY(readFile(dir.filePath(u"m-0005.vcf"_s)).contains("FN:Renamed Five\r\n"));

    const SyncResult third = sync(book, cache, options);
    QCOMPARE(third.written, 0);
    QCOMPARE(third.removed, 0);
}

// A card file removed from the copy behind its back (by hand, by a cache cleaner) is fetched
// again at the next sync, though the server has not changed it.
void TestCardDavSync::removedFileIsFetchedAgain_data()
{
    QTest::addColumn<bool>("useSyncCollection");
    QTest::newRow("sync-collection") << true;
    QTest::newRow("ctag and etags") << false;
}

void TestCardDavSync::removedFileIsFetchedAgain()
{
    QFETCH(bool, useSyncCollection);
    const QString bookPath = u"/alice/refetch-%1/"_s.arg(useSyncCollection ? 1 : 2);
    QCOMPARE(m_auth.createAddressBook(bookPath, manyCards(u"r"_s, 3)), 201);
    const QUrl book = m_auth.url(bookPath);
    QTemporaryDir dir;
    VdirCache cache(dir.path());
    SyncOptions options;
    options.useSyncCollection = useSyncCollection;
    QCOMPARE(sync(book, cache, options).written, 3);
    QVERIFY(QFile::remove(dir.filePath(u"r-0001.vcf"_s)));
    const SyncResult again = sync(book, cache, options);
    QCOMPARE(again.written, 1);
    QCOMPARE(cardsIn(dir.path()), (QStringList{u"r-0000.vcf"_s, u"r-0001.vcf"_s, u"r-0002.vcf"_s}));
}

void TestCardDavSync::brokenCardSkippedAndCounted()
{
    QByteArray cards = manyCards(u"b"_s, 3);
    cards += test::card(u"broken"_s, u"Broken Card"_s, {u"NOTE:BREAK-ME"_s});
    QVERIFY(!carddav::looksLikeVCard(QString::fromUtf8(test::card(u"x"_s, u"X"_s, {u"NOTE BREAK-ME"_s}))));
    QCOMPARE(m_open.createAddressBook(u"/shared/broken/"_s, cards), 201);
    test::ScriptServer proxy = test::breakingProxy(m_open.url().port());
    QVERIFY(proxy.start());

    QTemporaryDir dir;
    VdirCache cache(dir.path());
    DavHttp http({}, {proxy.url()});
    const QUrl book = proxy.url(u"/shared/broken/"_s);
    const SyncResult first = SyncEngine(http, cache).run(book);
    QCOMPARE(first.written, 3);
    QCOMPARE(first.broken, 1);
    QCOMPARE(cardsIn(dir.path()), (QStringList{u"b-0000.vcf"_s, u"b-0001.vcf"_s, u"b-0002.vcf"_s}));

    const SyncResult again = SyncEngine(http, cache).run(book);
    QCOMPARE(again.written, 0);
    QCOMPARE(again.broken, 1); // still counted, not fetched again
}

void TestCardDavSync::stoppedHalfWayLeavesWholeCopy()
{
    const QString bookPath = u"/alice/halfway/"_s;
    QCOMPARE(m_auth.createAddressBook(bookPath, manyCards(u"h"_s, 120)), 201);
    const QUrl book = m_auth.url(bookPath);
    QTemporaryDir dir;
    VdirCache cache(dir.path());
    SyncOptions stopping;
    stopping.batchSize = 20;
    stopping.cardWritten = [](int written) {
        if (written == 50)
            throw StopHere{};
    };

    // The first sync stops: whole cards, no index, no token: not a usable copy yet.
    QVERIFY_THROWS_EXCEPTION(StopHere, sync(book, cache, stopping));
    // Beside the cards only the list of those written, so that the next sync knows them as its own.
    QCOMPARE(filesIn(dir.path()), QStringList{VdirCache::kJournalFile} + cardsIn(dir.path()));
    QCOMPARE(cardsIn(dir.path()).size(), 50);
    for (const QString& name : cardsIn(dir.path()))
        QVERIFY2(readFile(dir.filePath(name)).endsWith("END:VCARD\r\n"), qPrintable(name));
    cache.load();
    QVERIFY(!cache.isComplete());

    QCOMPARE(sync(book, cache).written, 120);
    QCOMPARE(cardsIn(dir.path()).size(), 120);
    const QByteArray state = readFile(dir.filePath(VdirCache::kStateFile));

    // A later sync stops half-way: the token stays the old one, and the next sync finishes the job.
    for (int i = 0; i < 30; ++i)
        QCOMPARE(m_auth.put(bookPath + u"h-%1.vcf"_s.arg(i, 4, 10, QLatin1Char('0')),
                            test::card(u"h-%1"_s.arg(i, 4, 10, QLatin1Char('0')), u"Changed %1"_s.arg(i))),
                 201);
    QCOMPARE(m_auth.remove(bookPath + u"h-0100.vcf"_s), 200);
    stopping.cardWritten = [](int written) {
        if (written == 10)
            throw StopHere{};
    };
    QVERIFY_THROWS_EXCEPTION(StopHere, sync(book, cache, stopping));
    QCOMPARE(readFile(dir.filePath(VdirCache::kStateFile)), state);
    QCOMPARE(filesIn(dir.path()).size(), 122); // 120 cards, index, state

    const SyncResult finish = sync(book, cache);
    QVERIFY(finish.written >= 20);
    QCOMPARE(finish.removed, 1);
    QCOMPARE(cardsIn(dir.path()).size(), 119);
    for (int i = 0; i < 30; ++i)
        QVERIFY(readFile(dir.filePath(u"h-%1.vcf"_s.arg(i, 4, 10, QLatin1Char('0'))))
                    .contains(u"FN:Changed %1\r\n"_s.arg(i).toUtf8()));
    QVERIFY(readFile(dir.filePath(VdirCache::kStateFile)) != state);
}

// A listing that holds, beside its good cards, hrefs that lead out of the collection, into a
// sub-folder, to another server, or hold a NUL or an encoded slash: the good cards are kept, the
// others counted as cards that cannot be read, nothing is written outside the copy, and the
// other server is never asked.
void TestCardDavSync::hostileHrefsAreSkipped()
{
    test::ScriptServer hostile(u"hostiledav.py"_s, {u"hrefs"_s});
    QVERIFY(hostile.start());
    QTemporaryDir dir;
    VdirCache cache(dir.path());
    DavHttp http({kUser, kPassword}, {hostile.url()});
    const SyncResult result = SyncEngine(http, cache).run(hostile.url(u"/alice/contacts/"_s));
    QCOMPARE(result.written, 2);
    QCOMPARE(result.broken, 7);
    QCOMPARE(cardsIn(dir.path()), (QStringList{u"a.vcf"_s, u"b.vcf"_s}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(hostile.output(), QByteArray());
}

// A server that answers every sync-collection with "cut short" (507) and a new token is asked a
// few times, then the cards are listed with PROPFIND.
void TestCardDavSync::cutShortWithoutEnd()
{
    test::ScriptServer hostile(u"hostiledav.py"_s, {u"507"_s});
    QVERIFY(hostile.start());
    QTemporaryDir dir;
    VdirCache cache(dir.path());
    DavHttp http({kUser, kPassword}, {hostile.url()});
    const SyncResult result = SyncEngine(http, cache).run(hostile.url(u"/alice/contacts/"_s));
    QCOMPARE(result.written, 1);
    QCOMPARE(cardsIn(dir.path()), QStringList{u"a.vcf"_s});
    const qsizetype asked = hostile.output().count("SYNC");
    QVERIFY2(asked >= 1 && asked <= 5, qPrintable(QString::number(asked)));
}

QTEST_GUILESS_MAIN(TestCardDavSync)
#include "test_carddavsync.moc"
