#include "discovery.h"

#include "davhttp.h"
#include "davxml.h"

namespace contactclient::carddav {
namespace {

const QString kResourceType = kDavNs + QStringLiteral("|resourcetype");
const QString kDisplayName = kDavNs + QStringLiteral("|displayname");
const QString kPrincipal = kDavNs + QStringLiteral("|current-user-principal");
const QString kHomeSet = kCardDavNs + QStringLiteral("|addressbook-home-set");

constexpr int kMaxSubCollections = 20;

QString normalPath(const QUrl& url)
{
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

std::optional<Multistatus> propfind(DavHttp& http, const QUrl& url, const QStringList& props, const QByteArray& depth,
                                    QUrl* answeredAt = nullptr)
{
    const DavReply reply = http.send("PROPFIND", url, propfindBody(props), depth);
    if (reply.status != 207)
        return std::nullopt;
    if (answeredAt)
        *answeredAt = reply.url;
    return parseMultistatus(reply.body);
}

// An address the server names, refused (as a server fault) when it is not on the server itself.
QUrl onServer(const DavHttp& http, const QUrl& base, const QString& href)
{
    QUrl url = base.resolved(QUrl(href));
    http.requireOnServer(url);
    return url;
}

QUrl firstHref(const DavHttp& http, const QUrl& base, const Multistatus& status, const QString& property)
{
    for (const DavResponse& r : status.responses) {
        const QStringList hrefs = r.properties.value(property).hrefs;
        if (!hrefs.isEmpty())
            return onServer(http, base, hrefs.first());
    }
    return {};
}

// The address books among a collection's members; plain collections go to *others.
void collectMembers(DavHttp& http, const QUrl& collection, QList<AddressBookInfo>& books, QList<QUrl>* others)
{
    QUrl base = collection;
    const auto members = propfind(http, collection, {kResourceType, kDisplayName}, "1", &base);
    if (!members)
        return;
    for (const DavResponse& r : members->responses) {
        const QUrl url = onServer(http, base, r.href);
        if (r.isAddressBook()) {
            const bool known = std::any_of(books.cbegin(), books.cend(), [&](const AddressBookInfo& b) {
                return normalPath(b.url) == normalPath(url);
            });
            if (!known)
                books.append({url, r.properties.value(kDisplayName).text});
        } else if (others && r.isCollection() && normalPath(url) != normalPath(base)) {
            others->append(url);
        }
    }
}

} // namespace

QList<AddressBookInfo> findAddressBooks(DavHttp& http, const QUrl& start)
{
    QUrl base = start;
    std::optional<Multistatus> self;
    const auto ask = [&](const QUrl& url) {
        try {
            return propfind(http, url, {kResourceType, kDisplayName, kPrincipal, kHomeSet}, "0", &base);
        } catch (const DavError& e) {
            // Some servers refuse to name the principal of an anonymous user: ask without it.
            if (e.kind() != DavError::Auth || http.hasCredentials())
                throw;
            return propfind(http, url, {kResourceType, kDisplayName, kHomeSet}, "0", &base);
        }
    };
    if (start.path() == QStringLiteral("/") || start.path().isEmpty()) {
        QUrl wellKnown = start;
        wellKnown.setPath(QStringLiteral("/.well-known/carddav"));
        self = ask(wellKnown);
    }
    if (!self) {
        base = start;
        self = ask(start);
    }
    if (!self)
        throw DavError(DavError::Protocol,
                       QStringLiteral("%1 is not a CardDAV server or address book.").arg(start.toDisplayString()));

    QList<AddressBookInfo> books;
    for (const DavResponse& r : self->responses) {
        if (r.isAddressBook())
            books.append({onServer(http, base, r.href), r.properties.value(kDisplayName).text});
    }
    if (!books.isEmpty())
        return books;

    QUrl home = firstHref(http, base, *self, kHomeSet);
    if (home.isEmpty()) {
        const QUrl principal = firstHref(http, base, *self, kPrincipal);
        if (!principal.isEmpty()) {
            QUrl principalBase = principal;
            if (const auto p = propfind(http, principal, {kHomeSet}, "0", &principalBase))
                home = firstHref(http, principalBase, *p, kHomeSet);
        }
    }
    if (home.isEmpty())
        home = base; // no principal (anonymous access): look below the address itself

    QList<QUrl> others;
    collectMembers(http, home, books, &others);
    if (books.isEmpty()) {
        for (const QUrl& other : others.mid(0, kMaxSubCollections))
            collectMembers(http, other, books, nullptr);
    }
    return books;
}

QUrl discoverAddressBook(DavHttp& http, const QUrl& start, const QString& wanted)
{
    const QList<AddressBookInfo> books = findAddressBooks(http, start);
    if (books.isEmpty())
        throw DavError(DavError::Protocol,
                       QStringLiteral("There is no address book at %1.").arg(start.toDisplayString()));
    if (wanted.trimmed().isEmpty())
        return books.first().url;
    const QString wantedPath = normalPath(start.resolved(QUrl(wanted.trimmed())));
    QStringList names;
    for (const AddressBookInfo& book : books) {
        if (normalPath(book.url) == wantedPath || book.displayName == wanted.trimmed())
            return book.url;
        names.append(book.displayName.isEmpty() ? book.url.path() : book.displayName);
    }
    throw DavError(DavError::Protocol, QStringLiteral("The address book \"%1\" is not on the server; it has: %2.")
                                           .arg(wanted, names.join(QStringLiteral(", "))));
}

} // namespace contactclient::carddav
