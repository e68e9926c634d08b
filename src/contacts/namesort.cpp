#include "namesort.h"

#include "contacts/searchlist.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace namesort {

void sortAlphabetically(QStringList& names)
{
    // The order of QString::compare(a, b, Qt::CaseInsensitive), equal ones by their exact text.
    // Comparing that way folds both names at every step; with 100,000 names that is most of a
    // reload. Each name is folded once instead, and its first four folded code units are packed
    // into one number, so most comparisons are a single integer comparison.
    const auto n = static_cast<std::size_t>(names.size());
    qsizetype total = 0;
    for (const QString& name : std::as_const(names))
        total += name.size();
    QString folded;
    folded.reserve(total);
    std::vector<std::uint32_t> offsets;
    offsets.reserve(n + 1);
    offsets.push_back(0);
    for (const QString& name : std::as_const(names)) {
        folded.append(name);
        offsets.push_back(static_cast<std::uint32_t>(folded.size()));
    }
    auto* buffer = reinterpret_cast<char16_t*>(folded.data());
    for (std::size_t i = 0; i < n; ++i)
        SearchList::foldInPlace(buffer + offsets[i], offsets[i + 1] - offsets[i]);
    const auto* base = reinterpret_cast<const char16_t*>(folded.constData());
    auto foldedName = [&](std::uint32_t i) {
        return std::u16string_view(base + offsets[i], offsets[i + 1] - offsets[i]);
    };

    struct Key {
        std::uint64_t head;
        std::uint32_t index;
    };
    std::vector<Key> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::u16string_view f = foldedName(static_cast<std::uint32_t>(i));
        std::uint64_t head = 0;
        for (std::size_t k = 0; k < 4; ++k)
            head = (head << 16) | (k < f.size() ? f[k] : 0);
        keys[i] = {head, static_cast<std::uint32_t>(i)};
    }
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int c = foldedName(a.index).compare(foldedName(b.index));
        if (c != 0)
            return c < 0;
        const auto& x = names.at(a.index);
        const auto& y = names.at(b.index);
        return x != y ? x < y : a.index < b.index;
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Key& k : keys)
        sorted.append(names.at(k.index));
    names = std::move(sorted);
}

} // namespace namesort
