#include "categoryfilter.h"

QString categoryFilterText(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QStringLiteral("[Categories] = \"") + quoted + QLatin1Char('"');
}
