#pragma once
// Writing cards of a vCard folder back to their files. A card is read together with what its file
// was (size, time, inode and a hash of its bytes); a change is written only when the file is still
// exactly that, else ConflictError and nothing is touched. Files are replaced atomically: a
// temporary file beside the target with the old file's permissions, fsync, rename, fsync of the
// folder, so that a crash at any moment leaves the old file or the new one. A deleted card is
// first copied aside.

#include "contactclient/errors.h"
#include "contactclient/vcard/vcardencode.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace contactclient {

// A card as it was read from its file.
struct CardOrigin {
    QString folder;
    QString fileName;
    int card = 1; // 1-based position in the file
    qint64 size = 0;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    QByteArray hash;      // SHA-256 of the whole file
    qsizetype offset = 0; // the card's bytes in the file, BEGIN to END
    qsizetype length = 0;
};

struct OpenedCard {
    CardOrigin origin;
    QByteArray bytes;
};

// Reads the card an entry ID names. Throws ItemNotFound, or errStoreUnavailable when the file
// cannot be read, or errReadOnly for a file this program does not write (UTF-16).
OpenedCard openCard(const QString& folder, const QString& entryId);

// Writes the card in place of the one read. Throws ConflictError when the file changed since, or
// errNotWritten. Returns the card's origin as it now is, for a later save.
CardOrigin replaceCard(const CardOrigin& origin, const QByteArray& card);

// Writes a new file "<uid>.vcf" holding the card; never replaces a file. Returns its entry ID.
QString addCard(const QString& folder, const QString& uid, const QByteArray& card);

// Copies the card into the aside folder, then takes it out of its file (the file goes when it
// held only this card). Throws as replaceCard does. Returns the path of the copy.
QString deleteCard(const CardOrigin& origin, const QString& asideFolder);

// Where deleted cards are kept: ~/.local/share/Quintel/deleted-contacts.
QString deletedCardsFolder();

// Keeps a card's bytes in the aside folder (made private when missing) under a name of the time
// and fileName, synced to disk. Throws errNotWritten. Returns the path of the copy.
QString keepCardAside(const QString& asideFolder, const QString& fileName, QByteArray card);

// The version most of the folder's cards are written in (a sample of its files); 3.0 when it
// has none.
vcard::Version folderVersion(const QString& folder);

// For tests: called between the steps of a file's replacement.
enum class WriteStep { TemporaryWritten, Renamed };
void setWriteHook(std::function<void(WriteStep)> hook);

} // namespace contactclient
