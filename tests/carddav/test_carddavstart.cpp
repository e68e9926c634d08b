// A start from the copy of a CardDAV address book as the bar makes it (the contact session loading
// on a worker thread), with the server stopped so that it accepts connections and answers nothing:
// the lists are in from the copy while the sync still waits, and when the server answers, they
// follow what changed on it, and are left alone when nothing did.

#include "contactclient/carddav/carddavstore.h"
#include "contactclient/clientapplication.h"
#include "contactclient/vcard/summarycache.h"
#include "contacts/contactsession.h"
#include "radicaleserver.h"
#include "storetesting.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace contactclient;
using namespace Qt::StringLiterals;

namespace {

using testsupport::onWorkerThread;

const QString kBook = u"/shared/book/"_s;

} // namespace

class TestCardDavStart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("XDG_CACHE_HOME", m_xdgCache.path().toUtf8()); }
    void listsFromTheCopyWhileTheServerIsSilent_data();
    void listsFromTheCopyWhileTheServerIsSilent();
    void nextStartReadsNoCardAfterADownload();

private:
    QTemporaryDir m_xdgCache;
};

void TestCardDavStart::listsFromTheCopyWhileTheServerIsSilent_data()
{
    QTest::addColumn<QString>("change"); // on the server while the bar was closed
    QTest::addColumn<int>("after");      // contacts once the sync has landed

    QTest::newRow("a card added") << u"add"_s << 3;
    QTest::newRow("a card removed") << u"remove"_s << 1;
    QTest::newRow("nothing changed") << u""_s << 2;
}

void TestCardDavStart::listsFromTheCopyWhileTheServerIsSilent()
{
    QFETCH(QString, change);
    QFETCH(int, after);

    test::RadicaleServer server;
    QVERIFY(server.start());
    QCOMPARE(server.createAddressBook(kBook, test::card(u"hal"_s, u"Hal Hill"_s) + test::card(u"ida"_s, u"Ida Ives"_s)),
             201);
    const CardDavAccount account{server.url().toString(), {}, {}};
    QTemporaryDir cache;
    {
        CardDavStore first(account, cache.path());
        first.open(); // no copy yet: waits for the first sync
        QCOMPARE(first.items()->Count(), 2);
    }
    if (change == QLatin1String("add"))
        QCOMPARE(server.put(kBook + u"jo.vcf"_s, test::card(u"jo"_s, u"Jo Jones"_s)), 201);
    else if (change == QLatin1String("remove"))
        QCOMPARE(server.remove(kBook + u"hal.vcf"_s), 200);

    // Stopped, the server still accepts connections (the system does that) but answers nothing.
    const auto pid = pid_t(server.processId());
    QCOMPARE(::kill(pid, SIGSTOP), 0);
    auto resume = qScopeGuard([pid] { ::kill(pid, SIGCONT); });

    auto store = std::make_shared<CardDavStore>(account, cache.path());
    ContactSession session([store] { return std::make_shared<ClientApplication>(store, nullptr, noDesktop()); });
    session.setBackground(onWorkerThread);
    QSignalSpy lists(&session, &ContactSession::listsChanged);
    session.load();
    QTRY_VERIFY_WITH_TIMEOUT(session.isLoaded() && !session.isLoading(), 30000);
    QVERIFY2(store->isRefreshing(), "the start waited for the server");
    QCOMPARE(session.contactCount(), 2);
    QCOMPARE(session.storeNote(), QString()); // nothing has gone wrong
    QCOMPARE(lists.count(), 1);

    resume.dismiss();
    QCOMPARE(::kill(pid, SIGCONT), 0);
    if (change.isEmpty()) {
        store->waitForRefresh();
        QCoreApplication::processEvents();
        QCOMPARE(lists.count(), 1); // a sync that changed nothing reloads nothing
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(lists.count(), 2, 60000);
    }
    QCOMPARE(session.contactCount(), after);
    QCOMPARE(session.storeNote(), QString());
}

void TestCardDavStart::nextStartReadsNoCardAfterADownload()
{
    // Cards are trusted from the copy's summary only when they were written a clock margin before
    // the read that recorded them: the bar reads the copy once more when the cards of a download
    // have settled, so that the next start takes every one of them from the summary.
    test::RadicaleServer server;
    QVERIFY(server.start());
    QByteArray cards;
    for (int i = 0; i < 300; ++i)
        cards += test::card(u"c%1"_s.arg(i), u"Contact %1"_s.arg(i));
    QCOMPARE(server.createAddressBook(kBook, cards), 201);
    QTemporaryDir cache;
    CardDavStore store(CardDavAccount{server.url().toString(), {}, {}}, cache.path());
    store.open();
    QCOMPARE(store.items()->Count(), 300);
    store.waitForSettling();

    const QString copy = store.copyFolder();
    const auto summary = SummaryCache::standard().load(copy);
    QVERIFY(summary);
    ReadStats stats;
    readFolder(copy, summary, &stats);
    QVERIFY2(stats.unchanged, qPrintable(u"%1 files read again"_s.arg(stats.filesRead)));
}

QTEST_GUILESS_MAIN(TestCardDavStart)
#include "test_carddavstart.moc"
