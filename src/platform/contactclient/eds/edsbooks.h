#pragma once
// Which of the desktop's address books the bar reads, and how an item names its book and contact.
// Plain rules without libebook, so that they can be tested without the desktop's address book.

#include <QList>
#include <QString>
#include <QStringList>

namespace contactclient::eds {

struct BookInfo {
    QString uid;
    QString name;
    bool isDefault = false; // the desktop's default address book
    bool local = true;      // kept on this machine ("local" back-end): read directly, never locked
};

// The registry's order: the default book first, then by name (letter case aside), then by UID.
QList<BookInfo> inRegistryOrder(QList<BookInfo> books);

// The books a setting names. The setting lists books by UID or by name (letter case aside),
// separated by ";"; empty or "*" is every enabled book in the registry's order. Books are read
// in the order the setting lists them; a book listed twice is read once.
struct BookChoice {
    QList<BookInfo> books;
    QStringList unknown; // entries that name no enabled book
};
BookChoice chooseBooks(const QList<BookInfo>& enabled, const QString& setting);

// "<book UID>/<contact UID>": a book's UID never holds a "/", a contact's may.
QString entryId(const QString& bookUid, const QString& contactUid);
bool parseEntryId(const QString& entryId, QString& bookUid, QString& contactUid);

} // namespace contactclient::eds
