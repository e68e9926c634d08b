#pragma once
// Brings the local copy (VdirCache) up to date with one address book on the server:
// sync-collection from the stored token (everything the first time), or, on servers without it,
// getctag and the members' etags; then the changed cards with addressbook-multiget in batches.
// Cards are written as they arrive; the index and the sync token only at the end.

#include "vdircache.h"

#include <QUrl>

#include <chrono>
#include <functional>

namespace contactclient::carddav {

class DavHttp;

struct SyncOptions {
    bool useSyncCollection = true; // false: ctag and etags only (servers without sync-collection)
    int batchSize = 200;           // cards per addressbook-multiget
    // How long changes the server could not take wait before they are sent again.
    std::chrono::milliseconds sendRetry{30000};
    // Called after each card written, with the number written so far (tests stop a sync half-way
    // by throwing from here).
    std::function<void(int)> cardWritten;
};

struct SyncResult {
    int written = 0; // cards added or changed
    int removed = 0; // cards gone from the server
    int broken = 0;  // cards the server serves that cannot be read (all of them, not just new ones),
                     // hrefs that name no card of the collection among them
    bool fullListing = false;
};

// True when the text is one whole vCard (BEGIN:VCARD … END:VCARD, every line a property).
bool looksLikeVCard(const QString& text);

class SyncEngine {
public:
    SyncEngine(DavHttp& http, VdirCache& cache, SyncOptions options = {});
    // Throws DavError (network, authentication, protocol) or std::runtime_error (disk); the copy
    // stays whole either way.
    SyncResult run(const QUrl& addressBook);

private:
    struct Listing {
        QHash<QString, QString> changed; // decoded path -> etag (empty when the server did not say)
        QStringList removed;
        QString syncToken;
        bool full = false;
        int refused = 0; // members named by an href that is no card of the collection, left out
    };
    std::optional<Listing> syncCollection(const QUrl& book, const QString& token);
    Listing etagListing(const QUrl& book);
    void fetch(const QUrl& book, const QStringList& paths, SyncResult& result);
    // Whether the server may be asked for the URL (one of ours, and allowed).
    bool onServer(const QUrl& url) const;
    // The decoded path of a card the href names directly inside the collection; empty for an href
    // that leads out of it, to another server, into a sub-folder, or holds a NUL or an encoded
    // slash: such an entry is left out, the rest of the answer kept.
    QString memberPath(const QUrl& book, const QString& href) const;
    // Whether every card file the index names is in the folder.
    bool copyOnDisk() const;

    DavHttp& m_http;
    VdirCache& m_cache;
    SyncOptions m_options;
};

} // namespace contactclient::carddav
