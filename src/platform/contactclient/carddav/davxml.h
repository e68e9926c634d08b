#pragma once
// The WebDAV/CardDAV XML the back-end sends and reads: request bodies, and a multistatus answer
// read into plain records.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace contactclient::carddav {

inline const QString kDavNs = QStringLiteral("DAV:");
inline const QString kCardDavNs = QStringLiteral("urn:ietf:params:xml:ns:carddav");
inline const QString kCalServerNs = QStringLiteral("http://calendarserver.org/ns/");

// One property of a response, found with status 200.
struct DavProperty {
    QString text;         // the text of the element and everything in it (trimmed, except address-data)
    QStringList hrefs;    // DAV:href elements inside it
    QStringList children; // "namespace|name" of its direct child elements (for resourcetype)
};

struct DavResponse {
    QString href;   // as the server wrote it (percent-encoded path or URL)
    int status = 0; // the response's own status line (sync-collection: 404 for a removed member), else 0
    QHash<QString, DavProperty> properties; // "namespace|name" -> property

    bool has(const QString& ns, const QString& name) const { return properties.contains(ns + QLatin1Char('|') + name); }
    DavProperty property(const QString& ns, const QString& name) const
    {
        return properties.value(ns + QLatin1Char('|') + name);
    }
    bool isAddressBook() const;
    bool isCollection() const;
};

struct Multistatus {
    QList<DavResponse> responses;
    QString syncToken;
};

// Reads a 207 answer; throws DavError(Protocol) when it is not one.
Multistatus parseMultistatus(const QByteArray& xml);

// PROPFIND asking for the named properties ("namespace|name").
QByteArray propfindBody(const QStringList& properties);
// REPORT sync-collection from the token (empty: everything), asking for the etags.
QByteArray syncCollectionBody(const QString& syncToken);
// REPORT addressbook-multiget for the hrefs (encoded paths), asking for etags and cards.
QByteArray multigetBody(const QStringList& hrefs);

} // namespace contactclient::carddav
