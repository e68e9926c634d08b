#pragma once
// What the tests against a private desktop address book share: the sandbox this process enters,
// with a book "Work" beside the built-in "Personal" one; cards as other programs write them; the
// store opened on the sandbox's books.

#include "edssandbox.h"
#include "testbooks.h"

#include "contactclient/eds/edsbooks.h"
#include "contactclient/eds/edsregistry.h"
#include "contactclient/eds/edsstore.h"

#include <QTest>

#include <memory>

#include <signal.h>

namespace edstesting {

// A vCard 3.0 of these lines ("\n" between them).
inline QByteArray card(const QString& lines)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines.toUtf8().replace("\n", "\r\n") + "\r\nEND:VCARD\r\n";
}

// The store on the books named (all when empty), opened.
inline std::shared_ptr<contactclient::EdsStore> openStore(const QString& books = {})
{
    auto store = std::make_shared<contactclient::EdsStore>(
        contactclient::EdsStore::Options{books, std::chrono::seconds(20), std::chrono::milliseconds(50)});
    store->open();
    return store;
}

// The contact's vCard as the book holds it, read as another program would; empty when it is gone.
inline QByteArray inBook(const QString& book, const QString& uid)
{
    contactclient::eds::Registry registry(std::chrono::seconds(20));
    QString why;
    contactclient::eds::GRef<EBookClient> client = registry.openBook(book, std::chrono::seconds(20), why, false);
    if (!client)
        return "cannot open: " + why.toUtf8();
    const std::optional<contactclient::eds::ContactText> contact =
        contactclient::eds::readContact(client.get(), uid, std::chrono::seconds(20));
    return contact ? contact->vcard : QByteArray();
}

class Fixture {
public:
    // From initTestCase: the sandbox entered (with a data folder of the test's own when given),
    // "Work" made. Fails the test case when it cannot.
    void start(const QString& dataHome = {})
    {
        sandbox = std::make_unique<EdsSandbox>();
        QVERIFY2(sandbox->start(), qPrintable(sandbox->error()));
        sandbox->enterThisProcess();
        if (!dataHome.isEmpty())
            qputenv("XDG_DATA_HOME", dataHome.toUtf8());
        books = std::make_unique<TestBooks>();
        work = books->createBook(QStringLiteral("quintel-test-work"), QStringLiteral("Work"));
        QVERIFY2(books->error().isEmpty(), qPrintable(books->error()));
    }
    // From cleanupTestCase, once the test's stores are gone.
    void stop()
    {
        books.reset();
        // libebook's own bus connections end the process (SIGTERM) when their bus goes away.
        ::signal(SIGTERM, SIG_IGN);
        if (sandbox)
            sandbox->stop();
    }
    // Adds a card of these lines to the book, as another program would; its UID.
    QString add(const QString& book, const QString& lines)
    {
        const QString uid = books->add(book, card(lines));
        check();
        return uid;
    }
    void modify(const QString& book, const QString& uid, const QString& lines)
    {
        books->modify(book, uid, card(lines));
        check();
    }
    // Every change to the books so far went through; the running test fails (and goes on) if not.
    void check() { QVERIFY2(books->error().isEmpty(), qPrintable(books->error())); }

    std::unique_ptr<EdsSandbox> sandbox;
    std::unique_ptr<TestBooks> books;
    QString work;
};

} // namespace edstesting
