#include "syncengine.h"

#include "davhttp.h"
#include "davxml.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace contactclient::carddav {
namespace {

const QString kEtag = kDavNs + QStringLiteral("|getetag");
const QString kCtag = kCalServerNs + QStringLiteral("|getctag");
const QString kAddressData = kCardDavNs + QStringLiteral("|address-data");
const QString kResourceType = kDavNs + QStringLiteral("|resourcetype");

QString encodedPath(const QString& decodedPath)
{
    QUrl url;
    url.setPath(decodedPath, QUrl::DecodedMode);
    return url.path(QUrl::FullyEncoded);
}

QString collectionPath(const QUrl& book)
{
    QString path = book.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

DavError unexpected(const QUrl& url, const char* what, int status)
{
    return DavError(DavError::Http,
                    QStringLiteral("The CardDAV server answered %1 with HTTP %2 to %3.")
                        .arg(url.toDisplayString())
                        .arg(status)
                        .arg(QLatin1String(what)),
                    status);
}

QByteArray withCrLf(const QString& card)
{
    QString text = card.trimmed();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toUtf8() + "\r\n";
}

} // namespace

bool looksLikeVCard(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
    const QStringList lines = text.trimmed().split(lineBreak);
    if (lines.size() < 2 || lines.first().trimmed().compare(QStringLiteral("BEGIN:VCARD"), Qt::CaseInsensitive) != 0 ||
        lines.last().trimmed().compare(QStringLiteral("END:VCARD"), Qt::CaseInsensitive) != 0)
        return false;
    int depth = 0;
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1Char('\t')))
            continue; // folded continuation
        if (!line.contains(QLatin1Char(':')))
            return false;
        if (line.trimmed().compare(QStringLiteral("BEGIN:VCARD"), Qt::CaseInsensitive) == 0)
            ++depth;
        else if (line.trimmed().compare(QStringLiteral("END:VCARD"), Qt::CaseInsensitive) == 0 && --depth < 0)
            return false;
    }
    return depth == 0;
}

SyncEngine::SyncEngine(DavHttp& http, VdirCache& cache, SyncOptions options)
    : m_http(http), m_cache(cache), m_options(std::move(options))
{
}

bool SyncEngine::onServer(const QUrl& url) const
{
    // A card named on another server is not fetched from ours under a borrowed path.
    try {
        m_http.requireOnServer(url);
    } catch (const DavError&) {
        return false;
    }
    return url.isValid();
}

QString SyncEngine::memberPath(const QUrl& book, const QString& href) const
{
    if (href.contains(QChar(0)) || href.contains(QStringLiteral("%2f"), Qt::CaseInsensitive) ||
        href.contains(QStringLiteral("%00")))
        return {};
    const QUrl url = book.resolved(QUrl(href));
    if (!url.isValid() || !onServer(url))
        return {};
    const QString path = url.path(QUrl::FullyDecoded);
    const QString self = collectionPath(book);
    if (!path.startsWith(self))
        return {};
    const QString name = path.sliced(self.size());
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(0)) || name == QLatin1String(".") ||
        name == QLatin1String(".."))
        return {};
    return path;
}

