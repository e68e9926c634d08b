#include "edsbooks.h"

#include <algorithm>

namespace contactclient::eds {

QList<BookInfo> inRegistryOrder(QList<BookInfo> books)
{
    std::stable_sort(books.begin(), books.end(), [](const BookInfo& a, const BookInfo& b) {
        if (a.isDefault != b.isDefault)
            return a.isDefault;
        if (const int byName = a.name.compare(b.name, Qt::CaseInsensitive); byName != 0)
            return byName < 0;
        return a.uid < b.uid;
    });
    return books;
}

BookChoice chooseBooks(const QList<BookInfo>& enabled, const QString& setting)
{
    BookChoice choice;
    QStringList wanted;
    for (const QString& part : setting.split(QLatin1Char(';'))) {
        if (!part.trimmed().isEmpty())
            wanted.append(part.trimmed());
    }
    if (wanted.isEmpty() || (wanted.size() == 1 && wanted.front() == QLatin1String("*"))) {
        choice.books = inRegistryOrder(enabled);
        return choice;
    }
    const QList<BookInfo> ordered = inRegistryOrder(enabled);
    auto taken = [&](const QString& uid) {
        return std::any_of(choice.books.cbegin(), choice.books.cend(), [&](const BookInfo& b) { return b.uid == uid; });
    };
    for (const QString& want : wanted) {
        // A UID is exact; a name is matched without regard to letter case, the first in order.
        auto it = std::find_if(ordered.cbegin(), ordered.cend(), [&](const BookInfo& b) { return b.uid == want; });
        if (it == ordered.cend())
            it = std::find_if(ordered.cbegin(), ordered.cend(),
                              [&](const BookInfo& b) { return b.name.compare(want, Qt::CaseInsensitive) == 0; });
        if (it == ordered.cend())
            choice.unknown.append(want);
        else if (!taken(it->uid))
            choice.books.append(*it);
    }
    return choice;
}

QString entryId(const QString& bookUid, const QString& contactUid)
{
    return bookUid + QLatin1Char('/') + contactUid;
}

bool parseEntryId(const QString& entryId, QString& bookUid, QString& contactUid)
{
    const qsizetype slash = entryId.indexOf(QLatin1Char('/'));
    if (slash <= 0 || slash == entryId.size() - 1)
        return false;
    bookUid = entryId.left(slash);
    contactUid = entryId.mid(slash + 1);
    return true;
}

} // namespace contactclient::eds
