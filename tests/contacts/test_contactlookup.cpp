// Finding contacts for the bar over the session's lists: the index follows every change of the
// lists (built off the UI thread), a vCard folder's fields arrive with its lists, a number changed
// on disk is found by its new digits after the reload, and use puts a contact first.

#include "contactclient/books/vdircollections.h"
#include "contactclient/clientapplication.h"
#include "contactclient/desktophooks.h"
#include "contactclient/searchfields.h"
#include "contactclient/vcard/summarycache.h"
#include "contacts/contactlookup.h"
#include "fakes/manualbackground.h"
#include "fakes/recordingclient.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using Kind = contactclient::searchfields::Kind;

namespace {

QStringList names(const std::vector<ContactSearch::Shown>& rows)
{
    QStringList out;
    for (const ContactSearch::Shown& r : rows)
        out << r.fileAs + (r.value.isEmpty() ? QString() : u" ("_s + r.value + u")"_s);
    return out;
}

// Rows as the list shows them: the name, the field that matched and its marked part.
QStringList shown(const std::vector<ContactSearch::Shown>& rows)
{
    QStringList out;
    for (const ContactSearch::Shown& r : rows)
        out << u"%1|%2|%3|%4+%5|%6"_s.arg(r.fileAs, r.entryId, r.value)
                   .arg(r.markStart)
                   .arg(r.markLength)
                   .arg(r.detailed);
    return out;
}

QString fields(std::initializer_list<std::pair<Kind, const char*>> list)
{
    contactclient::searchfields::Builder b;
    for (const auto& [kind, value] : list)
        b.add(kind, QString::fromUtf8(value));
    return b.text();
}

// Written as sync tools write a card: beside it, then renamed over it.
bool writeFile(const QString& path, const QByteArray& data)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit();
}

} // namespace

class TestContactLookup : public QObject {
    Q_OBJECT

