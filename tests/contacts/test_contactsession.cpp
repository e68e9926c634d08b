// The contact session through its signals, on the recording contact client: loading off the UI
// thread, categories, reloads that re-resolve the chosen contact, and failures.

#include "contacts/contactsession.h"
#include "fakes/manualbackground.h"
#include "fakes/recordingclient.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The signals of one session, in the order they came.
struct Recorder {
    QStringList events;
    explicit Recorder(ContactSession& s)
    {
        QObject::connect(&s, &ContactSession::listsChanged, [this] { events << u"lists"_s; });
        QObject::connect(&s, &ContactSession::currentContactChanged, [this] { events << u"current"_s; });
        QObject::connect(&s, &ContactSession::note, [this](const QString& t, int) { events << u"note: "_s + t; });
        QObject::connect(&s, &ContactSession::loaded, [this] { events << u"loaded"_s; });
        QObject::connect(&s, &ContactSession::loadFailed,
                         [this](int, const QString& d) { events << u"loadFailed: "_s + d; });
        QObject::connect(&s, &ContactSession::failed, [this](int, const QString& d) { events << u"failed: "_s + d; });
    }
};

} // namespace

class TestContactSession : public QObject {
    Q_OBJECT

    fake::RecordingClient client;

private slots:
    void init()
    {
        client = fake::RecordingClient();
        client.add(u"Smith, John"_s, u"John Smith"_s, {{u"Email1Address"_s, u"js@example.com"_s}}, {u"Business"_s});
        client.add(u"Adams, Ann"_s, u"Ann Adams"_s);
        client.add(u"Brown, Bo"_s, u"Bo Brown"_s, {}, {u"business"_s});
    }

    void loadReadsOffTheUiThread()
    {
        fake::ManualBackground background;
        ContactSession session([this] { return client.application(); });
        session.setBackground(background.runner());
        Recorder r(session);

        session.load();
        // Created and asked for its namespace at once; the rest waits for the worker.
        QCOMPARE(client.log, (QStringList{u"create"_s, u"GetNamespace(MAPI)"_s}));
        QVERIFY(session.isLoading());
        QVERIFY(!session.isLoaded());
        QCOMPARE(background.pending(), 1);
        QVERIFY(r.events.isEmpty());

        QVERIFY(background.runNext());
        QCOMPARE(client.logOf({u"Logon"_s, u"GetDefaultFolder"_s, u"Items"_s}),
                 (QStringList{u"Logon"_s, u"GetDefaultFolder(10)"_s, u"Items"_s}));
        QCOMPARE(r.events, (QStringList{u"lists"_s, u"loaded"_s}));
        QVERIFY(!session.isLoading());
        QCOMPARE(session.contactCount(), 3);
        QCOMPARE(session.sortedNames(), (QStringList{u"Adams, Ann"_s, u"Brown, Bo"_s, u"Smith, John"_s}));
        QCOMPARE(session.searchList().count(), 6);
    }

    void loadFailures_data()
    {
        QTest::addColumn<QString>("call");
        for (const char* call : {"create", "GetNamespace", "Logon", "GetDefaultFolder", "Items"})
            QTest::newRow(call) << QString::fromLatin1(call);
    }

    void loadFailures()
    {
        QFETCH(QString, call);
        client.failures.insert(call, u"The address book is on fire."_s);
        fake::ManualBackground background;
        ContactSession session([this] { return client.application(); });
        session.setBackground(background.runner());
        Recorder r(session);
        session.load();
        background.runNext();
        QCOMPARE(r.events, QStringList{u"loadFailed: The address book is on fire."_s});
        QVERIFY(!session.isLoading());
        QVERIFY(!session.isLoaded());
        QCOMPARE(session.contactCount(), 0);
    }

    void goneWhileLoading()
    {
        // The bar closes while the worker reads: the late result reaches nobody.
        fake::ManualBackground background;
        auto session = std::make_unique<ContactSession>([this] { return client.application(); });
        session->setBackground(background.runner());
        session->load();
        session.reset();
        QVERIFY(background.runNext());
    }