std::optional<SyncEngine::Listing> SyncEngine::syncCollection(const QUrl& book, const QString& startToken)
{
    Listing listing;
    listing.full = startToken.isEmpty();
    QString token = startToken;
    const QString self = collectionPath(book);
    // A server that says its answer was cut short (507) and gives nothing more is not asked
    // without end: after a few such rounds the listing is taken from PROPFIND instead.
    constexpr int kMostRoundsWithoutProgress = 3;
    int withoutProgress = 0;
    for (int round = 0; round < 1000; ++round) {
        const DavReply reply = m_http.send("REPORT", book, syncCollectionBody(token), "0", kMaxListingReply);
        if (reply.status != 207) {
            if (!token.isEmpty() && (reply.status == 403 || reply.status == 409 || reply.status == 400)) {
                return syncCollection(book, QString()); // the token is no longer valid: list everything
            }
            if (reply.status == 400 || reply.status == 403 || reply.status == 405 || reply.status == 415 ||
                reply.status == 501)
                return std::nullopt; // no sync-collection here
            throw unexpected(book, "sync-collection", reply.status);
        }
        const Multistatus status = parseMultistatus(reply.body);
        bool truncated = false;
        bool progress = false;
        for (const DavResponse& r : status.responses) {
            const QUrl url = book.resolved(QUrl(r.href));
            if (url.isValid() && onServer(url)) {
                const QString path = url.path(QUrl::FullyDecoded);
                if (path == self || path + QLatin1Char('/') == self) {
                    truncated = truncated || r.status == 507;
                    continue;
                }
            }
            const QString path = memberPath(book, r.href);
            if (path.isEmpty()) {
                // A removed entry names nothing the copy could hold; any other is counted.
                if (r.status != 404 && !r.href.endsWith(QLatin1Char('/')))
                    ++listing.refused;
                continue;
            }
            progress = true;
            if (r.status == 404) {
                listing.changed.remove(path);
                listing.removed.append(path);
            } else {
                listing.changed.insert(path, r.properties.value(kEtag).text);
            }
        }
        listing.syncToken = status.syncToken;
        if (!truncated || status.syncToken.isEmpty() || status.syncToken == token)
            return listing;
        withoutProgress = progress ? 0 : withoutProgress + 1;
        if (withoutProgress >= kMostRoundsWithoutProgress)
            return std::nullopt;
        token = status.syncToken;
    }
    // Still cut short after all these rounds: the listing is not whole.
    return std::nullopt;
}

SyncEngine::Listing SyncEngine::etagListing(const QUrl& book)
{
    Listing listing;
    listing.full = true;
    const DavReply reply = m_http.send("PROPFIND", book, propfindBody({kResourceType, kEtag}), "1", kMaxListingReply);
    if (reply.status != 207)
        throw unexpected(book, "PROPFIND", reply.status);
    const QString self = collectionPath(book);
    for (const DavResponse& r : parseMultistatus(reply.body).responses) {
        if (r.isCollection())
            continue;
        const QString path = memberPath(book, r.href);
        if (path.isEmpty()) {
            const QUrl url = book.resolved(QUrl(r.href));
            const QString whole = url.path(QUrl::FullyDecoded);
            if (!(url.isValid() && onServer(url) && (whole == self || whole + QLatin1Char('/') == self)))
                ++listing.refused;
            continue;
        }
        listing.changed.insert(path, r.properties.value(kEtag).text);
    }
    return listing;
}

void SyncEngine::fetch(const QUrl& book, const QStringList& paths, SyncResult& result)
{
    for (qsizetype start = 0; start < paths.size(); start += m_options.batchSize) {
        const QStringList batch = paths.mid(start, m_options.batchSize);
        QStringList hrefs;
        for (const QString& path : batch)
            hrefs.append(encodedPath(path));
        const DavReply reply = m_http.send("REPORT", book, multigetBody(hrefs), "1",
                                           qint64(hrefs.size()) * kMaxCardReply + kMaxSmallReply);
        if (reply.status != 207)
            throw unexpected(book, "addressbook-multiget", reply.status);
        QSet<QString> answered;
        const QSet<QString> asked(batch.cbegin(), batch.cend());
        for (const DavResponse& r : parseMultistatus(reply.body).responses) {
            // Only the cards asked for: anything else in the answer is not written.
            const QString path = memberPath(book, r.href);
            if (path.isEmpty() || !asked.contains(path) || answered.contains(path))
                continue;
            answered.insert(path);
            const QString etag = r.properties.value(kEtag).text;
            if (r.status == 404 || (r.properties.isEmpty() && r.status >= 400)) {
                m_cache.removeCard(path); // gone since it was listed
                ++result.removed;
            } else if (const QString card = r.properties.value(kAddressData).text; looksLikeVCard(card)) {
                m_cache.writeCard(path, etag, withCrLf(card));
                ++result.written;
                if (m_options.cardWritten)
                    m_options.cardWritten(result.written);
            } else {
                m_cache.markBroken(path, etag);
            }
        }
        for (const QString& path : batch) {
            if (!answered.contains(path)) // the server would not give it: keep it out, count it
                m_cache.markBroken(path, QString());
        }
    }
}

