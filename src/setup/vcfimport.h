#pragma once
// "Import a .vcf file…": copies the cards of a file (one or many) into the local address-book folder,
// one file per card as the folder layout wants it, each written atomically. A card that is already
// in the folder (same UID) is left as it is.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace setup {

struct ImportResult {
    int imported = 0;
    int alreadyPresent = 0;
    QStringList problems; // one line per card or file that could not be imported
    QString summary() const;
};

// The cards of a .vcf file, each from its BEGIN:VCARD line to its END:VCARD line (line ends as in
// the file). Text outside cards and unfinished cards are not cards.
QList<QByteArray> splitCards(const QByteArray& data);

// The card's UID value (unfolded), empty when it has none.
QString cardUid(const QByteArray& card);

ImportResult importVcfFile(const QString& vcfFile, const QString& folder);

} // namespace setup
