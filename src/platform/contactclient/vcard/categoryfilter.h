#pragma once
// The one filter Restrict understands: [Categories] = "Name".

#include <QString>
#include <QStringList>

namespace contactclient {

// The category name of the filter, with doubled quotes made single. Throws AutomationError
// (errBadFilter, naming the filter) for any other text.
QString parseCategoryFilter(const QString& filter);

// The name as the folded categories hold it: blanks trimmed, letter case folded.
QString foldedCategoryName(const QString& name);

// Whether the case-folded categories hold the name, compared without regard to letter case.
bool hasCategory(const QStringList& foldedCategories, const QString& name);

} // namespace contactclient
