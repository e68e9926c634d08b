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

QByteArray collationStamp()
{
    // Letters whose place differs between alphabets, accents, case, digits and punctuation,
    // other scripts: a collation that orders any of them differently gives another stamp.
    static const QStringList probes = {
        QStringLiteral("Zoe"),    QStringLiteral("Æsir"),     QStringLiteral("Ångström"), QStringLiteral("Öhman"),
        QStringLiteral("Ohm"),    QStringLiteral("Ødegaard"), QStringLiteral("Ärger"),    QStringLiteral("Arm"),
        QStringLiteral("Čapek"),  QStringLiteral("Czech"),    QStringLiteral("Llosa"),    QStringLiteral("Luna"),
        QStringLiteral("Chávez"), QStringLiteral("Cruz"),     QStringLiteral("Straße"),   QStringLiteral("Strasse"),
        QStringLiteral("Ñu"),     QStringLiteral("Nu"),       QStringLiteral("IJssel"),   QStringLiteral("Yves"),
        QStringLiteral("Þór"),    QStringLiteral("Tor"),      QStringLiteral("élan"),     QStringLiteral("Elan"),
        QStringLiteral("e"),      QStringLiteral("E"),        QStringLiteral("o'Neil"),   QStringLiteral("O Neil"),
        QStringLiteral("10"),     QStringLiteral("9"),        QStringLiteral("Ωmega"),    QStringLiteral("Яков"),
        QStringLiteral("Ёлка"),   QStringLiteral("中村"),     QStringLiteral("あおい"),   QStringLiteral("Ğ"),
        QStringLiteral("İ"),      QStringLiteral("ı"),        QStringLiteral("Ł"),        QStringLiteral("Ŵ")};
    QByteArray stamp = collator().locale().bcp47Name().toUtf8();
    stamp += '\n';
    for (const std::uint32_t i : alphabeticalOrder(probes))
        stamp += char(i);
    return stamp;
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
