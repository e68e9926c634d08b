#include "cardwriter.h"

#include "contactclient/errors.h"
#include "contactclient/vcard/cardfile.h"
#include "davhttp.h"
#include "syncengine.h"
#include "vdircache.h"

#include <QDir>
#include <QObject>

namespace contactclient::carddav {
namespace {

QByteArray quoted(const QString& etag)
{
    const QByteArray bytes = etag.toUtf8();
    if (bytes.startsWith('"') || bytes.startsWith("W/"))
        return bytes;
    return '"' + bytes + '"';
}

bool succeeded(int status)
{
    return status >= 200 && status < 300;
}

// Answers that say "not now" rather than "not this": the change waits and is sent again.
bool passing(int status)
{
    return status == 408 || status == 423 || status == 429 || status == 500 || status == 502 || status == 503 ||
           status == 504 || status == 507;
}

QString fileNameOf(const QString& href)
{
    QString name = href.section(QLatin1Char('/'), -1);
    if (!name.endsWith(QStringLiteral(".vcf")))
        name += QStringLiteral(".vcf");
    return name;
}

} // namespace

CardWriter::CardWriter(VdirCache& cache, QUrl book, DavHttp* http, QString asideFolder)
    : m_cache(cache), m_book(std::move(book)), m_http(http), m_aside(std::move(asideFolder)), m_pending(cache.folder())
{
    m_queue = m_pending.load();
}

QString CardWriter::hrefFor(const QString& uid) const
{
    QString path = m_book.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + uid + QStringLiteral(".vcf");
}

QUrl CardWriter::urlOf(const QString& href) const
{
    QUrl url = m_book;
    url.setPath(href, QUrl::DecodedMode);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

CardWriter::Result CardWriter::write(PendingChange change)
{
    if (!m_queue.isEmpty() && m_http) {
        try {
            sendPending();
        } catch (const DavError&) {
            // The server still cannot take what waits: this change waits behind it.
        }
    }
    if (m_queue.isEmpty() && m_http) {
        Answer answer = Answer::Later;
        try {
            answer = send(change);
        } catch (const DavError& e) {
            if (e.kind() != DavError::Network)
                throw AutomationError(
                    errNotWritten, QObject::tr("The change to “%1” was not written: %2").arg(change.name, e.message()));
        }
        if (answer == Answer::Done)
            return Result::Sent;
        if (answer == Answer::Conflict) {
            takeServerCard(change.href);
            throw ConflictError(
                change.kind == PendingChange::Remove
                    ? QObject::tr("“%1” was changed on the address book server since it was read; it was not "
                                  "deleted.")
                          .arg(change.name)
                    : QObject::tr("“%1” was changed on the address book server since it was read; your change "
                                  "was not written.")
                          .arg(change.name));
        }
    }
    // Kept on disk first: once the queue holds it, nothing typed is lost whatever happens next.
    mergePending(m_queue, change);
    m_pending.save(m_queue);
    // The copy keeps the server's ETag of the card (none for a new one) until the change is sent.
    keepInCopy(change, m_cache.index().value(change.href).etag);
    return Result::Queued;
}

void CardWriter::sendPending()
{
    m_queue = m_pending.load();
    while (!m_queue.isEmpty()) {
        const PendingChange change = m_queue.front();
        Answer answer = Answer::Done;
        try {
            answer = send(change);
        } catch (const AutomationError& refused) {
            // Refused for good: the user's card is kept where it can be found, and said so.
            if (change.kind == PendingChange::Remove) {
                m_notes.append(QObject::tr("The address book server did not delete “%1”: %2")
                                   .arg(change.name, refused.description()));
            } else {
                const QString kept = keepCardAside(m_aside, fileNameOf(change.href), change.card);
                m_notes.append(QObject::tr("%1 Your version of the contact is kept in %2.")
                                   .arg(refused.description(), QDir::toNativeSeparators(kept)));
            }
            takeServerCard(change.href);
        }
        if (answer == Answer::Later)
            throw DavError(DavError::Network,
                           QObject::tr("The address book server does not take changes at the moment."));
        if (answer == Answer::Conflict) {
            if (change.kind == PendingChange::Remove) {
                m_notes.append(QObject::tr("“%1” was not deleted on the address book server: it was changed there "
                                           "meanwhile.")
                                   .arg(change.name));
            } else {
                const QString kept = keepCardAside(m_aside, fileNameOf(change.href), change.card);
                m_notes.append(QObject::tr("Your change to “%1” was not sent: the contact was changed on the address "
                                           "book server meanwhile. Your version is kept in %2.")
                                   .arg(change.name, QDir::toNativeSeparators(kept)));
            }
            takeServerCard(change.href);
        }
        m_queue.removeFirst();
        m_pending.save(m_queue);
    }
}

CardWriter::Answer CardWriter::send(const PendingChange& change)
{
    DavHeaders headers;
    if (change.kind == PendingChange::Add)
        headers.append({QByteArrayLiteral("If-None-Match"), QByteArrayLiteral("*")});
    else if (!change.etag.isEmpty())
        headers.append({QByteArrayLiteral("If-Match"), quoted(change.etag)});
    const bool remove = change.kind == PendingChange::Remove;
    if (!remove)
        headers.append({QByteArrayLiteral("Content-Type"), QByteArrayLiteral("text/vcard; charset=utf-8")});
    const QUrl url = urlOf(change.href);
    const DavReply reply = m_http->send(remove ? QByteArrayLiteral("DELETE") : QByteArrayLiteral("PUT"), url,
                                        remove ? QByteArray() : change.card, headers, kMaxSmallReply);
    if (reply.status == 412 || (!remove && change.kind == PendingChange::Change && reply.status == 404))
        return Answer::Conflict;
    if (passing(reply.status))
        return Answer::Later;
    if (remove && (succeeded(reply.status) || reply.status == 404 || reply.status == 410)) {
        m_cache.removeCard(change.href);
        m_cache.writeIndex();
        return Answer::Done;
    }
    if (!succeeded(reply.status))
        throw AutomationError(errNotWritten,
                              QObject::tr("The address book server refused the change to “%1” (HTTP %2).")
                                  .arg(change.name)
                                  .arg(reply.status));
    // The server's new ETag: from its answer, else from the card fetched again (a server that
    // changed the card as it stored it says so by sending none).
    QString etag = QString::fromUtf8(reply.etag);
    QByteArray card = change.card;
    if (etag.isEmpty()) {
        try {
            const DavReply fetched = m_http->send("GET", url, QByteArray(), DavHeaders{}, kMaxCardReply);
            if (fetched.status == 200 && looksLikeVCard(QString::fromUtf8(fetched.body))) {
                card = fetched.body;
                card.detach();
                etag = QString::fromUtf8(fetched.etag);
            }
        } catch (const DavError&) {
            // Written all the same: the next sync brings the ETag.
        }
    }
    m_cache.writeCard(change.href, etag, card);
    m_cache.writeIndex();
    return Answer::Done;
}

void CardWriter::takeServerCard(const QString& href)
{
    if (!m_http)
        return;
    try {
        const DavReply fetched = m_http->send("GET", urlOf(href), QByteArray(), DavHeaders{}, kMaxCardReply);
        if (fetched.status == 200 && looksLikeVCard(QString::fromUtf8(fetched.body))) {
            QByteArray card = fetched.body;
            card.detach();
            m_cache.writeCard(href, QString::fromUtf8(fetched.etag), card);
        } else if (fetched.status == 404 || fetched.status == 410) {
            m_cache.removeCard(href);
        } else {
            return;
        }
        m_cache.writeIndex();
    } catch (const DavError&) {
        // The next sync brings it.
    }
}

void CardWriter::keepInCopy(const PendingChange& change, const QString& etag)
{
    if (change.kind == PendingChange::Remove)
        m_cache.removeCard(change.href);
    else
        m_cache.writeCard(change.href, etag, change.card);
    m_cache.writeIndex();
}

} // namespace contactclient::carddav
