#include "categoryfilter.h"

#include "contactclient/errors.h"

namespace contactclient {
namespace {

[[noreturn]] void badFilter(const QString& filter)
{
    throw AutomationError(
        errBadFilter,
        QStringLiteral("The filter \"%1\" is not understood; only [Categories] = \"Name\" is.").arg(filter));
}

} // namespace

QString parseCategoryFilter(const QString& filter)
{
    const QString property = QStringLiteral("[Categories]");
    qsizetype i = 0;
    const qsizetype n = filter.size();
    auto skipBlanks = [&] {
        while (i < n && filter[i].isSpace())
            ++i;
    };
    skipBlanks();
    if (filter.mid(i, property.size()).compare(property, Qt::CaseInsensitive) != 0)
        badFilter(filter);
    i += property.size();
    skipBlanks();
    if (i >= n || filter[i] != QLatin1Char('='))
        badFilter(filter);
    ++i;
    skipBlanks();
    if (i >= n || (filter[i] != QLatin1Char('"') && filter[i] != QLatin1Char('\'')))
        badFilter(filter);
    const QChar quote = filter[i++];
    QString name;
    for (;;) {
        if (i >= n)
            badFilter(filter); // no closing quote
        if (filter[i] == quote) {
            if (i + 1 < n && filter[i + 1] == quote) {
                name.append(quote);
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        name.append(filter[i++]);
    }
    skipBlanks();
    if (i != n)
        badFilter(filter);
    return name;
}

QString foldedCategoryName(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

bool hasCategory(const QStringList& foldedCategories, const QString& name)
{
    return foldedCategories.contains(foldedCategoryName(name));
}

} // namespace contactclient
