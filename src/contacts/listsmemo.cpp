#include "listsmemo.h"

#include "contacts/contactlistdata.h"
#include "contacts/namesort.h"
#include "listsources.h"

#include <cstring>

namespace listsmemo {
namespace {

constexpr char kMagic[8] = {'Q', 'N', 'T', 'L', 'O', 'R', 'D', '1'};
constexpr quint32 kByteOrder = 0x01020304;

void putWord(QByteArray& out, quint32 word)
{
    out.append(reinterpret_cast<const char*>(&word), sizeof word);
}

void putWords(QByteArray& out, const std::vector<std::uint32_t>& words)
{
    putWord(out, quint32(words.size()));
    out.append(reinterpret_cast<const char*>(words.data()), qsizetype(words.size() * sizeof(std::uint32_t)));
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_at(bytes.constData()), m_end(bytes.constData() + bytes.size()) {}
    bool take(void* to, std::size_t size)
    {
        if (std::size_t(m_end - m_at) < size)
            return false;
        std::memcpy(to, m_at, size);
        m_at += size;
        return true;
    }
    bool word(quint32& w) { return take(&w, sizeof w); }
    bool words(std::vector<std::uint32_t>& out, std::size_t expected)
    {
        quint32 n = 0;
        if (!word(n) || n != expected || std::size_t(m_end - m_at) / sizeof(std::uint32_t) < n)
            return false;
        out.resize(n);
        return take(out.data(), n * sizeof(std::uint32_t));
    }
    bool atEnd() const { return m_at == m_end; }

private:
    const char* m_at;
    const char* m_end;
};

// The code that made the orders, the Qt it ran on and the collation it sorted by.
QByteArray stamp()
{
    return QByteArray(QUINTEL_LIST_SOURCES) + ' ' + qVersion() + ' ' + namesort::collationStamp();
}

bool isPermutation(const std::vector<std::uint32_t>& order)
{
    std::vector<char> seen(order.size(), 0);
    for (const std::uint32_t i : order) {
        if (i >= order.size() || seen[i])
            return false;
        seen[i] = 1;
    }
    return true;
}

} // namespace

QByteArray encode(const ContactListData& lists)
{
    const QByteArray collation = stamp();
    QByteArray out;
    out.reserve(qsizetype(sizeof kMagic + 16 + collation.size() + 4 * (lists.order.size() + lists.search.count())));
    out.append(kMagic, sizeof kMagic);
    putWord(out, kByteOrder);
    putWord(out, quint32(collation.size()));
    out.append(collation);
    putWords(out, lists.order);
    putWords(out, lists.search.sortedOrder());
    return out;
}

bool apply(const QByteArray& bytes, ContactListData& lists)
{
    Reader r(bytes);
    char magic[sizeof kMagic];
    quint32 byteOrder = 0;
    quint32 collationSize = 0;
    if (!r.take(magic, sizeof magic) || std::memcmp(magic, kMagic, sizeof kMagic) != 0 || !r.word(byteOrder) ||
        byteOrder != kByteOrder || !r.word(collationSize) || collationSize > 4096)
        return false;
    QByteArray collation(qsizetype(collationSize), Qt::Uninitialized);
    if (!r.take(collation.data(), collationSize) || collation != stamp())
        return false;
    std::vector<std::uint32_t> order;
    std::vector<std::uint32_t> sorted;
    if (!r.words(order, std::size_t(lists.contactCount)) || !r.words(sorted, std::size_t(lists.search.count())) ||
        !r.atEnd() || !isPermutation(order))
        return false;
    // The search index's order is checked entry by entry; the names' order cannot be checked
    // without sorting them again and is trusted as the collation stamp matched.
    if (!lists.search.finishWith(std::move(sorted)))
        return false;
    lists.order = std::move(order);
    return true;
}

} // namespace listsmemo
