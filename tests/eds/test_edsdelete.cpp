// Removing a contact from the desktop's address book and choosing the book a new one goes to,
// against a real evolution-data-server on a private bus: a contact changed in its book since it
// was read is not removed (the user decides again on what it holds now); the books that take new
// contacts are offered by name, and a new contact lands in the one asked for.

#include "edsfixture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using edstesting::inBook;
using edstesting::openStore;

class TestEdsDelete : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        m_eds.start(m_data.path());
        m_home = m_eds.books->createBook(QStringLiteral("quintel-test-home"), QStringLiteral("Home"));
        m_eds.check();
        m_store = openStore(QStringLiteral("Work;Home"));
    }

    void cleanupTestCase()
    {
        m_store.reset();
        m_eds.stop();
    }

    // What happened in the book between reading the contact and deleting it.
    void deleteAfterAChangeInTheBook_data()
    {
        QTest::addColumn<QString>("meanwhile"); // "nothing", "changed", "changed, then read again", "removed"
        QTest::addColumn<int>("error");         // of Delete(); 0: deleted
        QTest::newRow("nothing") << QStringLiteral("nothing") << 0;
        QTest::newRow("changed by another program") << QStringLiteral("changed") << int(errConflict);
        QTest::newRow("changed, then the card read again") << QStringLiteral("changed, then read again") << 0;
        QTest::newRow("removed by another program") << QStringLiteral("removed") << int(errItemNotFound);
    }
    void deleteAfterAChangeInTheBook()
    {
        QFETCH(QString, meanwhile);
        QFETCH(int, error);
        const QString uid = m_eds.add(m_eds.work, QStringLiteral("FN:Eve Early\nN:Early;Eve;;;"));
        auto item = m_store->itemFromId(eds::entryId(m_eds.work, uid));
        QCOMPARE(item->FullName(), QStringLiteral("Eve Early"));
        if (meanwhile.startsWith(QLatin1String("changed")))
            m_eds.modify(m_eds.work, uid, QStringLiteral("FN:Eve Later\nN:Later;Eve;;;\nTEL:+49 30 1"));
        if (meanwhile == QLatin1String("removed"))
            m_eds.books->remove(m_eds.work, uid);
        m_eds.check();
        if (meanwhile.endsWith(QLatin1String("read again"))) {
            item->form();
            QCOMPARE(item->FullName(), QStringLiteral("Eve Later"));
        }

        int thrown = 0;
        QString description;
        try {
            item->Delete();
        } catch (const AutomationError& e) {
            thrown = e.number();
            description = e.description();
        }
        QCOMPARE(thrown, error);
        if (error == int(errConflict)) {
            // Nothing removed, and the user is told which contact and book.
            QVERIFY2(description.contains(QStringLiteral("“Eve Early”")) &&
                         description.contains(QStringLiteral("“Work”")),
                     qPrintable(description));
            QVERIFY(inBook(m_eds.work, uid).contains("FN:Eve Later"));
            // Read again (as the card does to show it), the contact can be deleted.
            QCOMPARE(item->form().fullName, QStringLiteral("Eve Later"));
            item->Delete();
        }
        QCOMPARE(inBook(m_eds.work, uid), QByteArray());
    }

    // Both books take new contacts: offered in the order read, by name; one asked for by its
    // key receives the contact, the empty key is the first.
    void newContactBooks_data()
    {
        QTest::addColumn<QString>("asked"); // "work", "home" or "" (the first)
        QTest::addColumn<QString>("landsIn");
        QTest::newRow("the first") << QString() << QStringLiteral("work");
        QTest::newRow("the second") << QStringLiteral("home") << QStringLiteral("home");
        QTest::newRow("the first by its key") << QStringLiteral("work") << QStringLiteral("work");
    }
    void newContactBooks()
    {
        QFETCH(QString, asked);
        QFETCH(QString, landsIn);
        const QList<ContactBook> books = m_store->newContactBooks();
        QCOMPARE(books, (QList<ContactBook>{{m_eds.work, QStringLiteral("Work")}, {m_home, QStringLiteral("Home")}}));
        const auto key = [this](const QString& name) { return name == QLatin1String("home") ? m_home : m_eds.work; };
        auto item = m_store->newItem(asked.isEmpty() ? QString() : key(asked));
        ContactForm form;
        form.fullName = QStringLiteral("Flo Field");
        item->setForm(form);
        item->Save();
        QString book;
        QString uid;
        QVERIFY(eds::parseEntryId(item->EntryID(), book, uid));
        QCOMPARE(book, key(landsIn));
        QVERIFY(inBook(key(landsIn), uid).contains("FN:Flo Field"));
        m_eds.books->remove(book, uid);
        try {
            m_store->newItem(QStringLiteral("no-such-book"));
            QFAIL("a new contact made in a book that is not there");
        } catch (const AutomationError& e) {
            QCOMPARE(e.number(), int(errBadValue));
        }
    }

private:
    QTemporaryDir m_data;
    edstesting::Fixture m_eds;
    QString m_home;
    std::shared_ptr<EdsStore> m_store;
};

QTEST_GUILESS_MAIN(TestEdsDelete)
#include "test_edsdelete.moc"
