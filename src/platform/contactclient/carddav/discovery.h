#pragma once
// Finds the address book to use from the configured address: the address book itself, or a bare
// server (/.well-known/carddav, current-user-principal, addressbook-home-set, the address books
// found there).

#include <QList>
#include <QString>
#include <QUrl>

namespace contactclient::carddav {

class DavHttp;

struct AddressBookInfo {
    QUrl url;
    QString displayName;
};

// All address books reachable from the address, in the server's order.
QList<AddressBookInfo> findAddressBooks(DavHttp& http, const QUrl& start);

// The wanted address book (its path, full URL or display name), or the first when wanted is
// empty. Throws DavError(Protocol) when there is none, or the wanted one is not among them.
QUrl discoverAddressBook(DavHttp& http, const QUrl& start, const QString& wanted);

} // namespace contactclient::carddav
