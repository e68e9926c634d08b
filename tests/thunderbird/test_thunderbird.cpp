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

namespace {

using testsupport::writeFile;

using Props = testsupport::ThunderbirdWriter::Props;
using Writer = testsupport::ThunderbirdWriter;

QString vcard(const char* body)
{
    return QStringLiteral("BEGIN:VCARD\r\nVERSION:4.0\r\n") + QString::fromUtf8(body) + QStringLiteral("END:VCARD\r\n");
}

// The cards of both forms that the tests read.
bool fillBook(Writer& w)
{
    return w.createSchema() &&
           w.addCard(QStringLiteral("c-new"),
                     {{QStringLiteral("_vCard"),
                       vcard("FN:Ann Lee\r\nN:Lee;Ann;;;\r\nEMAIL;PREF=1:ann@example.com\r\nTEL;TYPE=cell:+1 555 01\r\n"
                             "TEL;TYPE=work:+1 555 02\r\nCATEGORIES:Work\r\nADR;TYPE=home:;;1 Main "
                             "St;Springfield;;12345;\r\n")},
                      {QStringLiteral("DisplayName"), QStringLiteral("Ann Lee")},
                      {QStringLiteral("PrimaryEmail"), QStringLiteral("ann@example.com")}}) &&
           w.addCard(QStringLiteral("c-old"), {{QStringLiteral("FirstName"), QStringLiteral("Bob")},
                                               {QStringLiteral("LastName"), QStringLiteral("Ray; Jr")},
                                               {QStringLiteral("DisplayName"), QStringLiteral("Bob Ray, Jr")},
                                               {QStringLiteral("PrimaryEmail"), QStringLiteral("bob@example.com")},
                                               {QStringLiteral("SecondEmail"), QStringLiteral("bob@home.example")},
                                               {QStringLiteral("CellularNumber"), QStringLiteral("+1 555 03")},
                                               {QStringLiteral("WorkPhone"), QStringLiteral("+1 555 04")},
                                               {QStringLiteral("HomePhone"), QStringLiteral("+1 555 05")},
                                               {QStringLiteral("HomeAddress"), QStringLiteral("2 Side St")},
                                               {QStringLiteral("HomeCity"), QStringLiteral("Shelbyville")},
                                               {QStringLiteral("HomeZipCode"), QStringLiteral("54321")},
                                               {QStringLiteral("Company"), QStringLiteral("Acme")}}) &&
           w.addList(QStringLiteral("l-team"), QStringLiteral("Team"),
                     {QStringLiteral("c-new"), QStringLiteral("c-old")});
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
        QVERIFY2(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")),
                 "Qt's SQLite driver is missing (scripts/deps.sh installs libqt6sql6-sqlite)");
        QVERIFY(m_tmp.isValid());
        QDir().mkpath(path(QStringLiteral("book")));
        Writer w(path(QStringLiteral("book/abook.sqlite")), false);
        QVERIFY(fillBook(w));
    }

