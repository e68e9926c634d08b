// Several address books read as one: Books= in order, vdir collection roots, the first book winning
// a shared name, a book that fails beside books that load, and EntryIDs that find their book.

#include "booklayout.h"
#include "contactclient/books/bookconfig.h"
#include "contactclient/books/vdircollections.h"
#include "contactclient/clientapplication.h"
#include "contactclient/clientconfig.h"
#include "contactclient/factory.h"
#include "contacts/contactindex.h"
#include "contacts/contactlistdata.h"
#include "fakes/memorysettingsstore.h"
#include "storetesting.h"
#include "textlists.h"

#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using namespace Qt::StringLiterals;
using booklayout::addCard;

using testsupport::listing;

class TestBooks : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString path(const QString& name) const { return m_tmp.filePath(name); }

    std::shared_ptr<NameSpace> logon(const QString& books)
    {
        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + u"/Books"_s, books);
        settings.values.insert(kClientSection + u"/MailTransport"_s, u"folder"_s);
        settings.values.insert(kClientSection + u"/MailFolder"_s, path(u"outbox"_s));
        m_application = createApplication(settings, noDesktop(), nullptr);
        auto ns = m_application->GetNamespace(u"MAPI"_s);
        ns->Logon();
        return ns;
    }
    std::shared_ptr<Application> m_application;

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        // A flat folder, a second one, and a vdir root with two collections and a hidden folder.
        QVERIFY(addCard(path(u"flat"_s), u"ann"_s, u"Ann"_s, u"Lee"_s, sl({"Work"})));
        QVERIFY(addCard(path(u"flat"_s), u"bob"_s, u"Bob"_s, u"Ray"_s));
        QVERIFY(addCard(path(u"other"_s), u"ann2"_s, u"Ann"_s, u"Lee"_s, sl({"work"})));
        QVERIFY(addCard(path(u"other"_s), u"cy"_s, u"Cy"_s, u"Ode"_s));
        QVERIFY(addCard(path(u"root/work"_s), u"dee"_s, u"Dee"_s, u"Fox"_s, sl({"Work"})));
        QVERIFY(addCard(path(u"root/family"_s), u"eve"_s, u"Eve"_s, u"Gale"_s));
        QVERIFY(addCard(path(u"root/.git"_s), u"zed"_s, u"Zed"_s, u"Hid"_s));
        QVERIFY(QDir().mkpath(path(u"root/empty"_s)));
        // A folder with cards of its own is one book, whatever its subfolders hold.
        QVERIFY(addCard(path(u"mixed"_s), u"fay"_s, u"Fay"_s, u"Ito"_s));
        QVERIFY(addCard(path(u"mixed/sub"_s), u"gus"_s, u"Gus"_s, u"Jo"_s));
    }

    void parsesBooks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("specs");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("one folder") << u"~/.contacts"_s << sl({"vcard:~/.contacts"});
        QTest::newRow("in order, blanks and empty entries dropped")
            << u" thunderbird , ,vcard:/a/b,carddav"_s << sl({"thunderbird", "vcard:/a/b", "carddav"});
        QTest::newRow("back-end names in any case") << u"Thunderbird:/p"_s << sl({"thunderbird:/p"});
        QTest::newRow("an unknown prefix is part of a folder name") << u"notes:old"_s << sl({"vcard:notes:old"});
    }
    void parsesBooks()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, specs);
        QStringList got;
        for (const BookSpec& spec : parseBooks(text))
            got.append(spec.text());
        QCOMPARE(got, specs);
    }

    void collectionsOfAFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("collections");
        QTest::newRow("vdir root: visible subfolders, empty ones too") << u"root"_s << sl({"empty", "family", "work"});
        QTest::newRow("a folder of cards") << u"flat"_s << QStringList();
        QTest::newRow("cards of its own beside a subfolder") << u"mixed"_s << QStringList();
        QTest::newRow("missing") << u"nowhere"_s << QStringList();
    }
    void collectionsOfAFolder()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, collections);
        QCOMPARE(collectionFolders(path(folder)), collections);
    }

    void mergesInOrder_data()
    {
        QTest::addColumn<QString>("books");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("one folder keeps its own ids") << u"flat"_s << sl({"ann.vcf=Ann Lee", "bob.vcf=Bob Ray"});
        QTest::newRow("two books in the given order")
            << u"flat,other"_s
            << sl({"flat/ann.vcf=Ann Lee", "flat/bob.vcf=Bob Ray", "other/ann2.vcf=Ann Lee", "other/cy.vcf=Cy Ode"});
        QTest::newRow("the other order") << u"other,flat"_s
                                         << sl({"other/ann2.vcf=Ann Lee", "other/cy.vcf=Cy Ode", "flat/ann.vcf=Ann Lee",
                                                "flat/bob.vcf=Bob Ray"});
        QTest::newRow("vdir root: one book per collection, by name")
            << u"root"_s << sl({"family/eve.vcf=Eve Gale", "work/dee.vcf=Dee Fox"});
        QTest::newRow("a root beside a folder") << u"vcard:root, flat"_s
                                                << sl({"root/family/eve.vcf=Eve Gale", "root/work/dee.vcf=Dee Fox",
                                                       "flat/ann.vcf=Ann Lee", "flat/bob.vcf=Bob Ray"});
        QTest::newRow("the same folder twice") << u"flat,flat"_s
                                               << sl({"flat/ann.vcf=Ann Lee", "flat/bob.vcf=Bob Ray",
                                                      "flat (2)/ann.vcf=Ann Lee", "flat (2)/bob.vcf=Bob Ray"});
        QTest::newRow("a book that cannot open is left out")
            << u"thunderbird:nowhere/abook.sqlite, flat"_s << sl({"flat/ann.vcf=Ann Lee", "flat/bob.vcf=Bob Ray"});
    }
    void mergesInOrder()
    {
        QFETCH(QString, books);
        QFETCH(QStringList, items);
        QStringList located;
        for (const QString& b : books.split(QLatin1Char(',')))
            located.append(b.contains(QLatin1Char(':')) ? b.section(QLatin1Char(':'), 0, 0) + QLatin1Char(':') +
                                                              path(b.section(QLatin1Char(':'), 1).trimmed())
                                                        : path(b.trimmed()));
        auto ns = logon(located.join(QLatin1Char(',')));
        const auto set = ns->GetDefaultFolder(olFolderContacts)->Items();
        QCOMPARE(listing(*set), items);
        QCOMPARE(set->Count(), items.size());
        // Every EntryID finds its card again, in its own book.
        for (const QString& entry : items) {
            const auto contact = ns->GetItemFromID(entry.section(QLatin1Char('='), 0, 0));
            QCOMPARE(contact->FullName(), entry.section(QLatin1Char('='), 1));
            QCOMPARE(contact->EntryID(), entry.section(QLatin1Char('='), 0, 0));
        }
    }

    void aFailingBookIsANote()
    {
        auto ns = logon(u"thunderbird:"_s + path(u"nowhere/abook.sqlite"_s) + QLatin1Char(',') + path(u"flat"_s));
        const QString note = m_application->statusNote();
        QVERIFY2(note.contains(u"was left out"_s) && note.contains(u"does not exist"_s), qPrintable(note));
    }

    void noBookOpensIsAFailure()
    {
        QVERIFY_THROWS_EXCEPTION(AutomationError, logon(u"thunderbird:"_s + path(u"a/abook.sqlite"_s) +
                                                        u",thunderbird:"_s + path(u"b/abook.sqlite"_s)));
    }

    void firstBookWinsASharedName_data()
    {
        QTest::addColumn<QString>("books");
        QTest::addColumn<QString>("owner");
        QTest::newRow("flat first") << u"flat,other"_s << u"flat/ann.vcf"_s;
        QTest::newRow("other first") << u"other,flat"_s << u"other/ann2.vcf"_s;
    }
    void firstBookWinsASharedName()
    {
        QFETCH(QString, books);
        QFETCH(QString, owner);
        QStringList located;
        for (const QString& b : books.split(QLatin1Char(',')))
            located.append(path(b));
        auto ns = logon(located.join(QLatin1Char(',')));
        const ContactListData lists = buildContactLists(*ns->GetDefaultFolder(olFolderContacts)->Items());
        QCOMPARE(ContactIndex(lists).Item(u"Ann Lee"_s), owner);
        QCOMPARE(ContactIndex(lists).Item(u"Lee, Ann"_s), owner);
    }

    void restrictsEveryBook()
    {
        auto ns = logon(path(u"flat"_s) + u",vcard:"_s + path(u"root"_s) + QLatin1Char(',') + path(u"other"_s));
        const auto work = ns->GetDefaultFolder(olFolderContacts)->Items()->Restrict(u"[Categories] = \"WORK\""_s);
        QCOMPARE(listing(*work), sl({"flat/ann.vcf=Ann Lee", "root/work/dee.vcf=Dee Fox", "other/ann2.vcf=Ann Lee"}));
        QVERIFY_THROWS_EXCEPTION(AutomationError, work->Restrict(u"[FullName] = \"x\""_s));
    }

    void unknownIdsAreNotFound_data()
    {
        QTest::addColumn<QString>("entryId");
        QTest::newRow("no book") << u"ann.vcf"_s;
        QTest::newRow("unknown book") << u"nobook/ann.vcf"_s;
        QTest::newRow("empty book") << u"/ann.vcf"_s;
        QTest::newRow("gone from its book") << u"flat/zz.vcf"_s;
        QTest::newRow("escaping the book") << u"flat/../other/cy.vcf"_s;
    }
    void unknownIdsAreNotFound()
    {
        QFETCH(QString, entryId);
        auto ns = logon(path(u"flat"_s) + QLatin1Char(',') + path(u"other"_s));
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, ns->GetItemFromID(entryId));
    }
};

QTEST_GUILESS_MAIN(TestBooks)
#include "test_books.moc"
