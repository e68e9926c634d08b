// Changing contacts of the desktop's address book, against a real evolution-data-server on a
// private bus: a change keeps what the card does not show, a new contact goes to the first book
// that takes changes, a removal keeps a copy aside, a change made in the book meanwhile is not
// written over.

#include "edsfixture.h"
#include "radicaleserver.h"
#include "storetesting.h"

#include "contactclient/eds/edsbooks.h"
#include "contactclient/eds/edsregistry.h"
#include "contactclient/eds/edsstore.h"
#include "contactclient/vcard/cardfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using namespace testsupport;
using namespace Qt::StringLiterals;
using edstesting::openStore;

using edstesting::inBook;

class TestEdsWrite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        m_eds.start(m_data.path());
        m_store = openStore(u"Work"_s);
    }

    void cleanupTestCase()
    {
        m_store.reset();
        m_eds.stop();
    }

    // A change of one value keeps every property the card does not show.
    void modifyKeepsWhatIsNotShown_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("kept"); // as the book writes it back
        QTest::newRow("another program's property") << u"X-EVOLUTION-SPOUSE:Kim"_s << u"X-EVOLUTION-SPOUSE:Kim"_s;
        QTest::newRow("unknown parameter") << u"X-CUSTOM;X-P=odd:keep me"_s << u"X-CUSTOM;X-P=odd:keep me"_s;
        QTest::newRow("grouped label") << u"item1.X-ABLABEL:Club"_s << u"item1.X-ABLABEL:Club"_s;
        // The book adds a parameter of its own to a phone number when it is added.
        QTest::newRow("a phone the change leaves alone") << u"TEL;TYPE=CELL:+49 170 1"_s << u"TYPE=CELL:+49 170 1"_s;
    }
    void modifyKeepsWhatIsNotShown()
    {
        QFETCH(QString, lines);
        QFETCH(QString, kept);
        const QString uid = m_eds.add(m_eds.work, u"FN:Ann Archer\nN:Archer;Ann;;;\n"_s + lines);
        auto item = m_store->itemFromId(eds::entryId(m_eds.work, uid));
        QVERIFY2(item->writable(), qPrintable(item->readOnlyReason()));
        saveChanged(*item, [](ContactForm& form) { form.note = u"Met at the fair"_s; });

        const QByteArray written = inBook(m_eds.work, uid);
        QVERIFY2(written.contains("NOTE:Met at the fair"), written.constData());
        QVERIFY2(written.contains(kept.toUtf8()), written.constData());
        QVERIFY2(written.contains("FN:Ann Archer"), written.constData());
        QCOMPARE(item->details().note, u"Met at the fair"_s);
        m_eds.books->remove(m_eds.work, uid);
    }

    void addGoesToTheFirstWritableBook()
    {
        QVERIFY(m_store->writable());
        auto item = m_store->newItem();
        ContactForm form;
        form.given = u"Cy"_s;
        form.family = u"Cole"_s;
        form.fullName = u"Cy Cole"_s;
        form.emails = {{u"work"_s, u"cy@example.org"_s}};
        item->setForm(form);
        item->Save();
        QString book;
        QString uid;
        QVERIFY(eds::parseEntryId(item->EntryID(), book, uid));
        QCOMPARE(book, m_eds.work);
        const QByteArray written = inBook(m_eds.work, uid);
        QVERIFY2(written.contains("cy@example.org"), written.constData());
        QVERIFY(!entryIdOf(*m_store->items(), u"Cy Cole"_s).isEmpty());
        QCOMPARE(m_store->itemFromId(item->EntryID())->Email1Address(), u"cy@example.org"_s);
        m_eds.books->remove(m_eds.work, uid);
    }

    void removeKeepsACopyAside()
    {
        const QString uid = m_eds.add(m_eds.work, u"FN:Bob Baker\nN:Baker;Bob;;;"_s);
        auto item = m_store->itemFromId(eds::entryId(m_eds.work, uid));
        const QDir aside(item->deletedFolder());
        const qsizetype before = aside.entryList(QDir::Files).size();
        item->Delete();
        QCOMPARE(inBook(m_eds.work, uid), QByteArray());
        QVERIFY(entryIdOf(*m_store->items(), u"Bob Baker"_s).isEmpty());
        const QStringList kept = aside.entryList(QDir::Files, QDir::Time);
        QCOMPARE(kept.size(), before + 1);
        QFile copy(aside.filePath(kept.first()));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll().contains("FN:Bob Baker"));
    }

    void changedInTheBookMeanwhile()
    {
        const QString uid = m_eds.add(m_eds.work, u"FN:Dee Dunn\nN:Dunn;Dee;;;"_s);
        auto item = m_store->itemFromId(eds::entryId(m_eds.work, uid));
        ContactForm form = item->form();
        m_eds.modify(m_eds.work, uid, u"FN:Dee Theirs\nN:Theirs;Dee;;;"_s);
        form.fullName = u"Dee Mine"_s;
        item->setForm(form);
        QVERIFY_THROWS_EXCEPTION(ConflictError, item->Save());
        QVERIFY(inBook(m_eds.work, uid).contains("FN:Dee Theirs"));
        // Read again, the change goes through.
        saveChanged(*item, [](ContactForm& form) {
            QCOMPARE(form.fullName, u"Dee Theirs"_s);
            form.fullName = u"Dee Mine"_s;
        });
        QVERIFY(inBook(m_eds.work, uid).contains("FN:Dee Mine"));
        m_eds.books->remove(m_eds.work, uid);
    }

    // A book EDS reports read-only (its server lets everyone only read) is not offered for changes,
    // and says where the contact can be changed; a new contact goes to the first book that takes
    // changes.
    void readOnlyBookIsNotWritten_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("the server lets everyone only read") << true;
        QTest::newRow("the server takes changes") << false;
    }
    void readOnlyBookIsNotWritten()
    {
        QFETCH(bool, readOnly);
        test::RadicaleServer server;
        QVERIFY(server.start());
        QCOMPARE(server.createAddressBook(u"/shared/book/"_s, test::card(u"rae"_s, u"Rae Shared"_s)), 201);
        QVERIFY(server.setReadOnly(readOnly));
        const QString shared = u"quintel-test-shared"_s;
        m_eds.books->createServerBook(shared, u"Shared"_s, server.url(u"/shared/book/"_s).toString(), QString());
        m_eds.check();
        auto store = openStore(u"Shared;Work"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!entryIdOf(*store->items(), u"Rae Shared"_s).isEmpty(), 60000);
        auto item = store->itemFromId(entryIdOf(*store->items(), u"Rae Shared"_s));
        QTRY_COMPARE_WITH_TIMEOUT(item->writable(), !readOnly, 30000);
        QString book;
        QString uid;
        if (readOnly) {
            QVERIFY2(item->readOnlyReason().contains(u"“Shared”"_s), qPrintable(item->readOnlyReason()));
            QCOMPARE(failureOf([&] { item->form(); }).number, int(errReadOnly));
            // A new contact goes to the next book.
            auto added = store->newItem();
            ContactForm form;
            form.fullName = u"Ned New"_s;
            added->setForm(form);
            added->Save();
            QVERIFY(eds::parseEntryId(added->EntryID(), book, uid));
            QCOMPARE(book, m_eds.work);
            m_eds.books->remove(m_eds.work, uid);
        } else {
            QCOMPARE(item->readOnlyReason(), QString());
            QCOMPARE(item->form().fullName, u"Rae Shared"_s);
        }
        m_eds.books->removeBook(shared);
    }

private:
    QTemporaryDir m_data;
    edstesting::Fixture m_eds;
    std::shared_ptr<EdsStore> m_store;
};

QTEST_GUILESS_MAIN(TestEdsWrite)
#include "test_edswrite.moc"
