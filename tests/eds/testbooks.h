#pragma once
// Writes to the sandbox's desktop address book as other programs would: books created, contacts
// added, changed and removed through libebook.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

struct _ESourceRegistry;
struct _EBookClient;

class TestBooks {
public:
    TestBooks();
    ~TestBooks();
    TestBooks(const TestBooks&) = delete;
    TestBooks& operator=(const TestBooks&) = delete;

    // The built-in "Personal" book.
    static QString personal() { return QStringLiteral("system-address-book"); }
    // A new local book; returns its UID. backend: "local", or a name no factory knows.
    QString createBook(const QString& uid, const QString& name, const QString& backend = QStringLiteral("local"));
    // A book on a CardDAV server at url, signed in as user; returns its UID.
    QString createServerBook(const QString& uid, const QString& name, const QString& url, const QString& user);
    void removeBook(const QString& uid);
    // Adds a contact from vCard text; returns its UID.
    QString add(const QString& book, const QByteArray& vcard);
    // Adds many contacts at once; returns how many went in.
    int addMany(const QString& book, const QList<QByteArray>& vcards);
    // Replaces the contact's vCard (the text's UID is set to contact).
    void modify(const QString& book, const QString& contact, const QByteArray& vcard);
    void remove(const QString& book, const QString& contact);
    // Every error so far, empty when all went well.
    QString error() const { return m_error; }

private:
    _EBookClient* client(const QString& book);
    _ESourceRegistry* m_registry = nullptr;
    QHash<QString, _EBookClient*> m_clients;
    QString m_error;
};
