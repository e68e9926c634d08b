#pragma once
// When the cards of a folder last changed, how long to wait until a start can trust its summary
// with them, and changing them all to now (a folder just written).

#include <QString>

namespace bench {

struct FolderAge {
    qint64 files = 0;     // the folder's cards (*.vcf, not hidden)
    qint64 newestNs = -1; // the latest modification or change time among them; -1 without cards
};

// One stat per card. A card's change time counts as well as its modification time: copying a
// folder, or setting the modification time back, makes a card as new as the moment it was done.
FolderAge folderAge(const QString& folder);

// How long to wait, in milliseconds, until the newest card is more than margin old, so that a
// read begun then records every card as settled; 0 when it already is or there are no cards. A
// card dated in the future would keep the folder unsettled until then: the wait is at most
// longestMs.
qint64 settleWaitMs(qint64 newestNs, qint64 nowNs, qint64 marginNs, qint64 longestMs);

// Sets the modification and change time of every card to now, as writing them would; the number
// of cards, or -1 when one could not be touched.
qint64 touchAll(const QString& folder);

// Copies the folder's files (cards and the generator's manifest) into to, which is created.
bool copyFolder(const QString& from, const QString& to);

} // namespace bench
