#pragma once
// The table the benchmark prints and the targets it checks the figures against.

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace bench {

// One target: what it asks, the figure measured, and whether it holds. Targets whose sizes were
// not measured are left out.
QJsonArray evaluateTargets(const QJsonArray& sizes);

// The figures of every size side by side, then the targets.
QString formatTable(const QJsonArray& sizes, const QJsonArray& targets);

} // namespace bench
