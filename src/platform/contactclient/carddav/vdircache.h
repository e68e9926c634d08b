#pragma once
// The local copy of one CardDAV address book: a vdir folder of .vcf files, one card each, that the
// vCard folder back-end reads, plus two small files of our own that the folder back-end ignores:
//   .quintel-index.json  which server resource each file holds, and its etag
//   .quintel-sync.json   the address book, its sync token and ctag: written last, after a sync
//                        has finished, so its presence means a complete copy
//   .quintel-written     while a sync runs, the card files it has written
// Every file is replaced atomically (temporary file, then rename): a sync killed half-way leaves
// whole cards and the previous sync state, and the next sync repairs the rest.

#include "safefile.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QString>

#include <memory>

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

// What the sync state file alone tells, read without the index.
struct CopyState {
    bool complete = false; // a sync has finished once
    SyncState state;
    int broken = -1; // cards the last sync could not read; -1: not recorded
    // The sub-folder that holds the copy's cards when a back-end keeps them packed in generations
    // of their own (LDAP); empty: the cards lie in the folder itself (CardDAV).
    QString packs;
};

class VdirCache {
public:
    explicit VdirCache(QString folder);

    QString folder() const { return m_folder; }

    // Reads the index and the sync state; missing or damaged files read as empty.
    void load();
    // The sync state alone (a small file, where the index of a large copy is megabytes).
    static CopyState readState(const QString& folder);
    // True when a sync has finished once (the sync state exists).
    bool isComplete() const { return m_complete; }
    const SyncState& state() const { return m_state; }
    const QHash<QString, CachedCard>& index() const { return m_index; }
    int brokenCount() const;

    // The address book's own path (decoded, ending in '/'): its members keep their own names.
    void setCollection(const QString& collectionPath) { m_collection = collectionPath; }

    // The file name for a server resource (by its decoded path): its own name when it lies
    // directly in the collection and the name is a plain one ending in .vcf, else "_" and a hash
    // of the whole path (a plain name never starts with "_"). Distinct paths never share a file.
    QString fileNameFor(const QString& hrefPath) const;
    // The names of the card files in the folder now.
    QSet<QString> filesOnDisk() const;

    // Writes a card atomically and records it. Throws std::runtime_error when the disk refuses.
    void writeCard(const QString& hrefPath, const QString& etag, const QByteArray& data);
    void markBroken(const QString& hrefPath, const QString& etag);
    void removeCard(const QString& hrefPath);
    // Removes .vcf files the copy wrote that the index no longer names, and leftover temporary
    // files. Files the copy did not write are never removed.
    void removeStrayFiles();
    // Writes the index, then the sync state (in that order).
    void commit(const SyncState& state);
    // Writes the index alone, atomically: after a change the program made itself, which leaves the
    // sync state as it is. Throws std::runtime_error when the disk refuses.
    void writeIndex();
    // The server resource whose card lies in the file; empty when the index names none.
    QString hrefOfFile(const QString& file) const;
    // Writes the sync state file alone, atomically, with its time set to now, the number of cards
    // that could not be read and the sub-folder of packed cards (none: empty). Throws
    // std::runtime_error when the disk refuses.
    static void writeState(const QString& folder, SyncState& state, int broken, const QString& packs = {});
    // Removes every card file this copy wrote (its index and journal name them), then the index and
    // the journal: for a copy whose cards have moved elsewhere. Cards of others stay.
    void removeOwnCards();

    static inline const QString kIndexFile = QStringLiteral(".quintel-index.json");
    static inline const QString kStateFile = QStringLiteral(".quintel-sync.json");
    // The card files a sync has written, named before each is written: a sync stopped before its
    // index was written leaves files the next sync may remove, knowing they are its own.
    static inline const QString kJournalFile = QStringLiteral(".quintel-written");

private:
    void noteWritten(const QString& file);
    // Creates a card that no one has yet; false when the name is taken (or the folder cannot be
    // opened), then nothing was written.
    bool createCard(const QString& file, const QByteArray& data);

    QString m_folder;
    QString m_collection;
    QSet<QString> m_ownFiles; // card files this copy has written (its index, its journal)
    std::unique_ptr<QFile> m_journal;
    safefile::Fd m_dir; // the folder, for writing a fresh copy's cards
    QHash<QString, CachedCard> m_index;
    SyncState m_state;
    bool m_complete = false;
};

// Writes data to path atomically; throws std::runtime_error naming the file on failure.
void writeFileAtomically(const QString& path, const QByteArray& data);

} // namespace contactclient::carddav
