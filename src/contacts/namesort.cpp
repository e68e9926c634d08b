#include "namesort.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace namesort {

QCollator collator()
{
    const QLocale locale;
    QCollator c(locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale);
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

std::vector<std::uint32_t> alphabeticalOrder(const QStringList& names)
{
    return alphabeticalOrder(names.size(), [&names](qsizetype i) { return QStringView(names.at(i)); });
}

std::vector<std::uint32_t> alphabeticalOrder(qsizetype count, const std::function<QStringView(qsizetype)>& nameAt)
{
    // With 100,000 names, comparing with the collator at every step is most of a reload: each
    // name's collation key is made once, and the sort compares keys.
    const QCollator c = collator();
    struct Entry {
        QCollatorSortKey key;
        std::uint32_t index;
    };
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        entries.push_back({c.sortKey(nameAt(i).toString()), static_cast<std::uint32_t>(i)});
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (const int k = a.key.compare(b.key); k != 0)
            return k < 0;
        const QStringView x = nameAt(a.index);
        const QStringView y = nameAt(b.index);
        return x != y ? x < y : a.index < b.index;
    });
    std::vector<std::uint32_t> order;
    order.reserve(entries.size());
    for (const Entry& e : entries)
        order.push_back(e.index);
    return order;
}

void sortAlphabetically(QStringList& names)
{
    QStringList sorted;
    sorted.reserve(names.size());
    for (std::uint32_t i : alphabeticalOrder(names))
        sorted.append(names.at(i));
    names = std::move(sorted);
}

bool sortsBefore(const QString& a, const QString& b)
{
    const int c = collator().compare(a, b);
    return c != 0 ? c < 0 : a < b;
}

} // namespace namesort
