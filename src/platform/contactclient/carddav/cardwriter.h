#pragma once
// Writing contacts of a CardDAV address book: a changed card goes to the server with PUT and
// If-Match (the ETag the copy holds), a new one with If-None-Match: * at a name of its own, a
// removal with DELETE and If-Match. A 412 means the card was changed on the server meanwhile:
// nothing is written, the copy takes the server's card, and ConflictError is thrown. The copy takes
// every change that went through, with the server's new ETag (from the answer's header, else
// fetched again).
//
// While the server cannot be reached (or cannot be asked: no password) the change goes into the
// pending queue (pendingchanges.h) and into the copy, so that the lists show it; the queue is sent
// in its order, with the same checks, before anything else the next time the server is asked. A
// queued change the server then refuses (a conflict, a card it will not take) is not lost: the
// user's card is kept aside and a note says where.

#include "pendingchanges.h"

#include <QStringList>
#include <QUrl>

namespace contactclient::carddav {

class DavHttp;
class VdirCache;

class CardWriter {
public:
    enum class Result { Sent, Queued };

    // cache: the copy, loaded. book: the address book's URL. http: null when the server cannot be
    // asked now (every change is queued). asideFolder: where queued cards the server refused are kept.
    CardWriter(VdirCache& cache, QUrl book, DavHttp* http, QString asideFolder);

    // Sends a change (after the ones waiting) or queues it; the copy takes it either way. Throws
    // ConflictError (the copy then holds the server's card), errNotWritten (refused, nothing
    // kept), or errNotWritten when neither the copy nor the queue can be written.
    Result write(PendingChange change);
    // Sends the waiting changes in order, stopping at the first the server cannot take now. Throws
    // DavError when the server cannot be reached (what waits stays), std::runtime_error or
    // AutomationError when the disk refuses.
    void sendPending();

    int waiting() const { return int(m_queue.size()); }
    // What the user should be told of queued changes the server refused.
    QStringList notes() const { return m_notes; }

    // For the tests: the href of a new card with this UID in the book.
    QString hrefFor(const QString& uid) const;

private:
    enum class Answer { Done, Conflict, Later };
    // Sends one change; Later when the server cannot take it now. Throws AutomationError when it
    // refuses the change for good.
    Answer send(const PendingChange& change);
    // The copy takes the server's card (or its removal) after a conflict.
    void takeServerCard(const QString& href);
    void keepInCopy(const PendingChange& change, const QString& etag);
    QUrl urlOf(const QString& href) const;

    VdirCache& m_cache;
    QUrl m_book;
    DavHttp* m_http;
    QString m_aside;
    PendingChanges m_pending;
    QList<PendingChange> m_queue;
    QStringList m_notes;
};

} // namespace contactclient::carddav
