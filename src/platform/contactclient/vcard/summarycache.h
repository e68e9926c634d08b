#pragma once
// A summary of an address book folder kept between runs: the records of its last read and the
// stamps of its files, in one file per folder under the user's cache folder (never in the address
// book folder itself, which belongs to the user and the programs that sync it). A start takes
// every file whose stamp still holds from the summary and reads only the rest.

#include "contactclient/vcard/summaryformat.h"
#include "contactclient/vcard/vcardfolder.h"

#include <QByteArray>
#include <QString>

#include <memory>

class PageBuffer;

namespace contactclient {

class SummaryCache {
public:
    // Summaries are kept in base/inside; inside is made private to the user (0700) when it is
    // first written. Folders with fewer than minEntries files and records are read quickly
    // enough: no summary is written for them.
    SummaryCache(QString base, QString inside, int minEntries = kMinEntries);

    // The user's cache folder (XDG_CACHE_HOME), Quintel/summaries.
    static SummaryCache standard();
    // Makes standard() keep summaries under base instead (empty: the user's cache folder again).
    // For programs that run the bar in a sandbox of their own.
    static void setStandardBase(const QString& base);

    // The summary of the folder, null when there is none to trust.
    std::shared_ptr<const FolderSnapshot> load(const QString& folder) const;
    // Writes the summary of the snapshot's folder (atomically). False with why set when it cannot
    // be written; true without writing for a small folder.
    bool save(const FolderSnapshot& snapshot, QString* why = nullptr) const;
    // Where the summary of the folder is kept.
    QString fileFor(const QString& folder) const;

    // Beside a summary, what was built from its snapshot (the bar's list orders) is kept as a
    // memo tied to the snapshot's generation: loadMemo gives it back only for that very
    // snapshot, empty otherwise. Nothing is kept for a snapshot without a generation or of a
    // small folder.
    QByteArray loadMemo(const FolderSnapshot& snapshot) const;
    bool saveMemo(const FolderSnapshot& snapshot, const QByteArray& bytes, QString* why = nullptr) const;
    QString memoFileFor(const QString& folder) const;

    static constexpr int kMinEntries = 256;

private:
    bool keepsMemoOf(const FolderSnapshot& snapshot) const;
    // The bytes of one of the summaries folder's files; empty when it cannot be read.
    QByteArray readOwnFile(const QString& path) const;
    bool readOwnFile(const QString& path, PageBuffer& bytes) const;

    QString m_base;
    QString m_inside;
    int m_minEntries;
};

} // namespace contactclient