bool SyncEngine::copyOnDisk() const
{
    const QSet<QString> onDisk = m_cache.filesOnDisk();
    const auto& index = m_cache.index();
    return std::all_of(index.cbegin(), index.cend(),
                       [&](const CachedCard& card) { return card.broken || onDisk.contains(card.file); });
}

SyncResult SyncEngine::run(const QUrl& book)
{
    QString collection = book.path(QUrl::FullyDecoded);
    if (!collection.endsWith(QLatin1Char('/')))
        collection += QLatin1Char('/');
    m_cache.setCollection(collection);
    m_cache.load();
    SyncState state = m_cache.state();
    const bool sameBook = m_cache.isComplete() && state.addressBook == book.toString();
    if (!sameBook)
        state = {};
    state.addressBook = book.toString();

    std::optional<Listing> listing;
    if (m_options.useSyncCollection)
        listing = syncCollection(book, state.syncToken);
    if (!listing) {
        QString ctag;
        const DavReply reply = m_http.send("PROPFIND", book, propfindBody({kCtag}), "0");
        if (reply.status == 207) {
            const Multistatus status = parseMultistatus(reply.body);
            if (!status.responses.isEmpty())
                ctag = status.responses.first().properties.value(kCtag).text;
        }
        if (sameBook && !ctag.isEmpty() && ctag == state.ctag && copyOnDisk()) {
            SyncResult unchanged;
            unchanged.broken = m_cache.brokenCount();
            return unchanged;
        }
        listing = etagListing(book);
        state.ctag = ctag;
        state.syncToken.clear();
    } else {
        state.syncToken = listing->syncToken;
    }

    SyncResult result;
    result.fullListing = listing->full;
    const auto& index = m_cache.index();
    QStringList wanted;
    for (auto it = listing->changed.cbegin(); it != listing->changed.cend(); ++it) {
        const auto known = index.constFind(it.key());
        if (known == index.cend() || it.value().isEmpty() || known->etag != it.value())
            wanted.append(it.key());
    }
    // A card whose file went from the copy (removed by hand, by a cache cleaner) is fetched again,
    // whether or not the server changed it.
    const QSet<QString> onDisk = m_cache.filesOnDisk();
    const QSet<QString> goneOnServer(listing->removed.cbegin(), listing->removed.cend());
    for (auto it = index.cbegin(); it != index.cend(); ++it) {
        if (it->broken || onDisk.contains(it->file) || goneOnServer.contains(it.key()))
            continue;
        const auto listed = listing->changed.constFind(it.key());
        const bool alreadyWanted =
            listed != listing->changed.cend() && (listed->isEmpty() || it->etag != *listed); // asked for above
        if (!alreadyWanted && (!listing->full || listed != listing->changed.cend()))
            wanted.append(it.key());
    }
    wanted.sort();
    QStringList removed = listing->removed;
    if (listing->full) {
        for (auto it = index.cbegin(); it != index.cend(); ++it)
            if (!listing->changed.contains(it.key()))
                removed.append(it.key());
    }
    fetch(book, wanted, result);
    for (const QString& path : std::as_const(removed)) {
        m_cache.removeCard(path);
        ++result.removed;
    }
    m_cache.removeStrayFiles();
    m_cache.commit(state);
    result.broken = m_cache.brokenCount() + listing->refused;
    return result;
}

} // namespace contactclient::carddav