    void enumeratesCardsThenLists()
    {
        ThunderbirdBookStore store(path(QStringLiteral("book/abook.sqlite")));
        store.open();
        QCOMPARE(entries(*store.items()),
                 sl({"ContactItem c-new Lee, Ann", "ContactItem c-old Ray; Jr, Bob", "DistListItem l-team Team"}));
        QCOMPARE(entries(*store.items()->Restrict(QStringLiteral("[Categories] = \"work\""))),
                 sl({"ContactItem c-new Lee, Ann"}));
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
            << QStringLiteral("Ångström, Zoë");
        QTest::newRow("_vCard wins over the properties")
            << Props{p("FirstName", "Other"), p("LastName", "Name"),
                     p("_vCard", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n"),
                     p("DisplayName", "Other Name")}
            << QStringLiteral("Lee, Ann");
        QTest::newRow("blank _vCard: the properties")
            << Props{p("_vCard", " \r\n"), p("FirstName", "Jürgen"), p("LastName", "Groß")}
            << QStringLiteral("Groß, Jürgen");
        QTest::newRow("properties alone, not ASCII")
            << Props{p("FirstName", "Ελένη"), p("LastName", "Παπαδοπούλου"), p("PopularityIndex", "3")}
            << QStringLiteral("Παπαδοπούλου, Ελένη");
    }
    void listsCardsOfEveryForm()
    {
        QFETCH(Props, properties);
        QFETCH(QString, fileAs);
        static int books = 0;
        const QString file = path(QStringLiteral("forms/%1.sqlite").arg(++books));
        QDir().mkpath(path(QStringLiteral("forms")));
        {
            Writer w(file, true);
            QVERIFY(w.createSchema());
            QVERIFY(w.addCard(QStringLiteral("a-first"),
                              {{QStringLiteral("_vCard"), vcard("FN:A First\r\nN:First;A;;;\r\n")}}));
            QVERIFY(w.addCard(QStringLiteral("m-card"), properties));
            QVERIFY(w.addCard(QStringLiteral("z-last"), {{QStringLiteral("FirstName"), QStringLiteral("Zed")},
                                                         {QStringLiteral("LastName"), QStringLiteral("Last")}}));
        }
        ThunderbirdBookStore store(file);
        store.open();
        QCOMPARE(entries(*store.items()), QStringList({QStringLiteral("ContactItem a-first First, A"),
                                                       QStringLiteral("ContactItem m-card ") + fileAs,
                                                       QStringLiteral("ContactItem z-last Last, Zed")}));
        QCOMPARE(store.statusNote(), QString());
    }

    // The two forms are read in passes of their own: a large book of both keeps the cards' order
    // and loses none.
    void largeBookKeepsItsOrder()
    {
        const QString file = path(QStringLiteral("large/abook.sqlite"));
        QDir().mkpath(path(QStringLiteral("large")));
        QStringList expected;
        {
            Writer w(file, true);
            QVERIFY(w.createSchema());
            QVERIFY(w.exec("BEGIN"));
            for (int i = 0; i < 1000; ++i) {
                const QString uid = QStringLiteral("c%1").arg(i, 4, 10, QLatin1Char('0'));
                const QString family = QStringLiteral("Family%1").arg(999 - i);
                Props properties;
                if (i % 3 == 0)
                    properties = {{QStringLiteral("FirstName"), QStringLiteral("Old")},
                                  {QStringLiteral("LastName"), family}};
                else
                    properties = {
                        {QStringLiteral("_vCard"),
                         vcard(QStringLiteral("FN:New %1\r\nN:%1;New;;;\r\n").arg(family).toUtf8().constData())}};
                QVERIFY(w.addCard(uid, properties));
                expected.append(QStringLiteral("ContactItem %1 %2, %3")
                                    .arg(uid, family, i % 3 == 0 ? QStringLiteral("Old") : QStringLiteral("New")));
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
        QDir().mkpath(path(QStringLiteral("order")));
        const QString file = path(QStringLiteral("order/%1.sqlite").arg(++books));
        {
            Writer w(file, false);
            QVERIFY(w.createSchema());
            for (const QString& step : steps) {
                const QStringList word = step.split(QLatin1Char(' '));
                const QString& uid = word.at(1);
                if (word[0] == QLatin1String("card")) {
                    QVERIFY(w.exec(QStringLiteral("INSERT INTO cards (uid, localId) VALUES (?, 0)"), {uid}));
                } else if (word[0] == QLatin1String("edit")) {
                    QVERIFY(w.exec(QStringLiteral("DELETE FROM properties WHERE card = ?"), {uid}));
                } else {
                    QString value = word.mid(3).join(QLatin1Char(' '));
                    if (word[2] == QLatin1String("_vCard") && !value.trimmed().isEmpty())
                        value = vcard(QByteArray(value.toUtf8() + "\r\n").constData());
                    QVERIFY(w.exec(QStringLiteral("INSERT INTO properties (card, name, value) VALUES (?, ?, ?)"),
                                   {uid, word[2], value}));
                }
            }
        }
        ThunderbirdBookStore store(file);
        store.open();
        QStringList got = entries(*store.items());
        for (QString& e : got)
            e.remove(QStringLiteral("ContactItem "));
        QCOMPARE(got, expected);
        QCOMPARE(store.statusNote(), QString());
    }

    void readsBothForms_data()
    {
        QTest::addColumn<QString>("uid");
        QTest::addColumn<QStringList>("properties"); // FullName, Email1, Email2, mobile, business, home, home address
        QTest::newRow("_vCard form") << "c-new"
                                     << sl({"Ann Lee", "ann@example.com", "", "+1 555 01", "+1 555 02", "",
                                            "1 Main St\n12345 Springfield"});
        QTest::newRow("name/value form, separators in values")
            << "c-old"
            << sl({"Bob Ray, Jr", "bob@example.com", "bob@home.example", "+1 555 03", "+1 555 04", "+1 555 05",
                   "2 Side St\n54321 Shelbyville"});
    }
    void readsBothForms()
    {
        QFETCH(QString, uid);
        QFETCH(QStringList, properties);
        ThunderbirdBookStore store(path(QStringLiteral("book/abook.sqlite")));
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
        ThunderbirdBookStore store(path(QStringLiteral("book/abook.sqlite")));
        store.open();
        const auto list = store.itemFromId(QStringLiteral("l-team"));
        QCOMPARE(list->TypeName(), kDistListItemType);
        QCOMPARE(list->FullName(), QStringLiteral("Team"));
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, store.itemFromId(QStringLiteral("nobody")));
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, store.itemFromId(QStringLiteral("' OR 1=1 --")));
    }

    void neverWritesTheDatabase()
    {
        const QString file = path(QStringLiteral("book/abook.sqlite"));
        const QByteArray before = fileHash(file);
        const QStringList filesBefore = QDir(path(QStringLiteral("book"))).entryList(QDir::Files);
        {
            ThunderbirdBookStore store(file);
            store.open();
            store.items();
            store.itemFromId(QStringLiteral("c-old"));
        }
        QCOMPARE(fileHash(file), before);
        QCOMPARE(QDir(path(QStringLiteral("book"))).entryList(QDir::Files), filesBefore);
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
        const QString file = path(QStringLiteral("bad/abook.sqlite"));
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
        const QString file = path(QStringLiteral("wal/abook.sqlite"));
        QDir().mkpath(path(QStringLiteral("wal")));
        Writer thunderbird(file, true);
        QVERIFY(fillBook(thunderbird));
        // Thunderbird is in the middle of a write.
        QVERIFY(thunderbird.exec("BEGIN IMMEDIATE"));
        QVERIFY(
            thunderbird.addCard(QStringLiteral("c-late"), {{QStringLiteral("DisplayName"), QStringLiteral("Cy Ode")}}));

        ThunderbirdBookStore store(file);
        QSignalSpy changed(store.notifier(), &StoreNotifier::changed);
        store.open();
        QCOMPARE(store.items()->Count(), 3); // what was committed
        QCOMPARE(store.itemFromId(QStringLiteral("c-new"))->FullName(), QStringLiteral("Ann Lee"));

        // Thunderbird was not blocked, and its write shows up.
        QVERIFY(thunderbird.exec("COMMIT"));
        QTRY_VERIFY(changed.size() >= 1);
        QCOMPARE(store.items()->Count(), 4);
        QCOMPARE(store.itemFromId(QStringLiteral("c-late"))->FullName(), QStringLiteral("Cy Ode"));
        QVERIFY(thunderbird.exec("PRAGMA wal_checkpoint(TRUNCATE)"));
    }

    // Thunderbird adds a card while the book is being read: the read is of the book as it was when
    // it began, each card once, however many passes it takes.
    void aCardAddedDuringTheReadWaitsForTheNextRead()
    {
        const QString file = path(QStringLiteral("during/abook.sqlite"));
        QDir().mkpath(path(QStringLiteral("during")));
        Writer thunderbird(file, true);
        QVERIFY(fillBook(thunderbird)); // one card of each form
        QStringList seen;
        {
            thunderbird::ReadOnlyDatabase db(file);
            db.forEachCard([&](const thunderbird::CardRow& card) {
                if (seen.isEmpty())
                    QVERIFY(thunderbird.addCard(QStringLiteral("c-late"),
                                                {{QStringLiteral("_vCard"), vcard("FN:Late\r\n")},
                                                 {QStringLiteral("DisplayName"), QStringLiteral("Late")}}));
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
        const QString root = path(QStringLiteral("home/.thunderbird"));
        QVERIFY(writeFile(root + QStringLiteral("/profiles.ini"),
                          "[Profile1]\nName=default\nIsRelative=1\nPath=p.default\nDefault=1\n\n"
                          "[Profile0]\nName=release\nIsRelative=1\nPath=p.release\n\n"
                          "[Profile2]\nName=elsewhere\nIsRelative=0\nPath=" +
                              path(QStringLiteral("elsewhere")).toUtf8() +
                              "\n\n[Profile10]\nName=gone\nIsRelative=1\nPath=p.gone\n\n"
                              "[InstallABCDEF]\nDefault=p.release\nLocked=1\n\n[General]\nStartWithLastProfile=1\n"));
        for (const char* p : {"p.default", "p.release"})
            QVERIFY(QDir().mkpath(root + QLatin1Char('/') + QString::fromLatin1(p)));
        QVERIFY(QDir().mkpath(path(QStringLiteral("elsewhere"))));
        QCOMPARE(thunderbird::profileFolders(root),
                 QStringList({root + QStringLiteral("/p.release"), root + QStringLiteral("/p.default"),
                              path(QStringLiteral("elsewhere"))}));

        const QString profile = root + QStringLiteral("/p.release");
        for (const char* f : {"abook-10.sqlite", "history.sqlite", "abook-2.sqlite", "abook.sqlite", "abook-1.sqlite",
                              "abook.sqlite-wal", "abook.mab"}) {
            QVERIFY(writeFile(profile + QLatin1Char('/') + QString::fromLatin1(f), {}));
        }
        QStringList names;
        for (const QString& f : thunderbird::addressBookFiles(profile))
            names.append(QFileInfo(f).fileName());
        QCOMPARE(names, sl({"abook.sqlite", "abook-1.sqlite", "abook-2.sqlite", "abook-10.sqlite"}));

        QVERIFY(writeFile(profile + QStringLiteral("/prefs.js"),
                          "user_pref(\"ldap_2.servers.work.description\", \"Work \\\"A\\\"\");\n"
                          "user_pref(\"ldap_2.servers.work.filename\", \"abook-1.sqlite\");\n"));
        QCOMPARE(thunderbird::addressBookName(profile, QStringLiteral("abook-1.sqlite")), QStringLiteral("Work \"A\""));
        QCOMPARE(thunderbird::addressBookName(profile, QStringLiteral("abook.sqlite")),
                 QStringLiteral("Personal Address Book"));
        QCOMPARE(thunderbird::addressBookName(profile, QStringLiteral("abook-2.sqlite")), QStringLiteral("abook-2"));
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
        const QString root = path(QStringLiteral("many/%1-%2").arg(count).arg(repeatEvery));
        const auto folderOf = [&](int n) { return repeatEvery > 0 ? n % repeatEvery : n; };
        QByteArray ini;
        ini.reserve(qsizetype(count) * 48);
        for (int n = 0; n < count; ++n)
            ini += "[Profile" + QByteArray::number(n) + "]\nIsRelative=1\nPath=p" + QByteArray::number(folderOf(n)) +
                   (n == count / 2 ? "\nDefault=1" : "") + "\n";
        QVERIFY(testsupport::writeFile(root + QStringLiteral("/profiles.ini"), ini));
        // Only some of the folders are there.
        const QList<int> present{0, 7, folderOf(count / 2), folderOf(count - 1)};
        for (int n : present)
            QVERIFY(QDir().mkpath(root + QStringLiteral("/p%1").arg(n)));
        QStringList expected{root + QStringLiteral("/p%1").arg(folderOf(count / 2))};
        for (int n : present)
            if (!expected.contains(root + QStringLiteral("/p%1").arg(n)))
                expected.append(root + QStringLiteral("/p%1").arg(n));
        QCOMPARE(thunderbird::profileFolders(root), expected);
    }

    void defaultProfileThroughTheSettings()
    {
        // Backend=thunderbird: the default profile's books, the personal one first, history left out.
        const QString home = path(QStringLiteral("home2"));
        const QString profile = home + QStringLiteral("/.thunderbird/x.default");
        QVERIFY(writeFile(home + QStringLiteral("/.thunderbird/profiles.ini"),
                          "[Profile0]\nName=default\nIsRelative=1\nPath=x.default\nDefault=1\n"));
        QVERIFY(QDir().mkpath(profile));
        {
            Writer personal(profile + QStringLiteral("/abook.sqlite"), false);
            QVERIFY(fillBook(personal));
            Writer other(profile + QStringLiteral("/abook-1.sqlite"), false);
            QVERIFY(other.createSchema());
            QVERIFY(other.addCard(QStringLiteral("o-1"), {{QStringLiteral("DisplayName"), QStringLiteral("Ann Lee")}}));
            Writer history(profile + QStringLiteral("/history.sqlite"), false);
            QVERIFY(history.createSchema());
            QVERIFY(history.addCard(QStringLiteral("h-1"), {{QStringLiteral("PrimaryEmail"), QStringLiteral("x@y")}}));
        }
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.toUtf8());
        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + QStringLiteral("/Backend"), QStringLiteral("thunderbird"));
        auto application = createApplication(settings, noDesktop(), nullptr);
        qputenv("HOME", oldHome);
        auto ns = application->GetNamespace(QStringLiteral("MAPI"));
        ns->Logon();
        QCOMPARE(entries(*ns->GetDefaultFolder(olFolderContacts)->Items()),
                 sl({"ContactItem Personal Address Book/c-new Lee, Ann",
                     "ContactItem Personal Address Book/c-old Ray; Jr, Bob",
                     "DistListItem Personal Address Book/l-team Team", "ContactItem abook-1/o-1 Ann Lee"}));
    }
};

QTEST_GUILESS_MAIN(TestThunderbird)
#include "test_thunderbird.moc"
