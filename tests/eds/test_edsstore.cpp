// The desktop's address book back-end against a real evolution-data-server on a private bus:
// what the bar lists, types and shows, several books, changes while it runs, and failures.

#include "edsfixture.h"
#include "lockedserver.h"

#include "contactclient/clientapplication.h"
#include "contactclient/eds/edsstore.h"
#include "contactclient/storenotifier.h"
#include "contacts/contactsession.h"
#include "storetesting.h"
#include "support/contactproperty.h"
#include "toolrun.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <map>

using namespace contactclient;
using namespace Qt::StringLiterals;
using edstesting::openStore;

namespace {

// The listed item with this identifier: type, file-as and full name; empty when it is not listed.
QStringList listed(ItemSet& items, const QString& entryId)
{
    QStringList found;
    items.forEach([&](const Item& item) {
        if (item.EntryID() == entryId)
            found = QStringList{item.TypeName(), item.FileAs(), item.FullName()};
    });
    return found;
}

ContactSession::ClientFactory clientOf(std::shared_ptr<Store> store)
{
    return [store] { return std::make_shared<ClientApplication>(store, nullptr, noDesktop()); };
}

QString quintelContacts()
{
    return QStringLiteral(QUINTEL_BUILD_DIR "/tools/quintel-contacts");
}

} // namespace

class TestEdsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_eds.start();
        m_store = openStore();
    }

    void cleanupTestCase()
    {
        m_store.reset();
        m_eds.stop();
    }

    void testProperty_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* tag, const char* lines, const char* property, const QString& expected) {
            QTest::newRow(tag) << QString::fromUtf8(lines) << QString::fromLatin1(property) << expected;
        };
        row("contact", "FN:Ann Lee\nN:Lee;Ann;;;", "TypeName", u"ContactItem"_s);
        row("contact list", "FN:Golf Team\nX-EVOLUTION-LIST:TRUE", "TypeName", u"DistListItem"_s);
        row("file-as kept", "FN:Sam Ok\nN:Ok;Sam;;;\nX-EVOLUTION-FILE-AS:Plumber", "FileAs", u"Plumber"_s);
        row("family, given", "FN:Jürgen Müller\nN:Müller;Jürgen;;;", "FileAs", u"Müller, Jürgen"_s);
        row("given only", "FN:Cher\nN:;Cher;;;", "FileAs", u"Cher"_s);
        row("full name non-ASCII", "FN:Zoë Ærøskøbing 李 🎉\nN:Ærøskøbing;Zoë;;;", "FullName", u"Zoë Ærøskøbing 李 🎉"_s);
        row("preferred e-mail first", "FN:Mia Mail\nEMAIL;TYPE=WORK:w@example.com\nEMAIL;TYPE=HOME,PREF:h@example.com",
            "Email1Address", u"h@example.com"_s);
        row("then file order", "FN:Mia Mail\nEMAIL;TYPE=WORK:w@example.com\nEMAIL;TYPE=HOME,PREF:h@example.com",
            "Email2Address", u"w@example.com"_s);
        row("third of four", "FN:Four Mails\nEMAIL:a@x.org\nEMAIL:b@x.org\nEMAIL:c@x.org\nEMAIL:d@x.org",
            "Email3Address", u"c@x.org"_s);
        row("display name quoted", "FN:Smith\\, John\nN:Smith;John;;;\nEMAIL:js@example.com", "Email1DisplayName",
            u"\"Smith, John\" <js@example.com>"_s);
        row("mobile", "FN:Phil Phone\nTEL;TYPE=CELL:+44 7700 900123", "MobileTelephoneNumber", u"+44 7700 900123"_s);
        row("business 2", "FN:Phil Phone\nTEL;TYPE=WORK,VOICE:111\nTEL;TYPE=WORK,FAX:999\nTEL;TYPE=WORK,VOICE:222",
            "Business2TelephoneNumber", u"222"_s);
        row("home", "FN:Phil Phone\nTEL;TYPE=HOME,VOICE:333\nTEL;TYPE=HOME,VOICE:444", "Home2TelephoneNumber",
            u"444"_s);
        row("home address", "FN:Addy\nADR;TYPE=HOME:;;1 Main St;Springfield;IL;62701;USA", "HomeAddress",
            u"1 Main St\nSpringfield IL 62701\nUSA"_s);
        row("work address non-ASCII", "FN:Addy\nADR;TYPE=WORK:;;Königstraße 5;Köln;;50667;Deutschland",
            "BusinessAddress", u"Königstraße 5\nKöln 50667\nDeutschland"_s);
        row("mailing: the preferred", "FN:Addy\nADR;TYPE=HOME:;;1 A St;;;;\nADR;TYPE=WORK,PREF:;;2 B St;;;;",
            "MailingAddress", u"2 B St"_s);
        row("categories", "FN:Cat\nCATEGORIES:Work,Golf Club,Ünïcode", "Categories", u"Work|Golf Club|Ünïcode"_s);
        row("nothing but a name", "FN:Bare", "Email1Address", QString());
    }
    void testProperty()
    {
        QFETCH(QString, lines);
        QFETCH(QString, property);
        QFETCH(QString, expected);
        const QString uid = m_eds.add(TestBooks::personal(), lines);
        const QString id = TestBooks::personal() + QLatin1Char('/') + uid;

        const std::shared_ptr<ContactItem> contact = m_store->itemFromId(id);
        QCOMPARE(testsupport::contactProperty(*contact, property), expected);
        QCOMPARE(contact->EntryID(), id);
        // The lists show what the contact shows.
        const QStringList item = listed(*m_store->items(), id);
        QCOMPARE(item, (QStringList{contact->TypeName(), contact->FileAs(), contact->FullName()}));
    }

    // Two books with a contact of the same name: the first book in order owns the name.
    void testSharedName_data()
    {
        QTest::addColumn<QString>("books");
        QTest::addColumn<bool>("personalFirst");
        QTest::newRow("all: the default book first") << QString() << true;
        QTest::newRow("chosen order") << u"Work;Personal"_s << false;
        QTest::newRow("by UID") << u"quintel-test-work; system-address-book"_s << false;
    }
    void testSharedName()
    {
        QFETCH(QString, books);
        QFETCH(bool, personalFirst);
        if (m_sharedPersonal.isEmpty()) {
            m_sharedPersonal = m_eds.add(TestBooks::personal(), u"FN:Shared Näme\nN:Näme;Shared;;;"_s);
            m_sharedWork = m_eds.add(m_eds.work, u"FN:Shared Näme\nN:Näme;Shared;;;"_s);
        }
        ContactSession session(clientOf(openStore(books)));
        session.load();
        QVERIFY(session.isLoaded());
        const QString owner = personalFirst ? TestBooks::personal() + QLatin1Char('/') + m_sharedPersonal
                                            : m_eds.work + QLatin1Char('/') + m_sharedWork;
        QCOMPARE(session.contactIndex().Item(u"Näme, Shared"_s), owner);
        // Typing the start of the name, in any letter case, finds it.
        const qsizetype at = session.searchList().findString(u"NÄME, s"_s);
        QVERIFY(at >= 0);
        QCOMPARE(session.searchList().at(at), u"Näme, Shared"_s);
        session.resolve(u"Näme, Shared"_s);
        QVERIFY(session.currentContact());
        QCOMPARE(session.currentContact()->EntryID(), owner);
    }

    void testRestrict_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("kept");
        QTest::newRow("same case") << u"[Categories] = \"Bowls\""_s << true;
        QTest::newRow("other case") << u"[Categories] = \"bOWLS\""_s << true;
        QTest::newRow("non-ASCII, other case") << u"[Categories] = \"ÉQUIPE\""_s << true;
        QTest::newRow("doubled quote") << u"[Categories] = \"Say \"\"Hi\"\"\""_s << true;
        QTest::newRow("other category") << u"[Categories] = \"Bowl\""_s << false;
    }
    void testRestrict()
    {
        QFETCH(QString, filter);
        QFETCH(bool, kept);
        if (m_categorised.isEmpty()) {
            m_categorised = TestBooks::personal() + QLatin1Char('/') +
                            m_eds.add(TestBooks::personal(), u"FN:Cat Egory\nCATEGORIES:Bowls,équipe,Say \"Hi\""_s);
        }
        const std::shared_ptr<ItemSet> restricted = m_store->items()->Restrict(filter);
        QCOMPARE(!listed(*restricted, m_categorised).isEmpty(), kept);
    }

    void testNotThere_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("unknown contact") << TestBooks::personal() + u"/no-such-contact"_s;
        QTest::newRow("unknown book") << u"no-such-book/pas-id-1"_s;
        QTest::newRow("not an identifier of this store") << u"ann.vcf"_s;
        QTest::newRow("empty") << QString();
    }
    void testNotThere()
    {
        QFETCH(QString, id);
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, m_store->itemFromId(id));
    }

    // Changes made by another program while the bar runs reach the lists; the chosen contact is
    // found again, and is none once it is gone.
    void testLiveChanges_data()
    {
        QTest::addColumn<bool>("worker");
        QTest::newRow("read on the UI thread") << false;
        QTest::newRow("read on a worker, as the bar does") << true;
    }
    void testLiveChanges()
    {
        QFETCH(bool, worker);
        auto store = openStore();
        ContactSession session(clientOf(store));
        if (worker)
            session.setBackground(testsupport::onWorkerThread); // as the bar reads
        session.load();
        QTRY_VERIFY_WITH_TIMEOUT(session.isLoaded(), 20000);
        QSignalSpy changed(store->notifier(), &StoreNotifier::changed);

        const QString uid = m_eds.add(m_eds.work, u"FN:Live Added\nN:Added;Live;;;"_s);
        QTRY_VERIFY_WITH_TIMEOUT(session.contactIndex().Exists(u"Added, Live"_s), 20000);
        session.resolve(u"Added, Live"_s);
        QVERIFY(session.currentContact());

        m_eds.modify(m_eds.work, uid, u"FN:Live Added\nN:Added;Live;;;\nEMAIL:live@example.com"_s);
        QTRY_VERIFY_WITH_TIMEOUT(session.currentContact() &&
                                     session.currentContact()->Email1Address() == QLatin1String("live@example.com"),
                                 20000);

        m_eds.modify(m_eds.work, uid, u"FN:Live Renamed\nN:Renamed;Live;;;"_s);
        QTRY_VERIFY_WITH_TIMEOUT(session.contactIndex().Exists(u"Renamed, Live"_s) &&
                                     !session.contactIndex().Exists(u"Added, Live"_s),
                                 20000);

        session.resolve(u"Renamed, Live"_s);
        QVERIFY(session.currentContact());
        m_eds.books->remove(m_eds.work, uid);
        m_eds.check();
        QTRY_VERIFY_WITH_TIMEOUT(!session.contactIndex().Exists(u"Renamed, Live"_s), 20000);
        QVERIFY(!session.currentContact());
        QVERIFY(changed.count() >= 3);
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, store->itemFromId(m_eds.work + QLatin1Char('/') + uid));
    }

    void testChosenBooks_data()
    {
        QTest::addColumn<QString>("books");
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<QString>("note");
        QTest::newRow("one book") << u"work"_s << QStringList{u"quintel-test-work Work"_s} << QString();
        QTest::newRow("an unknown name is noted") << u"Nope;Work"_s << QStringList{u"quintel-test-work Work"_s}
                                                  << u"The desktop has no address book \"Nope\"."_s;
        QTest::newRow("nothing readable")
            << u"Nope"_s << QStringList{} << u"The desktop has no address book \"Nope\"."_s;
    }
    void testChosenBooks()
    {
        QFETCH(QString, books);
        QFETCH(QStringList, open);
        QFETCH(QString, note);
        EdsStore store({books, std::chrono::seconds(20), std::chrono::milliseconds(50)});
        if (open.isEmpty()) {
            try {
                store.open();
                QFAIL("open() succeeded");
            } catch (const AutomationError& e) {
                QCOMPARE(e.number(), int(errStoreUnavailable));
                QVERIFY2(e.description().contains(note), qPrintable(e.description()));
            }
            return;
        }
        store.open();
        QCOMPARE(store.openBooks(), open);
        QCOMPARE(store.statusNote(), note);
    }

    // A book whose back-end cannot be started is skipped with a note; the others are read.
    void testBrokenBookSkipped()
    {
        m_eds.books->createBook(u"quintel-test-broken"_s, u"Broken"_s, u"no-such-backend"_s);
        m_eds.check();
        auto store = openStore(u"Broken;Personal"_s);
        QCOMPARE(store->openBooks(), QStringList{u"system-address-book Personal"_s});
        QVERIFY2(store->statusNote().startsWith(QLatin1String("The address book \"Broken\" was skipped: ")),
                 qPrintable(store->statusNote()));
        QVERIFY(store->items()->Count() > 0);
    }

    // A book on a server that wants a password the desktop has not unlocked: nothing waits on it,
    // the bar is told when its server asks, and from then on it is skipped with a note while the
    // other books are listed.
    void testLockedBookSkippedWithANote_data()
    {
        QTest::addColumn<bool>("worker");
        QTest::newRow("read on the UI thread") << false;
        QTest::newRow("read on a worker, as the bar does") << true;
    }
    void testLockedBookSkippedWithANote()
    {
        QFETCH(bool, worker);
        LockedServer server;
        QVERIFY(server.isListening());
        m_eds.books->createServerBook(u"quintel-test-locked"_s, u"Locked"_s, server.url(), u"someone"_s);
        const QString uid = m_eds.add(m_eds.work, u"FN:Una Locke\nN:Locke;Una;;;"_s);

        // Opened by the session only, on the thread it reads on.
        auto store = std::make_shared<EdsStore>(
            EdsStore::Options{u"Work;Locked"_s, std::chrono::seconds(20), std::chrono::milliseconds(50)});
        ContactSession session(clientOf(store));
        if (worker)
            session.setBackground(testsupport::onWorkerThread); // as the bar reads
        QSignalSpy notes(&session, &ContactSession::note);
        QSignalSpy failures(&session, &ContactSession::failed);
        session.load();
        QTRY_VERIFY_WITH_TIMEOUT(session.isLoaded(), 20000);
        QCOMPARE(store->openBooks(), QStringList({u"quintel-test-work Work"_s, u"quintel-test-locked Locked"_s}));
        const QString note = QStringLiteral(
            "The address book \"Locked\" was skipped: it needs a password that the desktop has not unlocked.");
        QTRY_VERIFY_WITH_TIMEOUT(
            std::any_of(notes.cbegin(), notes.cend(), [&](const QList<QVariant>& n) { return n[0] == note; }), 20000);
        QVERIFY(server.requests() > 0);
        QCOMPARE(store->statusNote(), note);
        QVERIFY(session.contactIndex().Exists(u"Locke, Una"_s));
        QCOMPARE(failures.count(), 0);

        m_eds.books->remove(m_eds.work, uid);
        m_eds.books->removeBook(u"quintel-test-locked"_s);
        m_eds.check();
    }

    void testTool_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("one book") << QStringList{u"--backend"_s, u"eds"_s, u"--book"_s, u"Work"_s} << 0
                                  << u"FileAs: Näme, Shared"_s;
        QTest::newRow("book list") << QStringList{u"--backend"_s, u"eds"_s, u"--list-books"_s} << 0
                                   << u"Work\tquintel-test-work\t"_s;
        QTest::newRow("unknown book") << QStringList{u"--backend"_s, u"eds"_s, u"--book"_s, u"Nope"_s} << 2
                                      << QString();
    }
    void testTool()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const auto run = testsupport::runTool(quintelContacts(), arguments, m_eds.sandbox->environment());
        QVERIFY2(run.status == exitCode, qPrintable(run.err));
        QVERIFY2(run.out.contains(output), qPrintable(run.out));
    }

    // No desktop address book on the bus, or a registry that never answers: a clear message,
    // within the wait.
    void testNoRegistry_data()
    {
        QTest::addColumn<int>("services");
        QTest::addColumn<QString>("message");
        QTest::newRow("not installed") << int(EdsSandbox::Services::None)
                                       << QStringLiteral("The desktop's address book (evolution-data-server) is not "
                                                         "available");
        QTest::newRow("not answering") << int(EdsSandbox::Services::Hanging)
                                       << u"The desktop's address book did not answer within 1 second."_s;
    }
    void testNoRegistry()
    {
        QFETCH(int, services);
        QFETCH(QString, message);
        EdsSandbox other(static_cast<EdsSandbox::Services>(services));
        QVERIFY2(other.start(), qPrintable(other.error()));
        const auto run = testsupport::runTool(quintelContacts(), {u"--backend"_s, u"eds"_s, u"--wait"_s, u"1"_s},
                                              other.environment());
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

private:
    edstesting::Fixture m_eds;
    std::shared_ptr<EdsStore> m_store;
    QString m_sharedPersonal;
    QString m_sharedWork;
    QString m_categorised;
};

QTEST_GUILESS_MAIN(TestEdsStore)
#include "test_edsstore.moc"
