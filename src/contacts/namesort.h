#pragma once
// The order of the drop-down lists and the options' category list: alphabetical for the user's
// locale (É next to E, Ä where the locale files it), letter case ignored; names that collate
// equal stand in order of their exact text and stay separate entries.

#include <QByteArray>
#include <QCollator>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace namesort {

// The collator of that order for the default locale. The C/POSIX locale has no alphabet of its
// own, so it sorts by the Unicode default order rather than by code point.
QCollator collator();

void sortAlphabetically(QStringList& names);

// The positions of names in that order.
std::vector<std::uint32_t> alphabeticalOrder(const QStringList& names);
// The same for count names, name i being nameAt(i) (a view valid while the sort runs).
std::vector<std::uint32_t> alphabeticalOrder(qsizetype count, const std::function<QStringView(qsizetype)>& nameAt);

// What tells this order from the order of another locale or another version of the collation
// library: the locale and the order of a set of names that orders tell apart. Orders kept under
// one stamp hold under another only when the stamps are equal.
QByteArray collationStamp();

// Whether a stands before b in that order (for filing one name into a short sorted list).
bool sortsBefore(const QString& a, const QString& b);

} // namespace namesort