    void categoryNarrowsTheLists_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("all") << QString() << QStringList{u"Adams, Ann"_s, u"Brown, Bo"_s, u"Smith, John"_s};
        QTest::newRow("letter case ignored") << u"BUSINESS"_s << QStringList{u"Brown, Bo"_s, u"Smith, John"_s};
        QTest::newRow("nobody") << u"Golf"_s << QStringList{};
    }

    void categoryNarrowsTheLists()
    {
        QFETCH(QString, category);
        QFETCH(QStringList, names);
        ContactSession session([this] { return client.application(); });
        session.load();
        Recorder r(session);
        session.selectCategory(category);
        QCOMPARE(r.events, QStringList{u"lists"_s});
        QCOMPARE(session.sortedNames(), names);
        QCOMPARE(session.category(), category);
        QCOMPARE(session.contactIndex().Exists(u"Ann Adams"_s), category.isEmpty());
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("entryId"); // empty: none
        QTest::newRow("file-as") << u"Smith, John"_s << u"id1"_s;
        QTest::newRow("full name") << u"Ann Adams"_s << u"id2"_s;
        QTest::newRow("exact letter case only") << u"ann adams"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void resolve()
    {
        QFETCH(QString, text);
        QFETCH(QString, entryId);
        ContactSession session([this] { return client.application(); });
        session.load();
        Recorder r(session);
        session.resolve(text);
        QCOMPARE(r.events, QStringList{u"current"_s});
        QCOMPARE(session.currentContact() ? session.currentContact()->EntryID() : QString(), entryId);
    }

    void resolveAContactGoneSinceTheLists()
    {
        ContactSession session([this] { return client.application(); });
        session.load();
        client.contacts.removeFirst();
        Recorder r(session);
        session.resolve(u"John Smith"_s);
        QCOMPARE(r.events, (QStringList{u"note: "_s + ContactSession::noLongerThereMessage(), u"current"_s}));
        QVERIFY(!session.currentContact());
    }

    void reloadReResolvesTheChosenContact_data()
    {
        QTest::addColumn<bool>("removed");
        QTest::newRow("the contact changed its address") << false;
        QTest::newRow("the contact was removed") << true;
    }

    void reloadReResolvesTheChosenContact()
    {
        QFETCH(bool, removed);
        ContactSession session([this] { return client.application(); });
        session.load();
        session.resolve(u"John Smith"_s);
        QCOMPARE(session.currentContact()->Email1Address(), u"js@example.com"_s);

        // The address book changes behind the bar (a server refresh).
        if (removed)
            client.contacts.removeFirst();
        else
            client.contacts.first().properties.insert(u"Email1Address"_s, u"john@new.example"_s);
        Recorder r(session);
        session.reload();
        QCOMPARE(r.events.value(0), u"lists"_s);
        QVERIFY(r.events.contains(u"current"_s));
        if (removed) {
            QVERIFY(!session.currentContact());
            QVERIFY(!session.contactIndex().Exists(u"John Smith"_s));
        } else {
            QCOMPARE(session.currentContact()->Email1Address(), u"john@new.example"_s);
        }
    }

    void reloadKeepsTheCategoryAndLoadingQuiet()
    {
        ContactSession session([this] { return client.application(); });
        session.load();
        session.selectCategory(u"Business"_s);
        client.add(u"Young, Al"_s, u"Al Young"_s, {}, {u"Business"_s});
        bool loadingDuringLists = false;
        connect(&session, &ContactSession::listsChanged, this, [&] { loadingDuringLists = session.isLoading(); });
        session.reload();
        QVERIFY(loadingDuringLists); // the entry box is not disturbed by the new lists
        QVERIFY(!session.isLoading());
        QCOMPARE(session.sortedNames(), (QStringList{u"Brown, Bo"_s, u"Smith, John"_s, u"Young, Al"_s}));
    }
};

QTEST_GUILESS_MAIN(TestContactSession)
#include "test_contactsession.moc"
