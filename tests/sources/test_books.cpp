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
#include "textlists.h"

#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using booklayout::addCard;

namespace {

QStringList entries(const ItemSet& items)
{
    QStringList out;
    items.forEach([&](const Item& item) { out.append(item.EntryID() + QLatin1Char('=') + item.FullName()); });
    return out;
}

} // namespace

class TestBooks : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString path(const QString& name) const { return m_tmp.filePath(name); }

    std::shared_ptr<NameSpace> logon(const QString& books)
    {
        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + QStringLiteral("/Books"), books);
        settings.values.insert(kClientSection + QStringLiteral("/MailTransport"), QStringLiteral("folder"));
        settings.values.insert(kClientSection + QStringLiteral("/MailFolder"), path(QStringLiteral("outbox")));
        m_application = createApplication(settings, noDesktop(), nullptr);
        auto ns = m_application->GetNamespace(QStringLiteral("MAPI"));
        ns->Logon();
        return ns;
    }
    std::shared_ptr<Application> m_application;

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        // A flat folder, a second one, and a vdir root with two collections and a hidden folder.
        QVERIFY(addCard(path(QStringLiteral("flat")), QStringLiteral("ann"), QStringLiteral("Ann"),
                        QStringLiteral("Lee"), sl({"Work"})));
        QVERIFY(
            addCard(path(QStringLiteral("flat")), QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Ray")));
        QVERIFY(addCard(path(QStringLiteral("other")), QStringLiteral("ann2"), QStringLiteral("Ann"),
                        QStringLiteral("Lee"), sl({"work"})));
        QVERIFY(
            addCard(path(QStringLiteral("other")), QStringLiteral("cy"), QStringLiteral("Cy"), QStringLiteral("Ode")));
        QVERIFY(addCard(path(QStringLiteral("root/work")), QStringLiteral("dee"), QStringLiteral("Dee"),
                        QStringLiteral("Fox"), sl({"Work"})));
        QVERIFY(addCard(path(QStringLiteral("root/family")), QStringLiteral("eve"), QStringLiteral("Eve"),
                        QStringLiteral("Gale")));
        QVERIFY(addCard(path(QStringLiteral("root/.git")), QStringLiteral("zed"), QStringLiteral("Zed"),
                        QStringLiteral("Hid")));
        QVERIFY(QDir().mkpath(path(QStringLiteral("root/empty"))));
        // A folder with cards of its own is one book, whatever its subfolders hold.
        QVERIFY(addCard(path(QStringLiteral("mixed")), QStringLiteral("fay"), QStringLiteral("Fay"),
                        QStringLiteral("Ito")));
        QVERIFY(addCard(path(QStringLiteral("mixed/sub")), QStringLiteral("gus"), QStringLiteral("Gus"),
                        QStringLiteral("Jo")));
    }

    void parsesBooks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("specs");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("one folder") << QStringLiteral("~/.contacts") << sl({"vcard:~/.contacts"});
        QTest::newRow("in order, blanks and empty entries dropped")
            << QStringLiteral(" thunderbird , ,vcard:/a/b,carddav") << sl({"thunderbird", "vcard:/a/b", "carddav"});
        QTest::newRow("back-end names in any case") << QStringLiteral("Thunderbird:/p") << sl({"thunderbird:/p"});
        QTest::newRow("an unknown prefix is part of a folder name")
            << QStringLiteral("notes:old") << sl({"vcard:notes:old"});
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
        QTest::newRow("vdir root: visible subfolders, empty ones too") << "root" << sl({"empty", "family", "work"});
        QTest::newRow("a folder of cards") << "flat" << QStringList();
        QTest::newRow("cards of its own beside a subfolder") << "mixed" << QStringList();
        QTest::newRow("missing") << "nowhere" << QStringList();
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
        QTest::newRow("one folder keeps its own ids") << "flat" << sl({"ann.vcf=Ann Lee", "bob.vcf=Bob Ray"});
        QTest::newRow("two books in the given order")
            << "flat,other"
            << sl({"flat/ann.vcf=Ann Lee", "flat/bob.vcf=Bob Ray", "other/ann2.vcf=Ann Lee", "other/cy.vcf=Cy Ode"});
        QTest::newRow("the other order") << "other,flat"
                                         << sl({"other/ann2.vcf=Ann Lee", "other/cy.vcf=Cy Ode", "flat/ann.vcf=Ann Lee",
                                                "flat/bob.vcf=Bob Ray"});
        QTest::newRow("vdir root: one book per collection, by name")
            << "root" << sl({"family/eve.vcf=Eve Gale", "work/dee.vcf=Dee Fox"});
        QTest::newRow("a root beside a folder") << "vcard:root, flat"
                                                << sl({"root/family/eve.vcf=Eve Gale", "root/work/dee.vcf=Dee Fox",
                                                       "flat/ann.vcf=Ann Lee", "flat/bob.vcf=Bob Ray"});
        QTest::newRow("the same folder twice") << "flat,flat"
                                               << sl({"flat/ann.vcf=Ann Lee", "flat/bob.vcf=Bob Ray",
                                                      "flat (2)/ann.vcf=Ann Lee", "flat (2)/bob.vcf=Bob Ray"});
        QTest::newRow("a book that cannot open is left out")
            << "thunderbird:nowhere/abook.sqlite, flat" << sl({"flat/ann.vcf=Ann Lee", "flat/bob.vcf=Bob Ray"});
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
        QCOMPARE(entries(*set), items);
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
        auto ns = logon(QStringLiteral("thunderbird:") + path(QStringLiteral("nowhere/abook.sqlite")) +
                        QLatin1Char(',') + path(QStringLiteral("flat")));
        const QString note = m_application->statusNote();
        QVERIFY2(note.contains(QStringLiteral("was left out")) && note.contains(QStringLiteral("does not exist")),
                 qPrintable(note));
    }

    void noBookOpensIsAFailure()
    {
        QVERIFY_THROWS_EXCEPTION(AutomationError,
                                 logon(QStringLiteral("thunderbird:") + path(QStringLiteral("a/abook.sqlite")) +
                                       QStringLiteral(",thunderbird:") + path(QStringLiteral("b/abook.sqlite"))));
    }

    void firstBookWinsASharedName_data()
    {
        QTest::addColumn<QString>("books");
        QTest::addColumn<QString>("owner");
        QTest::newRow("flat first") << "flat,other"
                                    << "flat/ann.vcf";
        QTest::newRow("other first") << "other,flat"
                                     << "other/ann2.vcf";
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
        QCOMPARE(ContactIndex(lists).Item(QStringLiteral("Ann Lee")), owner);
        QCOMPARE(ContactIndex(lists).Item(QStringLiteral("Lee, Ann")), owner);
    }

    void restrictsEveryBook()
    {
        auto ns = logon(path(QStringLiteral("flat")) + QStringLiteral(",vcard:") + path(QStringLiteral("root")) +
                        QLatin1Char(',') + path(QStringLiteral("other")));
        const auto work =
            ns->GetDefaultFolder(olFolderContacts)->Items()->Restrict(QStringLiteral("[Categories] = \"WORK\""));
        QCOMPARE(entries(*work), sl({"flat/ann.vcf=Ann Lee", "root/work/dee.vcf=Dee Fox", "other/ann2.vcf=Ann Lee"}));
        QVERIFY_THROWS_EXCEPTION(AutomationError, work->Restrict(QStringLiteral("[FullName] = \"x\"")));
    }

    void unknownIdsAreNotFound_data()
    {
        QTest::addColumn<QString>("entryId");
        QTest::newRow("no book") << "ann.vcf";
        QTest::newRow("unknown book") << "nobook/ann.vcf";
        QTest::newRow("empty book") << "/ann.vcf";
        QTest::newRow("gone from its book") << "flat/zz.vcf";
        QTest::newRow("escaping the book") << "flat/../other/cy.vcf";
    }
    void unknownIdsAreNotFound()
    {
        QFETCH(QString, entryId);
        auto ns = logon(path(QStringLiteral("flat")) + QLatin1Char(',') + path(QStringLiteral("other")));
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, ns->GetItemFromID(entryId));
    }
};

QTEST_GUILESS_MAIN(TestBooks)
#include "test_books.moc"
