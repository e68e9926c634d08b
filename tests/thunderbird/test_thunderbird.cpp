// The Thunderbird back-end on databases with the schema Thunderbird writes (cards, properties,
// lists, list_cards): the current "_vCard" form and the older name/value form, mailing lists,
// profiles.ini, and reading while Thunderbird holds a write transaction in WAL mode.

#include "contactclient/books/mergedstore.h"
#include "contactclient/clientapplication.h"
#include "contactclient/clientconfig.h"
#include "contactclient/factory.h"
#include "contactclient/storenotifier.h"
#include "contactclient/thunderbird/thunderbirdbook.h"
#include "contactclient/thunderbird/thunderbirddatabase.h"
#include "contactclient/thunderbird/thunderbirdprofiles.h"
#include "contactclient/thunderbird/thunderbirdstore.h"
#include "fakes/memorysettingsstore.h"
#include "testfiles.h"
#include "textlists.h"
#include "thunderbirdwriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using namespace Qt::StringLiterals;

namespace {

using testsupport::writeFile;

using Props = testsupport::ThunderbirdWriter::Props;
using Writer = testsupport::ThunderbirdWriter;

QString vcard(const char* body)
{
    return u"BEGIN:VCARD\r\nVERSION:4.0\r\n"_s + QString::fromUtf8(body) + u"END:VCARD\r\n"_s;
}

// The cards of both forms that the tests read.
bool fillBook(Writer& w)
{
    return w.createSchema() &&
           w.addCard(u"c-new"_s,
                     {{u"_vCard"_s,
                       vcard("FN:Ann Lee\r\nN:Lee;Ann;;;\r\nEMAIL;PREF=1:ann@example.com\r\nTEL;TYPE=cell:+1 555 01\r\n"
                             "TEL;TYPE=work:+1 555 02\r\nCATEGORIES:Work\r\nADR;TYPE=home:;;1 Main "
                             "St;Springfield;;12345;\r\n")},
                      {u"DisplayName"_s, u"Ann Lee"_s},
                      {u"PrimaryEmail"_s, u"ann@example.com"_s}}) &&
           w.addCard(u"c-old"_s, {{u"FirstName"_s, u"Bob"_s},
                                  {u"LastName"_s, u"Ray; Jr"_s},
                                  {u"DisplayName"_s, u"Bob Ray, Jr"_s},
                                  {u"PrimaryEmail"_s, u"bob@example.com"_s},
                                  {u"SecondEmail"_s, u"bob@home.example"_s},
                                  {u"CellularNumber"_s, u"+1 555 03"_s},
                                  {u"WorkPhone"_s, u"+1 555 04"_s},
                                  {u"HomePhone"_s, u"+1 555 05"_s},
                                  {u"HomeAddress"_s, u"2 Side St"_s},
                                  {u"HomeCity"_s, u"Shelbyville"_s},
                                  {u"HomeZipCode"_s, u"54321"_s},
                                  {u"Company"_s, u"Acme"_s}}) &&
           w.addList(u"l-team"_s, u"Team"_s, {u"c-new"_s, u"c-old"_s});
}

QStringList entries(const ItemSet& items)
{
    QStringList out;
    items.forEach([&](const Item& item) {
        out.append(item.TypeName() + QLatin1Char(' ') + item.EntryID() + QLatin1Char(' ') + item.FileAs());
    });
    return out;
}

QByteArray fileHash(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

} // namespace

class TestThunderbird : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString path(const QString& name) const { return m_tmp.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY2(QSqlDatabase::isDriverAvailable(u"QSQLITE"_s),
                 "Qt's SQLite driver is missing (scripts/deps.sh installs libqt6sql6-sqlite)");
        QVERIFY(m_tmp.isValid());
        QDir().mkpath(path(u"book"_s));
        Writer w(path(u"book/abook.sqlite"_s), false);
        QVERIFY(fillBook(w));
    }