    fake::RecordingClient client;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        client = fake::RecordingClient();
        const QString mueller = fields({{Kind::Email, "j.mueller@acme.de"}, {Kind::Phone, "+49 171 2345678"}});
        client.add(u"Müller, Jürgen"_s, u"Jürgen Müller"_s, {}, {u"Work"_s}).searchFields = mueller;
        const QString adams = fields({{Kind::Email, "ann@acme.de"}});
        client.add(u"Adams, Ann"_s, u"Ann Adams"_s).searchFields = adams;
        client.add(u"Brown, Bo"_s, u"Bo Brown"_s, {}, {u"Work"_s});
    }

    void find_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("accent-free") << u"mu"_s << QString() << QStringList{u"Müller, Jürgen"_s};
        QTest::newRow("e-mail domain, alphabetical")
            << u"acme"_s << QString()
            << QStringList{u"Adams, Ann (ann@acme.de)"_s, u"Müller, Jürgen (j.mueller@acme.de)"_s};
        QTest::newRow("the completion's contact first")
            << u"acme"_s << u"Müller, Jürgen"_s
            << QStringList{u"Müller, Jürgen (j.mueller@acme.de)"_s, u"Adams, Ann (ann@acme.de)"_s};
        QTest::newRow("a number") << u"0171 234"_s << QString() << QStringList{u"Müller, Jürgen (+49 171 2345678)"_s};
        QTest::newRow("nothing") << u"zz"_s << QString() << QStringList{};
    }
    void find()
    {
        QFETCH(QString, query);
        QFETCH(QString, completed);
        QFETCH(QStringList, found);
        ContactSession session([this] { return client.application(); });
        ContactUse use;
        ContactLookup lookup(session, use);
        session.load();
        QVERIFY(lookup.isReady());
        const std::vector<ContactSearch::Shown> rows = lookup.find(query, completed);
        QCOMPARE(names(rows), found);

        // Rows out of sight come without their details; filled in later they are the same rows.
        std::vector<ContactSearch::Shown> later = lookup.find(query, completed, 1);
        QCOMPARE(later.size(), rows.size());
        for (size_t r = 1; r < later.size(); ++r)
            QVERIFY(!later[r].detailed && later[r].fileAs.isEmpty());
        const auto detail = lookup.detailer(query);
        for (ContactSearch::Shown& row : later)
            detail(row);
        QCOMPARE(shown(later), shown(rows));
    }

    void builtOffTheUiThreadAndFollowsTheCategory()
    {
        fake::ManualBackground background;
        ContactSession session([this] { return client.application(); });
        session.setBackground(background.runner());
        ContactUse use;
        ContactLookup lookup(session, use);
        lookup.setBackground(background.runner());
        QSignalSpy ready(&lookup, &ContactLookup::ready);
        session.load();
        QVERIFY(background.runNext()); // the lists
        QVERIFY(!lookup.isReady());
        QVERIFY(lookup.find(u"ann"_s).empty());
        QVERIFY(background.runNext()); // the index
        QVERIFY(lookup.isReady());
        QCOMPARE(ready.count(), 1);
        QCOMPARE(names(lookup.find(u"a"_s)), (QStringList{u"Adams, Ann"_s, u"Müller, Jürgen (j.mueller@acme.de)"_s}));

        session.selectCategory(u"Work"_s);
        QVERIFY(!lookup.isReady());
        QVERIFY(background.runNext());
        QCOMPARE(names(lookup.find(u"a"_s)), (QStringList{u"Müller, Jürgen (j.mueller@acme.de)"_s}));
    }

    void useComesBeforeTheAlphabet()
    {
        QTemporaryDir dir;
        ContactSession session([this] { return client.application(); });
        ContactUse use(dir.filePath(u"contact-use"_s));
        ContactLookup lookup(session, use);
        qint64 now = 1'700'000'000;
        lookup.setClock([&now] { return now; });
        session.load();
        QCOMPARE(names(lookup.find(u"acme"_s)).first(), u"Adams, Ann (ann@acme.de)"_s);
        lookup.recordUse(client.contacts[0].entryId);
        QCOMPARE(names(lookup.find(u"acme"_s)).first(), u"Müller, Jürgen (j.mueller@acme.de)"_s);
        // A name matched still comes before a field matched, however often the other was used.
        QCOMPARE(names(lookup.find(u"a"_s)).first(), u"Adams, Ann"_s);
        // Recent contacts: the last used first.
        now += 60;
        lookup.recordUse(client.contacts[2].entryId);
        QCOMPARE(names(lookup.recent(10)), (QStringList{u"Brown, Bo"_s, u"Müller, Jürgen"_s}));
        lookup.clearUse();
        QVERIFY(lookup.recent(10).empty());
        QCOMPARE(names(lookup.find(u"acme"_s)).first(), u"Adams, Ann (ann@acme.de)"_s);
    }

    // A vCard folder: the fields come with the lists, and after the number changed on disk and
    // the lists were reloaded, the new digits find the contact and the old ones no longer do.
    void vcardFolderFieldsAndLiveUpdate()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"book"_s);
        QVERIFY(QDir().mkpath(folder));
        contactclient::SummaryCache::setStandardBase(dir.filePath(u"cache"_s));
        const QByteArray before = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Łukasz Kowalski\r\nN:Kowalski;Łukasz;;;\r\n"
                                  "TEL;TYPE=cell:+48 601 111 222\r\nEMAIL:lukasz@poczta.pl\r\n"
                                  "ADR:;;ul. Długa 1;Gdańsk;;80-001;PL\r\nEND:VCARD\r\n";
        QVERIFY(writeFile(folder + u"/a.vcf"_s, before));
        QVERIFY(writeFile(folder + u"/b.vcf"_s, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nEND:VCARD\r\n"));
        ContactSession session([folder] {
            return std::make_shared<contactclient::ClientApplication>(contactclient::createFolderBook(folder), nullptr,
                                                                      contactclient::noDesktop());
        });
        ContactUse use;
        ContactLookup lookup(session, use);
        session.load();
        QVERIFY(session.isLoaded());
        QCOMPARE(names(lookup.find(u"lukasz kowal"_s)), (QStringList{u"Kowalski, Łukasz"_s}));
        QCOMPARE(names(lookup.find(u"gdansk"_s)), (QStringList{u"Kowalski, Łukasz (Gdańsk)"_s}));
        QCOMPARE(names(lookup.find(u"601 111"_s)), (QStringList{u"Kowalski, Łukasz (+48 601 111 222)"_s}));
        std::vector<ContactSearch::Shown> outOfSight = lookup.find(u"601 111"_s, {}, 0);
        const auto detailOld = lookup.detailer(u"601 111"_s);

        QByteArray after = before;
        after.replace("+48 601 111 222", "+48 602 999 888");
        QTest::qWait(20); // another change time
        QVERIFY(writeFile(folder + u"/a.vcf"_s, after));
        session.reload();
        QCOMPARE(names(lookup.find(u"602 999"_s)), (QStringList{u"Kowalski, Łukasz (+48 602 999 888)"_s}));
        QVERIFY(lookup.find(u"601 111"_s).empty());
        // A row found before the change is filled in from the lists it was found in.
        detailOld(outOfSight.front());
        QCOMPARE(names(outOfSight), (QStringList{u"Kowalski, Łukasz (+48 601 111 222)"_s}));
        QCOMPARE(outOfSight.front().markLength, 7);
        contactclient::SummaryCache::setStandardBase({});
    }

    // A category of an address book whose changes are followed is found in the index of all its
    // contacts, limited to the category's: no index is built for it, nor again for all contacts.
    void categoryOfAnIndexedFolderNeedsNoNewIndex()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"book"_s);
        QVERIFY(QDir().mkpath(folder));
        contactclient::SummaryCache::setStandardBase(dir.filePath(u"cache"_s));
        const auto card = [](const char* given, const char* family, const char* categories) -> QByteArray {
            QByteArray c = QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:") + given + ' ' + family + "\r\nN:" + family +
                           ';' + given + ";;;\r\nEMAIL:x@" + family + ".org\r\n";
            if (*categories)
                c += QByteArray("CATEGORIES:") + categories + "\r\n";
            return c + "END:VCARD\r\n";
        };
        QVERIFY(writeFile(folder + u"/a.vcf"_s, card("Ann", "Lee", "Work")));
        QVERIFY(writeFile(folder + u"/b.vcf"_s, card("Anna", "Berg", "")));
        QVERIFY(writeFile(folder + u"/c.vcf"_s, card("Bo", "Brown", "Work,Golf")));
        ContactSession session([folder] {
            return std::make_shared<contactclient::ClientApplication>(contactclient::createFolderBook(folder), nullptr,
                                                                      contactclient::noDesktop());
        });
        fake::ManualBackground background;
        ContactUse use;
        ContactLookup lookup(session, use);
        lookup.setBackground(background.runner());
        session.load();
        QVERIFY(background.runNext());
        const QStringList everybody{u"Berg, Anna"_s, u"Lee, Ann"_s};
        QCOMPARE(names(lookup.find(u"an"_s)), everybody);
        for (const ContactSearch::Shown& row : lookup.find(u"org"_s))
            lookup.recordUse(row.entryId);

        session.selectCategory(u"Work"_s);
        QVERIFY(lookup.isReady());
        QCOMPARE(background.pending(), 0);
        QCOMPARE(names(lookup.find(u"an"_s)), QStringList{u"Lee, Ann"_s});
        QCOMPARE(names(lookup.find(u"org"_s)), (QStringList{u"Brown, Bo (x@Brown.org)"_s, u"Lee, Ann (x@Lee.org)"_s}));
        QCOMPARE(names(lookup.find(u"b"_s, u"Brown, Bo"_s)), (QStringList{u"Brown, Bo"_s}));
        QCOMPARE(names(lookup.recent(10)).size(), 2);
        QVERIFY(!names(lookup.recent(10)).contains(u"Berg, Anna"_s));

        session.selectCategory(QString());
        QVERIFY(lookup.isReady());
        QCOMPARE(background.pending(), 0);
        QCOMPARE(names(lookup.find(u"an"_s)), everybody);
        QCOMPARE(names(lookup.recent(10)).size(), 3);

        // Changed on disk: new lists, a new index.
        QTest::qWait(20);
        QVERIFY(writeFile(folder + u"/b.vcf"_s, card("Anna", "Bergmann", "")));
        session.reload();
        QVERIFY(!lookup.isReady());
        QVERIFY(background.runNext());
        QCOMPARE(names(lookup.find(u"an"_s)), (QStringList{u"Bergmann, Anna"_s, u"Lee, Ann"_s}));
        contactclient::SummaryCache::setStandardBase({});
    }
};

QTEST_GUILESS_MAIN(TestContactLookup)
#include "test_contactlookup.moc"
