#include "bookcategories.h"

#include "contactclient/searchfields.h"
#include "contacts/contactlistdata.h"
#include "contacts/namesort.h"

#include <QSet>

namespace bookcategories {

QStringList of(const ContactListData& lists)
{
    using contactclient::searchfields::Kind;
    QStringList names;
    QSet<QString> seen;
    for (qsizetype i = 0; i < lists.fields.count(); ++i) {
        contactclient::searchfields::forEach(lists.fields.at(i), [&](Kind kind, QStringView value) {
            if (kind != Kind::Category)
                return;
            const QString name = value.trimmed().toString();
            if (!name.isEmpty() && !seen.contains(name.toCaseFolded())) {
                seen.insert(name.toCaseFolded());
                names.append(name);
            }
        });
    }
    namesort::sortAlphabetically(names);
    return names;
}

QStringList notYetListed(const QStringList& bookCategories, const QStringList& listed)
{
    QSet<QString> have;
    for (const QString& name : listed)
        have.insert(name.trimmed().toCaseFolded());
    QStringList out;
    for (const QString& name : bookCategories)
        if (!have.contains(name.trimmed().toCaseFolded()))
            out.append(name);
    return out;
}

} // namespace bookcategories
