#pragma once
// The local copy of a directory, its cards packed: a thousand cards to a .vcf file rather than
// one file each (at 100,000 entries, creating the files was most of a first download).
//
//   <copy>/.quintel-sync.json   the state (as for CardDAV), naming the generation that holds the
//                               cards; written last, so it only ever names a complete generation
//   <copy>/g000007/             one generation: packs p000005-0001.vcf … and .quintel-packs, the
//                               line-per-entry index (entry key, pack, position, version)
//
// A generation is never changed once the state names it. A refresh that changes anything writes
// a new one: new and changed entries into new packs, packs that lost an entry written again
// under a new name, packs that did not change linked over. The state then names the new
// generation in one atomic rename, so a refresh that breaks off leaves the previous copy whole.
//
// Identity: a pack's name carries the generation that wrote it, and generations only count up,
// so a name is never used twice and "pack.vcf#N" names the same entry for as long as the pack
// exists. A changed or deleted entry's EntryID then resolves to nothing, never to another
// contact; the bar finds the contact again by name.
//
// An older copy with one file per entry (no generation named) is read as it is until the first
// refresh writes a generation; its files are removed by the refresh after that, when no reader
// of this program is on them any more.

#include "contactclient/carddav/vdircache.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace contactclient::ldap {

struct PackedEntry {
    QString pack;     // file name in the generation; empty for an entry without a name
    int position = 0; // 1-based place in the pack
    QString version;  // modifyTimestamp/entryCSN when it was written
    bool nameless() const { return pack.isEmpty(); }
};

class PackedCopy {
public:
    explicit PackedCopy(QString folder, int packSize = 1000);
    ~PackedCopy();
    PackedCopy(const PackedCopy&) = delete;
    PackedCopy& operator=(const PackedCopy&) = delete;

    // Reads the state and the index of the generation it names; a damaged index reads as none.
    void load();
    bool isComplete() const { return m_complete; }
    // Whether the copy is in packs with a readable index (an older copy is not).
    bool isPacked() const { return m_packed; }
    const carddav::SyncState& state() const { return m_state; }
    // The entries of the copy as loaded, or of the generation being written once begun.
    const QHash<QString, PackedEntry>& entries() const { return m_begun ? m_next : m_entries; }

    // Removes what no reader needs: generations but the current one and the one before it, and an
    // older copy's one-file-per-entry cards once a generation has replaced them.
    void removeOldCopies();

    // Starts a new generation: empty (fresh) or holding the current entries. A fresh one counts as
    // changed when an entry's version differs, or always when the cards are of another kind
    // (another server or mapping: sameKind false).
    void begin(bool fresh, bool sameKind = true);
    // In the new generation: an entry's card (replacing the entry's earlier one), an entry without
    // a name, an entry gone. Throw std::runtime_error when the disk refuses.
    void put(const QString& key, const QString& version, const QByteArray& card);
    void putNameless(const QString& key, const QString& version);
    void remove(const QString& key);
    // Whether the new generation differs from the current one.
    bool changed() const { return m_changed; }
    int namelessCount() const;

    // Completes the new generation (when it changed) and writes the state naming it; with no
    // change only the state is written. The cards reach the disk before the state.
    void commit(carddav::SyncState state);
    // Drops the new generation (a refresh that broke off, or that reads everything after all).
    void abandon();

    static inline const QString kIndexFile = QStringLiteral(".quintel-packs");

private:
    QString generationPath(const QString& generation) const;
    void flushPack();
    void writeFile(const QString& name, const QByteArray& data);
    // Waits until the new generation's listing is on the disk (its files are as they are written).
    void syncListing();
    void carryOver(); // packs of the current generation into the new one
    QByteArray encodeIndex() const;

    QString m_folder;
    int m_packSize;
    bool m_complete = false;
    bool m_packed = false;
    carddav::SyncState m_state;
    QString m_current;                     // the generation the state names
    QHash<QString, PackedEntry> m_entries; // the current generation
    QStringList m_packs;                   // the current generation's packs

    // The generation being written.
    bool m_begun = false;
    bool m_fresh = false;
    bool m_changed = false;
    bool m_made = false;  // its folder exists
    QString m_generation; // "g000008"
    int m_generationNumber = 0;
    int m_packCount = 0; // packs written into it
    QHash<QString, PackedEntry> m_next;
    QSet<QString> m_touched; // current packs that lost an entry
    QStringList m_nextPacks;
    QString m_packPrefix;  // "p000008-": the names of the packs it writes
    QString m_pendingName; // the pack being filled
    QByteArray m_pending;  // its cards
    QStringList m_pendingKeys;
};

} // namespace contactclient::ldap
