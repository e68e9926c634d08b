// The bar follows what the contact card wrote through the path of the address book's own changes:
// the lists, the index of matches and the folder's summary at once; a new contact, or the one the
// box held, is chosen under the name it is filed by now; a deleted one leaves the box. Whether the
// address book takes new contacts at all.

#include "contactclient/books/vdircollections.h"
#include "contactclient/clientapplication.h"
#include "contactclient/desktophooks.h"
#include "contactclient/vcard/summarycache.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "contacts/cardwrites.h"
#include "contacts/contactlookup.h"
#include "fakes/recordingclient.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString& path, const QByteArray& data)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit();
}

QStringList names(const std::vector<ContactSearch::Shown>& rows)
{
    QStringList out;
    for (const ContactSearch::Shown& r : rows)
        out << r.fileAs;
    return out;
}

// What the follower did to the bar.
struct BarLog {
    QStringList calls;
    CardWrites::Bar bar(ContactSession& session)
    {
        return {[this](const QString& name, const QString& id) { calls << u"pick %1 %2"_s.arg(name, id); },
                [this] { calls << u"clear"_s; },
                [this, &session] {
                    calls << u"all"_s;
                    session.selectCategory(QString());
                }};
    }
};

std::shared_ptr<contactclient::Application> folderApplication(std::shared_ptr<contactclient::Store> store)
{
    return std::make_shared<contactclient::ClientApplication>(std::move(store), nullptr, contactclient::noDesktop());
}

} // namespace

