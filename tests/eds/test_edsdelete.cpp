// Removing a contact from the desktop's address book and choosing the book a new one goes to,
// against a real evolution-data-server on a private bus: a contact changed in its book since it
// was read is not removed (the user decides again on what it holds now); the books that take new
// contacts are offered by name, and a new contact lands in the one asked for.

#include "edssandbox.h"
#include "testbooks.h"

#include "contactclient/eds/edsbooks.h"
#include "contactclient/eds/edsregistry.h"
#include "contactclient/eds/edsstore.h"

#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

using namespace contactclient;

namespace {

QByteArray card(const QString& lines)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines.toUtf8().replace("\n", "\r\n") + "\r\nEND:VCARD\r\n";
}

std::shared_ptr<EdsStore> openStore(const QString& books)
{
    EdsStore::Options options;
    options.books = books;
    options.wait = std::chrono::seconds(20);
    options.settle = std::chrono::milliseconds(50);
    auto store = std::make_shared<EdsStore>(options);
    store->open();
    return store;
}

// The contact's vCard as the book holds it, read as another program would; empty when it is gone.
QByteArray inBook(const QString& book, const QString& uid)
{
    eds::Registry registry(std::chrono::seconds(20));
    QString why;
    eds::GRef<EBookClient> client = registry.openBook(book, std::chrono::seconds(20), why, false);
    if (!client)
        return "cannot open: " + why.toUtf8();
    const std::optional<eds::ContactText> contact = eds::readContact(client.get(), uid, std::chrono::seconds(20));
    return contact ? contact->vcard : QByteArray();
}

} // namespace

class TestEdsDelete : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        m_sandbox = std::make_unique<EdsSandbox>();
        QVERIFY2(m_sandbox->start(), qPrintable(m_sandbox->error()));
        m_sandbox->enterThisProcess();
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        m_books = std::make_unique<TestBooks>();
        m_work = m_books->createBook(QStringLiteral("quintel-test-work"), QStringLiteral("Work"));
        m_home = m_books->createBook(QStringLiteral("quintel-test-home"), QStringLiteral("Home"));
        QVERIFY2(m_books->error().isEmpty(), qPrintable(m_books->error()));
        m_store = openStore(QStringLiteral("Work;Home"));
    }

    void cleanupTestCase()
    {
        m_store.reset();
        m_books.reset();
        // libebook's own bus connections end the process (SIGTERM) when their bus goes away.
        ::signal(SIGTERM, SIG_IGN);
        if (m_sandbox)
            m_sandbox->stop();
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
        const QString uid = m_books->add(m_work, card(QStringLiteral("FN:Eve Early\nN:Early;Eve;;;")));
        QVERIFY2(m_books->error().isEmpty(), qPrintable(m_books->error()));
        auto item = m_store->itemFromId(eds::entryId(m_work, uid));
        QCOMPARE(item->FullName(), QStringLiteral("Eve Early"));
        if (meanwhile.startsWith(QLatin1String("changed")))
            m_books->modify(m_work, uid, card(QStringLiteral("FN:Eve Later\nN:Later;Eve;;;\nTEL:+49 30 1")));
        if (meanwhile == QLatin1String("removed"))
            m_books->remove(m_work, uid);
        QVERIFY2(m_books->error().isEmpty(), qPrintable(m_books->error()));
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
            QVERIFY(inBook(m_work, uid).contains("FN:Eve Later"));
            // Read again (as the card does to show it), the contact can be deleted.
            QCOMPARE(item->form().fullName, QStringLiteral("Eve Later"));
            item->Delete();
        }
        QCOMPARE(inBook(m_work, uid), QByteArray());
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
        QCOMPARE(books, (QList<ContactBook>{{m_work, QStringLiteral("Work")}, {m_home, QStringLiteral("Home")}}));
        const auto key = [this](const QString& name) { return name == QLatin1String("home") ? m_home : m_work; };
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
        m_books->remove(book, uid);
        try {
            m_store->newItem(QStringLiteral("no-such-book"));
            QFAIL("a new contact made in a book that is not there");
        } catch (const AutomationError& e) {
            QCOMPARE(e.number(), int(errBadValue));
        }
    }

private:
    QTemporaryDir m_data;
    std::unique_ptr<EdsSandbox> m_sandbox;
    std::unique_ptr<TestBooks> m_books;
    QString m_work;
    QString m_home;
    std::shared_ptr<EdsStore> m_store;
};

QTEST_GUILESS_MAIN(TestEdsDelete)
#include "test_edsdelete.moc"
