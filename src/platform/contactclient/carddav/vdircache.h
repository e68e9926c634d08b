#pragma once
// The local copy of one CardDAV address book: a vdir folder of .vcf files, one card each, that the
// vCard folder back-end reads, plus two small files of our own that the folder back-end ignores:
//   .quintel-index.json  which server resource each file holds, and its etag
//   .quintel-sync.json   the address book, its sync token and ctag: written last, after a sync
//                        has finished, so its presence means a complete copy
// Every file is replaced atomically (temporary file, then rename): a sync killed half-way leaves
// whole cards and the previous sync state, and the next sync repairs the rest.

#include <QHash>
#include <QString>

namespace contactclient::carddav {

struct CachedCard {
    QString file; // file name in the folder
    QString etag;
    bool broken = false; // the server's card could not be read; no file was written
};

struct SyncState {
    QString addressBook; // URL of the address book the copy is of
    QString syncToken;   // sync-collection token; empty when the server has none
    QString ctag;        // getctag, for servers without sync-collection
    QString syncedAt;    // ISO date and time of the last complete sync
};

class VdirCache {
public:
    explicit VdirCache(QString folder);

    QString folder() const { return m_folder; }

    // Reads the index and the sync state; missing or damaged files read as empty.
    void load();
    // True when a sync has finished once (the sync state exists).
    bool isComplete() const { return m_complete; }
    const SyncState& state() const { return m_state; }
    const QHash<QString, CachedCard>& index() const { return m_index; }
    int brokenCount() const;

    // The file name for a server resource (by its decoded path): its own name when that is a
    // plain one ending in .vcf, else a hash of the path.
    static QString fileNameFor(const QString& hrefPath);

    // Writes a card atomically and records it. Throws std::runtime_error when the disk refuses.
    void writeCard(const QString& hrefPath, const QString& etag, const QByteArray& data);
    void markBroken(const QString& hrefPath, const QString& etag);
    void removeCard(const QString& hrefPath);
    // Removes .vcf files the index does not name, and leftover temporary files.
    void removeStrayFiles();
    // Writes the index, then the sync state (in that order).
    void commit(const SyncState& state);

    static inline const QString kIndexFile = QStringLiteral(".quintel-index.json");
    static inline const QString kStateFile = QStringLiteral(".quintel-sync.json");

private:
    QString m_folder;
    QHash<QString, CachedCard> m_index;
    SyncState m_state;
    bool m_complete = false;
};

// Writes data to path atomically; throws std::runtime_error naming the file on failure.
void writeFileAtomically(const QString& path, const QByteArray& data);

} // namespace contactclient::carddav