class TestCardWrites : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The decisions, on the recording client: id1 "Lee, Ann" (Work), id2 "Cole, Cy"; the box holds
    // id1 or id2; the card wrote id1, or added id3 "Ek, Bo", or deleted id1.
    void follows_data()
    {
        QTest::addColumn<QString>("write");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("renamed in the box")
            << u"rename"_s << u"id1"_s << QString() << QStringList{u"pick Ray, Ann id1"_s}
            << QStringList{u"Cole, Cy"_s, u"Ray, Ann"_s};
        QTest::newRow("renamed, another in the box")
            << u"rename"_s << u"id2"_s << QString() << QStringList{} << QStringList{u"Cole, Cy"_s, u"Ray, Ann"_s};
        QTest::newRow("renamed in the box, its category shown")
            << u"rename"_s << u"id1"_s << u"Work"_s << QStringList{u"pick Ray, Ann id1"_s}
            << QStringList{u"Ray, Ann"_s};
        QTest::newRow("added") << u"add"_s << u"id2"_s << QString() << QStringList{u"pick Ek, Bo id3"_s}
                               << QStringList{u"Cole, Cy"_s, u"Ek, Bo"_s, u"Lee, Ann"_s};
        QTest::newRow("added outside the category shown")
            << u"add"_s << u"id1"_s << u"Work"_s << QStringList{u"all"_s, u"pick Ek, Bo id3"_s}
            << QStringList{u"Cole, Cy"_s, u"Ek, Bo"_s, u"Lee, Ann"_s};
        QTest::newRow("category taken off in the box")
            << u"uncategorise"_s << u"id1"_s << u"Work"_s << QStringList{u"all"_s, u"pick Lee, Ann id1"_s}
            << QStringList{u"Cole, Cy"_s, u"Lee, Ann"_s};
        QTest::newRow("deleted in the box")
            << u"delete"_s << u"id1"_s << QString() << QStringList{u"clear"_s} << QStringList{u"Cole, Cy"_s};
        QTest::newRow("deleted, another in the box")
            << u"delete"_s << u"id2"_s << QString() << QStringList{} << QStringList{u"Cole, Cy"_s};
    }
    void follows()
    {
        QFETCH(QString, write);
        QFETCH(QString, held);
        QFETCH(QString, category);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, listed);
        fake::RecordingClient client;
        client.add(u"Lee, Ann"_s, u"Ann Lee"_s, {}, {u"Work"_s});
        client.add(u"Cole, Cy"_s, u"Cy Cole"_s);
        ContactSession session([&client] { return client.application(); });
        ContactUse use;
        ContactLookup lookup(session, use);
        session.load();
        QVERIFY(session.isLoaded());
        if (!category.isEmpty())
            session.selectCategory(category);
        // The box holds the contact's name (as typed or picked).
        session.resolve(held == u"id1" ? u"Lee, Ann"_s : u"Cole, Cy"_s);
        QCOMPARE(session.currentContact()->EntryID(), held);
        BarLog log;
        CardWrites follow(session, log.bar(session));

        if (write == u"rename") {
            client.contacts[0].fileAs = u"Ray, Ann"_s;
            client.contacts[0].fullName = u"Ann Ray"_s;
            follow.saved(u"id1"_s, u"Ray, Ann"_s, false);
        } else if (write == u"add") {
            client.add(u"Ek, Bo"_s, u"Bo Ek"_s);
            follow.saved(u"id3"_s, u"Ek, Bo"_s, true);
        } else if (write == u"uncategorise") {
            client.contacts[0].categories.clear();
            follow.saved(u"id1"_s, u"Lee, Ann"_s, false);
        } else {
            client.contacts.removeFirst();
            follow.deleted(u"id1"_s);
        }
        QCOMPARE(log.calls, calls);
        // The lists and the index of matches follow at once, without the store's notice.
        QCOMPARE(session.sortedNames(), listed);
        QVERIFY(lookup.isReady());
        QStringList found = names(lookup.find(u"a"_s)) + names(lookup.find(u"b"_s)) + names(lookup.find(u"c"_s));
        found.sort();
        found.removeDuplicates();
        QCOMPARE(found, listed);
        // The box's own contact, when another, is still chosen.
        if (calls.isEmpty()) {
            QVERIFY(session.currentContact());
            QCOMPARE(session.currentContact()->EntryID(), held);
        }
    }

    void takesNewContacts_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<bool>("takes");
        QTest::newRow("vCard folder") << u"folder"_s << true;
        QTest::newRow("read-only vCard folder") << u"read-only"_s << false;
        QTest::newRow("a client without writes") << u"recording"_s << false;
    }
    void takesNewContacts()
    {
        QFETCH(QString, book);
        QFETCH(bool, takes);
        QTemporaryDir dir;
        fake::RecordingClient client;
        client.add(u"Lee, Ann"_s, u"Ann Lee"_s);
        ContactSession session([&]() -> std::shared_ptr<contactclient::Application> {
            if (book == u"recording")
                return client.application();
            auto store = std::make_shared<contactclient::VCardFolderStore>(dir.path(), std::nullopt);
            if (book == u"read-only")
                store->setReadOnly(u"Change it elsewhere."_s);
            return folderApplication(store);
        });
        QVERIFY(!session.takesNewContacts());
        session.load();
        QVERIFY(session.isLoaded());
        QCOMPARE(session.takesNewContacts(), takes);
        // Asking wrote nothing.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    // A vCard folder large enough to keep a summary: an edit, an add and a delete written by the
    // contact client, followed: lists, matches and the summary on disk hold the new state.
    void vcardFolder()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"book"_s);
        QVERIFY(QDir().mkpath(folder));
        contactclient::SummaryCache::setStandardBase(dir.filePath(u"cache"_s));
        for (int i = 0; i < contactclient::SummaryCache::kMinEntries + 10; ++i)
            QVERIFY(writeFile(
                folder + u"/p%1.vcf"_s.arg(i),
                u"BEGIN:VCARD\r\nVERSION:3.0\r\nUID:p%1\r\nFN:Person %1\r\nN:%1;Person;;;\r\nEND:VCARD\r\n"_s.arg(i)
                    .toUtf8()));
        QVERIFY(writeFile(folder + u"/ann.vcf"_s,
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n"));
        auto app = folderApplication(contactclient::createFolderBook(folder));
        ContactSession session([app] { return app; });
        ContactUse use;
        ContactLookup lookup(session, use);
        session.load();
        QVERIFY(session.isLoaded());
        QVERIFY(session.takesNewContacts());
        BarLog log;
        CardWrites follow(session, log.bar(session));
        session.resolve(u"Lee, Ann"_s);
        QVERIFY(session.currentContact());
        const QString annId = session.currentContact()->EntryID();

        // Edited: filed by its new name.
        auto ann = session.nameSpace()->GetItemFromID(annId);
        contactclient::ContactForm form = ann->form();
        form.family = u"Ray"_s;
        form.fullName = u"Ann Ray"_s;
        ann->setForm(form);
        ann->Save();
        follow.saved(ann->EntryID(), ann->FileAs(), false);
        QCOMPARE(log.calls, QStringList{u"pick Ray, Ann %1"_s.arg(annId)});
        QVERIFY(session.sortedNames().contains(u"Ray, Ann"_s));
        QVERIFY(!session.sortedNames().contains(u"Lee, Ann"_s));
        QCOMPARE(names(lookup.find(u"ray"_s)), QStringList{u"Ray, Ann"_s});
        QVERIFY(lookup.find(u"lee"_s).empty());

        // Added: a new file, in the lists and found at once.
        auto bo = app->CreateItem(contactclient::olContactItem);
        bo->setForm(contactclient::formFromText(u"Bo Ek"_s));
        bo->Save();
        QVERIFY(!bo->EntryID().isEmpty());
        log.calls.clear();
        follow.saved(bo->EntryID(), bo->FileAs(), true);
        QCOMPARE(log.calls.size(), 1);
        QVERIFY(log.calls.front().endsWith(bo->EntryID()));
        QCOMPARE(names(lookup.find(u"ek"_s)).size(), 1);

        // The summary on disk holds the new names (written on a thread of its own).
        auto summaryHolds = [&folder](const QString& name) {
            const auto snapshot = contactclient::SummaryCache::standard().load(folder);
            if (!snapshot)
                return false;
            for (qsizetype i = 0; i < snapshot->texts.count(); ++i)
                if (snapshot->texts.view(i) == name)
                    return true;
            return false;
        };
        QTRY_VERIFY(summaryHolds(u"Ann Ray"_s));
        QTRY_VERIFY(summaryHolds(u"Bo Ek"_s));
        QVERIFY(!summaryHolds(u"Ann Lee"_s));

        // Deleted: out of the lists and the matches.
        session.chooseEntry(bo->EntryID());
        const QString boId = bo->EntryID();
        bo->Delete();
        log.calls.clear();
        follow.deleted(boId);
        QCOMPARE(log.calls, QStringList{u"clear"_s});
        QVERIFY(lookup.find(u"ek"_s).empty());
        QCOMPARE(session.contactPlace(boId), qsizetype(-1));
        contactclient::SummaryCache::setStandardBase({});
    }
};

QTEST_GUILESS_MAIN(TestCardWrites)
#include "test_cardwrites.moc"