    void enumeratesCardsThenLists()
    {
        ThunderbirdBookStore store(path(u"book/abook.sqlite"_s));
        store.open();
        QCOMPARE(entries(*store.items()),
                 sl({"ContactItem c-new Lee, Ann", "ContactItem c-old Ray; Jr, Bob", "DistListItem l-team Team"}));
        QCOMPARE(entries(*store.items()->Restrict(u"[Categories] = \"work\""_s)), sl({"ContactItem c-new Lee, Ann"}));
    }

    // The lists take each card's "_vCard" as it is stored, else its name/value properties; a card
    // is bounded by its neighbours whatever form they have.
    void listsCardsOfEveryForm_data()
    {
        QTest::addColumn<Props>("properties");
        QTest::addColumn<QString>("fileAs");
        const auto p = [](const char* name, const char* value) {
            return std::pair{QString::fromUtf8(name), QString::fromUtf8(value)};
        };
        QTest::newRow("_vCard alone, not ASCII")
            << Props{p("_vCard", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Zoë Ångström\r\nN:Ångström;Zoë;;;\r\nEND:VCARD\r\n")}
            << u"Ångström, Zoë"_s;
        QTest::newRow("_vCard wins over the properties")
            << Props{p("FirstName", "Other"), p("LastName", "Name"),
                     p("_vCard", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n"),
                     p("DisplayName", "Other Name")}
            << u"Lee, Ann"_s;
        QTest::newRow("blank _vCard: the properties")
            << Props{p("_vCard", " \r\n"), p("FirstName", "Jürgen"), p("LastName", "Groß")} << u"Groß, Jürgen"_s;
        QTest::newRow("properties alone, not ASCII")
            << Props{p("FirstName", "Ελένη"), p("LastName", "Παπαδοπούλου"), p("PopularityIndex", "3")}
            << u"Παπαδοπούλου, Ελένη"_s;
    }
    void listsCardsOfEveryForm()
    {
        QFETCH(Props, properties);
        QFETCH(QString, fileAs);
        static int books = 0;
        const QString file = path(u"forms/%1.sqlite"_s.arg(++books));
        QDir().mkpath(path(u"forms"_s));
        {
            Writer w(file, true);
            QVERIFY(w.createSchema());
            QVERIFY(w.addCard(u"a-first"_s, {{u"_vCard"_s, vcard("FN:A First\r\nN:First;A;;;\r\n")}}));
            QVERIFY(w.addCard(u"m-card"_s, properties));
            QVERIFY(w.addCard(u"z-last"_s, {{u"FirstName"_s, u"Zed"_s}, {u"LastName"_s, u"Last"_s}}));
        }
        ThunderbirdBookStore store(file);
        store.open();
        QCOMPARE(entries(*store.items()),
                 QStringList({u"ContactItem a-first First, A"_s, u"ContactItem m-card "_s + fileAs,
                              u"ContactItem z-last Last, Zed"_s}));
        QCOMPARE(store.statusNote(), QString());
    }

    // The two forms are read in passes of their own: a large book of both keeps the cards' order
    // and loses none.
    void largeBookKeepsItsOrder()
    {
        const QString file = path(u"large/abook.sqlite"_s);
        QDir().mkpath(path(u"large"_s));
        QStringList expected;
        {
            Writer w(file, true);
            QVERIFY(w.createSchema());
            QVERIFY(w.exec("BEGIN"));
            for (int i = 0; i < 1000; ++i) {
                const QString uid = u"c%1"_s.arg(i, 4, 10, QLatin1Char('0'));
                const QString family = u"Family%1"_s.arg(999 - i);
                Props properties;
                if (i % 3 == 0)
                    properties = {{u"FirstName"_s, u"Old"_s}, {u"LastName"_s, family}};
                else
                    properties = {
                        {u"_vCard"_s, vcard(u"FN:New %1\r\nN:%1;New;;;\r\n"_s.arg(family).toUtf8().constData())}};
                QVERIFY(w.addCard(uid, properties));
                expected.append(u"ContactItem %1 %2, %3"_s.arg(uid, family, i % 3 == 0 ? u"Old"_s : u"New"_s));
            }
            QVERIFY(w.exec("COMMIT"));
        }
        ThunderbirdBookStore store(file);
        store.open();
        QCOMPARE(entries(*store.items()), expected);
        QCOMPARE(store.statusNote(), QString());
    }

    // Only the cards' "_vCard" rows are read, whatever order the properties table holds them in;
    // the cards keep the order they were added, and a card without a usable "_vCard" is read from
    // its other properties. Steps: "card uid" adds a card, "prop uid name value" a property,
    // "edit uid" deletes its properties (Thunderbird writes a changed card's properties anew).
    void readsCardsWhateverThePropertiesOrder_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("an edited card keeps its place")
            << sl({"card a", "prop a _vCard N:Aa;Ann;;;", "card b", "prop b _vCard N:Bb;Bob;;;", "card c",
                   "prop c _vCard N:Cc;Cy;;;", "edit a", "prop a _vCard N:Zz;Ann;;;", "prop a DisplayName Ann Zz"})
            << sl({"a Zz, Ann", "b Bb, Bob", "c Cc, Cy"});
        QTest::newRow("_vCard twice: the later stands")
            << sl({"card a", "prop a _vCard N:Old;Ann;;;", "prop a _vCard N:New;Ann;;;", "card b",
                   "prop b _vCard N:Bb;Bob;;;"})
            << sl({"a New, Ann", "b Bb, Bob"});
        QTest::newRow("a later blank _vCard: the properties")
            << sl({"card a", "prop a _vCard N:Card;Ann;;;", "prop a FirstName Ann", "prop a LastName Props",
                   "prop a _vCard  ", "card b", "prop b _vCard N:Bb;Bob;;;"})
            << sl({"a Props, Ann", "b Bb, Bob"});
        QTest::newRow("a blank _vCard, then a card")
            << sl({"card a", "prop a _vCard  ", "prop a LastName Props", "prop a _vCard N:Card;Ann;;;"})
            << sl({"a Card, Ann"});
        QTest::newRow("both forms, edited out of order")
            << sl({"card a", "prop a LastName Old", "card b", "prop b _vCard N:Bb;Bob;;;", "card c",
                   "prop c LastName Cc", "edit a", "prop a _vCard N:Aa;Ann;;;", "edit b", "prop b LastName Props"})
            << sl({"a Aa, Ann", "b Props", "c Cc"});
        QTest::newRow("properties of a card that is not there, a card without properties")
            << sl({"prop z _vCard N:Gone;Zed;;;", "prop y LastName Gone", "card a", "prop a _vCard N:Aa;Ann;;;",
                   "card e"})
            << sl({"a Aa, Ann"});
    }
    void readsCardsWhateverThePropertiesOrder()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        static int books = 0;
        QDir().mkpath(path(u"order"_s));
        const QString file = path(u"order/%1.sqlite"_s.arg(++books));
        {
            Writer w(file, false);
            QVERIFY(w.createSchema());
            for (const QString& step : steps) {
                const QStringList word = step.split(QLatin1Char(' '));
                const QString& uid = word.at(1);
                if (word[0] == QLatin1String("card")) {
                    QVERIFY(w.exec(u"INSERT INTO cards (uid, localId) VALUES (?, 0)"_s, {uid}));
                } else if (word[0] == QLatin1String("edit")) {
                    QVERIFY(w.exec(u"DELETE FROM properties WHERE card = ?"_s, {uid}));
                } else {
                    QString value = word.mid(3).join(QLatin1Char(' '));
                    if (word[2] == QLatin1String("_vCard") && !value.trimmed().isEmpty())
                        value = vcard(QByteArray(value.toUtf8() + "\r\n").constData());
                    QVERIFY(w.exec(u"INSERT INTO properties (card, name, value) VALUES (?, ?, ?)"_s,
                                   {uid, word[2], value}));
                }
            }
        }
        ThunderbirdBookStore store(file);
        store.open();
        QStringList got = entries(*store.items());
        for (QString& e : got)
            e.remove(u"ContactItem "_s);
        QCOMPARE(got, expected);
        QCOMPARE(store.statusNote(), QString());
    }

    void readsBothForms_data()
    {
        QTest::addColumn<QString>("uid");
        QTest::addColumn<QStringList>("properties"); // FullName, Email1, Email2, mobile, business, home, home address
        QTest::newRow("_vCard form") << u"c-new"_s
                                     << sl({"Ann Lee", "ann@example.com", "", "+1 555 01", "+1 555 02", "",
                                            "1 Main St\n12345 Springfield"});
        QTest::newRow("name/value form, separators in values")
            << u"c-old"_s
            << sl({"Bob Ray, Jr", "bob@example.com", "bob@home.example", "+1 555 03", "+1 555 04", "+1 555 05",
                   "2 Side St\n54321 Shelbyville"});
    }
    void readsBothForms()
    {
        QFETCH(QString, uid);
        QFETCH(QStringList, properties);
        ThunderbirdBookStore store(path(u"book/abook.sqlite"_s));
        store.open();
        const auto c = store.itemFromId(uid);
        QCOMPARE(c->TypeName(), kContactItemType);
        const QStringList got = {c->FullName(),
                                 c->Email1Address(),
                                 c->Email2Address(),
                                 c->MobileTelephoneNumber(),
                                 c->BusinessTelephoneNumber(),
                                 c->HomeTelephoneNumber(),
                                 c->HomeAddress()};
        QCOMPARE(got.mid(0, 6), properties.mid(0, 6));
        // The address's layout is the vCard mapping's business; its parts are all there.
        for (const QString& part : properties.at(6).split(QLatin1Char('\n')))
            for (const QString& word : part.split(QLatin1Char(' ')))
                QVERIFY2(got.at(6).contains(word), qPrintable(got.at(6)));
    }

    void listIsADistList()
    {
        ThunderbirdBookStore store(path(u"book/abook.sqlite"_s));
        store.open();
        const auto list = store.itemFromId(u"l-team"_s);
        QCOMPARE(list->TypeName(), kDistListItemType);
        QCOMPARE(list->FullName(), u"Team"_s);
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, store.itemFromId(u"nobody"_s));
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, store.itemFromId(u"' OR 1=1 --"_s));
    }

    void neverWritesTheDatabase()
    {
        const QString file = path(u"book/abook.sqlite"_s);
        const QByteArray before = fileHash(file);
        const QStringList filesBefore = QDir(path(u"book"_s)).entryList(QDir::Files);
        {
            ThunderbirdBookStore store(file);
            store.open();
            store.items();
            store.itemFromId(u"c-old"_s);
        }
        QCOMPARE(fileHash(file), before);
        QCOMPARE(QDir(path(u"book"_s)).entryList(QDir::Files), filesBefore);
    }

    void notABookIsAClearFailure_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("not a database");
        QTest::newRow("empty") << QByteArray();
    }
    void notABookIsAClearFailure()
    {
        QFETCH(QByteArray, content);
        const QString file = path(u"bad/abook.sqlite"_s);
        QVERIFY(writeFile(file, content));
        ThunderbirdBookStore store(file);
        try {
            store.open();
            QFAIL("opened");
        } catch (const AutomationError& e) {
            QCOMPARE(e.number(), int(errStoreUnavailable));
            QVERIFY2(e.description().contains(file), qPrintable(e.description()));
        }
    }

    void readsWhileThunderbirdWrites()
    {
        const QString file = path(u"wal/abook.sqlite"_s);
        QDir().mkpath(path(u"wal"_s));
        Writer thunderbird(file, true);
        QVERIFY(fillBook(thunderbird));
        // Thunderbird is in the middle of a write.
        QVERIFY(thunderbird.exec("BEGIN IMMEDIATE"));
        QVERIFY(thunderbird.addCard(u"c-late"_s, {{u"DisplayName"_s, u"Cy Ode"_s}}));

        ThunderbirdBookStore store(file);
        QSignalSpy changed(store.notifier(), &StoreNotifier::changed);
        store.open();
        QCOMPARE(store.items()->Count(), 3); // what was committed
        QCOMPARE(store.itemFromId(u"c-new"_s)->FullName(), u"Ann Lee"_s);

        // Thunderbird was not blocked, and its write shows up.
        QVERIFY(thunderbird.exec("COMMIT"));
        QTRY_VERIFY(changed.size() >= 1);
        QCOMPARE(store.items()->Count(), 4);
        QCOMPARE(store.itemFromId(u"c-late"_s)->FullName(), u"Cy Ode"_s);
        QVERIFY(thunderbird.exec("PRAGMA wal_checkpoint(TRUNCATE)"));
    }

    // Thunderbird adds a card while the book is being read: the read is of the book as it was when
    // it began, each card once, however many passes it takes.
    void aCardAddedDuringTheReadWaitsForTheNextRead()
    {
        const QString file = path(u"during/abook.sqlite"_s);
        QDir().mkpath(path(u"during"_s));
        Writer thunderbird(file, true);
        QVERIFY(fillBook(thunderbird)); // one card of each form
        QStringList seen;
        {
            thunderbird::ReadOnlyDatabase db(file);
            db.forEachCard([&](const thunderbird::CardRow& card) {
                if (seen.isEmpty())
                    QVERIFY(thunderbird.addCard(u"c-late"_s,
                                                {{u"_vCard"_s, vcard("FN:Late\r\n")}, {u"DisplayName"_s, u"Late"_s}}));
                seen.append(card.uid);
            });
        }
        seen.sort();
        QCOMPARE(seen, sl({"c-new", "c-old"}));
        ThunderbirdBookStore store(file);
        store.open();
        QCOMPARE(store.items()->Count(), 4);
    }

    void findsProfilesAndBooks()
    {
        const QString root = path(u"home/.thunderbird"_s);
        QVERIFY(writeFile(root + u"/profiles.ini"_s,
                          "[Profile1]\nName=default\nIsRelative=1\nPath=p.default\nDefault=1\n\n"
                          "[Profile0]\nName=release\nIsRelative=1\nPath=p.release\n\n"
                          "[Profile2]\nName=elsewhere\nIsRelative=0\nPath=" +
                              path(u"elsewhere"_s).toUtf8() +
                              "\n\n[Profile10]\nName=gone\nIsRelative=1\nPath=p.gone\n\n"
                              "[InstallABCDEF]\nDefault=p.release\nLocked=1\n\n[General]\nStartWithLastProfile=1\n"));
        for (const char* p : {"p.default", "p.release"})
            QVERIFY(QDir().mkpath(root + QLatin1Char('/') + QString::fromLatin1(p)));
        QVERIFY(QDir().mkpath(path(u"elsewhere"_s)));
        QCOMPARE(thunderbird::profileFolders(root),
                 QStringList({root + u"/p.release"_s, root + u"/p.default"_s, path(u"elsewhere"_s)}));

        const QString profile = root + u"/p.release"_s;
        for (const char* f : {"abook-10.sqlite", "history.sqlite", "abook-2.sqlite", "abook.sqlite", "abook-1.sqlite",
                              "abook.sqlite-wal", "abook.mab"}) {
            QVERIFY(writeFile(profile + QLatin1Char('/') + QString::fromLatin1(f), {}));
        }
        QStringList names;
        for (const QString& f : thunderbird::addressBookFiles(profile))
            names.append(QFileInfo(f).fileName());
        QCOMPARE(names, sl({"abook.sqlite", "abook-1.sqlite", "abook-2.sqlite", "abook-10.sqlite"}));

        QVERIFY(writeFile(profile + u"/prefs.js"_s,
                          "user_pref(\"ldap_2.servers.work.description\", \"Work \\\"A\\\"\");\n"
                          "user_pref(\"ldap_2.servers.work.filename\", \"abook-1.sqlite\");\n"));
        QCOMPARE(thunderbird::addressBookName(profile, u"abook-1.sqlite"_s), u"Work \"A\""_s);
        QCOMPARE(thunderbird::addressBookName(profile, u"abook.sqlite"_s), u"Personal Address Book"_s);
        QCOMPARE(thunderbird::addressBookName(profile, u"abook-2.sqlite"_s), u"abook-2"_s);
    }

    void manyProfiles_data()
    {
        QTest::addColumn<int>("count");       // [ProfileN] sections
        QTest::addColumn<int>("repeatEvery"); // every so many name a folder already named
        QTest::newRow("200,000 profiles") << 200000 << 0;
        QTest::newRow("200,000 profiles naming 1,000 folders") << 200000 << 1000;
    }

    // A profiles.ini of many sections (written by a faulty tool, or by someone who wants the bar
    // to hang): every folder once, the default first, the rest by number.
    void manyProfiles()
    {
        QFETCH(int, count);
        QFETCH(int, repeatEvery);
        const QString root = path(u"many/%1-%2"_s.arg(count).arg(repeatEvery));
        const auto folderOf = [&](int n) { return repeatEvery > 0 ? n % repeatEvery : n; };
        QByteArray ini;
        ini.reserve(qsizetype(count) * 48);
        for (int n = 0; n < count; ++n)
            ini += "[Profile" + QByteArray::number(n) + "]\nIsRelative=1\nPath=p" + QByteArray::number(folderOf(n)) +
                   (n == count / 2 ? "\nDefault=1" : "") + "\n";
        QVERIFY(testsupport::writeFile(root + u"/profiles.ini"_s, ini));
        // Only some of the folders are there.
        const QList<int> present{0, 7, folderOf(count / 2), folderOf(count - 1)};
        for (int n : present)
            QVERIFY(QDir().mkpath(root + u"/p%1"_s.arg(n)));
        QStringList expected{root + u"/p%1"_s.arg(folderOf(count / 2))};
        for (int n : present)
            if (!expected.contains(root + u"/p%1"_s.arg(n)))
                expected.append(root + u"/p%1"_s.arg(n));
        QCOMPARE(thunderbird::profileFolders(root), expected);
    }

    void defaultProfileThroughTheSettings()
    {
        // Backend=thunderbird: the default profile's books, the personal one first, history left out.
        const QString home = path(u"home2"_s);
        const QString profile = home + u"/.thunderbird/x.default"_s;
        QVERIFY(writeFile(home + u"/.thunderbird/profiles.ini"_s,
                          "[Profile0]\nName=default\nIsRelative=1\nPath=x.default\nDefault=1\n"));
        QVERIFY(QDir().mkpath(profile));
        {
            Writer personal(profile + u"/abook.sqlite"_s, false);
            QVERIFY(fillBook(personal));
            Writer other(profile + u"/abook-1.sqlite"_s, false);
            QVERIFY(other.createSchema());
            QVERIFY(other.addCard(u"o-1"_s, {{u"DisplayName"_s, u"Ann Lee"_s}}));
            Writer history(profile + u"/history.sqlite"_s, false);
            QVERIFY(history.createSchema());
            QVERIFY(history.addCard(u"h-1"_s, {{u"PrimaryEmail"_s, u"x@y"_s}}));
        }
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.toUtf8());
        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + u"/Backend"_s, u"thunderbird"_s);
        auto application = createApplication(settings, noDesktop(), nullptr);
        qputenv("HOME", oldHome);
        auto ns = application->GetNamespace(u"MAPI"_s);
        ns->Logon();
        QCOMPARE(entries(*ns->GetDefaultFolder(olFolderContacts)->Items()),
                 sl({"ContactItem Personal Address Book/c-new Lee, Ann",
                     "ContactItem Personal Address Book/c-old Ray; Jr, Bob",
                     "DistListItem Personal Address Book/l-team Team", "ContactItem abook-1/o-1 Ann Lee"}));
    }
};

QTEST_GUILESS_MAIN(TestThunderbird)
#include "test_thunderbird.moc"
