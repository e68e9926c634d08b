#pragma once
// The order of the drop-down lists: alphabetical, letter case ignored, equal names kept as
// separate entries.

#include <QStringList>

namespace namesort {

void sortAlphabetically(QStringList& names);

} // namespace namesort
