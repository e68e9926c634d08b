#include "summaryformat.h"

#include "summarysources.h"

#include "allocator.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace contactclient {
namespace {

constexpr char kMagic[8] = {'Q', 'N', 'T', 'L', 'S', 'U', 'M', '\n'};
constexpr quint32 kFormat = 4;
constexpr quint32 kLatin1Text = 0x80000000u; // in a text's length: one byte a letter
constexpr quint32 kByteOrder = 0x01020304;
constexpr qsizetype kHeaderSize = 8 + 4 + 4 + 8 + 8;

quint64 rotl(quint64 x, int r)
{
    return (x << r) | (x >> (64 - r));
}

} // namespace

// Four lanes keep the multiplier busy.
quint64 checksum(const char* data, size_t size)
{
    constexpr quint64 k1 = 0x9E3779B185EBCA87ULL;
    constexpr quint64 k2 = 0xC2B2AE3D27D4EB4FULL;
    quint64 lane[4] = {k1 + k2, k2, 0, 0 - k1};
    size_t at = 0;
    for (; at + 32 <= size; at += 32) {
        for (int l = 0; l < 4; ++l) {
            quint64 w;
            std::memcpy(&w, data + at + 8 * size_t(l), 8);
            lane[l] = rotl(lane[l] + w * k2, 31) * k1;
        }
    }
    quint64 h = rotl(lane[0], 1) + rotl(lane[1], 7) + rotl(lane[2], 12) + rotl(lane[3], 18) + size;
    for (; at < size; ++at)
        h = rotl(h ^ (quint64(static_cast<unsigned char>(data[at])) * k1), 11) * k2;
    h ^= h >> 33;
    h *= k2;
    h ^= h >> 29;
    return h;
}

namespace {

class Writer {
public:
    QByteArray bytes;

    template <typename T> void put(T value) { bytes.append(reinterpret_cast<const char*>(&value), sizeof value); }
    // Text of Latin-1 letters only (most names) goes one byte a letter, marked in the length;
    // other text as UTF-16.
    void put(const QString& text) { put(QStringView(text)); }
    void put(QStringView text)
    {
        const bool latin1 = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
        put(quint32(text.size()) | (latin1 ? kLatin1Text : 0));
        if (!latin1) {
            bytes.append(reinterpret_cast<const char*>(text.constData()), text.size() * qsizetype(sizeof(QChar)));
            return;
        }
        const qsizetype at = bytes.size();
        bytes.resize(at + text.size());
        char* out = bytes.data() + at;
        for (const QChar c : text)
            *out++ = static_cast<char>(c.unicode());
    }
};

// Reads what Writer wrote, never past the end: every take fails once anything was short.
class Reader {
public:
    Reader(const char* data, qsizetype size) : m_at(data), m_end(data + size) {}

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_at == m_end; }
    qsizetype left() const { return m_end - m_at; }
    const char* position() const { return m_at; }

    template <typename T> T take()
    {
        T value{};
        if (!need(sizeof value))
            return value;
        std::memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }
    // A text added to texts (PackedTexts or MixedTexts: a Latin-1 text is handed over as such).
    template <typename Texts> void text(Texts& texts)
    {
        const auto marked = take<quint32>();
        const quint32 length = marked & ~kLatin1Text;
        if (marked & kLatin1Text) {
            if (!need(qsizetype(length)))
                return;
            texts.append(QLatin1StringView(m_at, qsizetype(length)));
        } else {
            if (!need(qsizetype(length) * qsizetype(sizeof(QChar))))
                return;
            texts.append(QStringView(reinterpret_cast<const QChar*>(m_at), qsizetype(length)));
        }
        m_at += (marked & kLatin1Text) ? qsizetype(length) : qsizetype(length) * qsizetype(sizeof(QChar));
    }
    QString text()
    {
        const auto marked = take<quint32>();
        const quint32 length = marked & ~kLatin1Text;
        if (marked & kLatin1Text) {
            if (!need(qsizetype(length)))
                return {};
            const QString s = QString::fromLatin1(m_at, qsizetype(length));
            m_at += length;
            return s;
        }
        if (!need(qsizetype(length) * qsizetype(sizeof(QChar))))
            return {};
        QString s(qsizetype(length), Qt::Uninitialized);
        std::memcpy(s.data(), m_at, size_t(length) * sizeof(QChar));
        m_at += qsizetype(length) * qsizetype(sizeof(QChar));
        return s;
    }
    // A count of entries of at least minBytes each: no more than the bytes left could hold.
    quint32 count(qsizetype minBytes)
    {
        const auto n = take<quint32>();
        if (qsizetype(n) > left() / minBytes)
            m_ok = false;
        return m_ok ? n : 0;
    }
    void fail() { m_ok = false; }

private:
    bool need(qsizetype n)
    {
        if (!m_ok || n > left())
            m_ok = false;
        return m_ok;
    }

    const char* m_at;
    const char* m_end;
    bool m_ok = true;
};

} // namespace

QString canonicalFolder(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : canonical;
}

QString summaryFolder(const QByteArray& head)
{
    if (head.size() < kHeaderSize || std::memcmp(head.constData(), kMagic, sizeof kMagic) != 0)
        return {};
    Reader r(head.constData() + kHeaderSize, head.size() - kHeaderSize);
    r.text(); // the version
    const QString folder = r.text();
    return r.ok() ? folder : QString();
}

QByteArray versionKey()
{
    return QByteArray(QUINTEL_SUMMARY_SOURCES) + ' ' + qVersion() + ' ' + QByteArray::number(kFormat);
}

QByteArray encodeSummary(const FolderSnapshot& snapshot, const QByteArray& version)
{
    // Categories repeat from set to set: each is written once and named by its number.
    QHash<QString, quint32> categoryNumber;
    QStringList categories;
    const CategorySets& sets = snapshot.categorySets;
    for (quint32 set = 0; set < sets.count(); ++set) {
        for (const QString& c : sets.at(set)) {
            if (!categoryNumber.contains(c)) {
                categoryNumber.insert(c, quint32(categories.size()));
                categories.append(c);
            }
        }
    }

    Writer w;
    w.bytes.reserve(qsizetype(snapshot.items.size()) * 96 + qsizetype(snapshot.files.size()) * 80 + 4096);
    w.bytes.append(kMagic, sizeof kMagic);
    w.put(kFormat);
    w.put(kByteOrder);
    w.put(quint64(0)); // payload size and checksum, filled in below
    w.put(quint64(0));

    w.put(QString::fromLatin1(version));
    w.put(canonicalFolder(snapshot.folder));
    w.put(snapshot.folderDevice);
    w.put(snapshot.folderInode);
    w.put(snapshot.folderMtimeNs);
    w.put(snapshot.readStartNs);
    w.put(snapshot.generation.first);
    w.put(snapshot.generation.second);
    w.put(quint32(categories.size()));
    for (const QString& c : std::as_const(categories))
        w.put(c);
    w.put(sets.count());
    for (quint32 set = 0; set < sets.count(); ++set) {
        w.put(quint32(sets.at(set).size()));
        for (const QString& c : sets.at(set))
            w.put(categoryNumber.value(c));
    }
    w.put(quint32(snapshot.files.size()));
    for (const VCardFile& f : snapshot.files) {
        w.put(snapshot.fileName(size_t(&f - snapshot.files.data())).toString());
        w.put(f.size);
        w.put(f.mtimeNs);
        w.put(f.ctimeNs);
        w.put(f.inode);
        w.put(qint32(f.cards));
        w.put(f.itemCount);
        w.put(quint8(f.converted));
    }
    w.put(quint32(snapshot.items.size()));
    for (size_t i = 0; i < snapshot.items.size(); ++i) {
        const ItemRecord& item = snapshot.items[i];
        w.put(snapshot.fileAs(i));
        w.put(snapshot.fullName(i));
        w.put(snapshot.searchFields(i));
        w.put(item.offset);
        w.put(item.length);
        w.put(item.card);
        w.put(quint8(item.group));
        w.put(item.categories);
    }
    w.put(quint32(snapshot.listingOrder.size()));
    for (const quint32 place : snapshot.listingOrder)
        w.put(place);
    w.put(quint32(snapshot.skipped.size()));
    for (const SkippedItem& s : snapshot.skipped) {
        w.put(s.file);
        w.put(qint32(s.card));
        w.put(s.reason);
        w.put(qint32(s.count));
    }

    const quint64 payload = quint64(w.bytes.size() - kHeaderSize);
    const quint64 sum = checksum(w.bytes.constData() + kHeaderSize, size_t(payload));
    std::memcpy(w.bytes.data() + 16, &payload, 8);
    std::memcpy(w.bytes.data() + 24, &sum, 8);
    return w.bytes;
}

std::shared_ptr<FolderSnapshot> decodeSummary(const QByteArray& bytes, const QString& folder,
                                              const std::function<void(qsizetype consumed)>& consumed)
{
    Reader header(bytes.constData(), bytes.size());
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.constData(), kMagic, sizeof kMagic) != 0)
        return nullptr;
    header.take<quint64>();
    if (header.take<quint32>() != kFormat || header.take<quint32>() != kByteOrder)
        return nullptr;
    const auto payload = header.take<quint64>();
    const auto sum = header.take<quint64>();
    if (payload != quint64(header.left()) || sum != checksum(bytes.constData() + kHeaderSize, size_t(payload)))
        return nullptr;

    Reader r(bytes.constData() + kHeaderSize, bytes.size() - kHeaderSize);
    // Every so many records, the bytes behind the reader are done with.
    constexpr size_t kRecordsBetweenReports = 4096;
    const auto report = [&](size_t record) {
        if (consumed && record % kRecordsBetweenReports == 0)
            consumed(r.position() - bytes.constData());
    };
    if (r.text() != QString::fromLatin1(versionKey()) || r.text() != canonicalFolder(folder) || !r.ok())
        return nullptr;
    auto snap = std::make_shared<FolderSnapshot>();
    snap->folder = folder;
    snap->folderDevice = r.take<quint64>();
    snap->folderInode = r.take<quint64>();
    snap->folderMtimeNs = r.take<qint64>();
    snap->readStartNs = r.take<qint64>();
    snap->generation.first = r.take<quint64>();
    snap->generation.second = r.take<quint64>();

    QList<QString> categories(qsizetype(r.count(4)));
    for (QString& c : categories)
        c = r.text();
    // The sets in their numbers: the first is the empty one, and each is there once.
    const quint32 setCount = r.count(4);
    for (quint32 set = 0; set < setCount && r.ok(); ++set) {
        const quint32 n = r.count(4);
        QStringList folded;
        folded.reserve(n);
        for (quint32 c = 0; c < n && r.ok(); ++c) {
            const auto number = r.take<quint32>();
            if (number >= quint32(categories.size()))
                r.fail();
            else
                folded.append(categories[number]);
        }
        if (r.ok() && ((set == 0) != folded.isEmpty() || snap->categorySets.intern(folded) != set))
            r.fail();
    }
    if (!r.ok() || setCount == 0)
        return nullptr;

    const quint32 fileCount = r.count(4 + 8 * 4 + 4 + 4 + 1);
    snap->files.reserve(fileCount);
    allocator::preferHugePagesFor(snap->files);
    snap->files.resize(fileCount);
    // No more letters than bytes are left: room that is never touched costs no memory, and
    // squeezing a large block gives back its end without copying.
    snap->fileNames.reserve(qsizetype(snap->files.size()), r.left());
    quint64 items = 0;
    for (size_t i = 0; i < snap->files.size() && r.ok(); ++i) {
        VCardFile& f = snap->files[i];
        r.text(snap->fileNames);
        f.size = r.take<qint64>();
        f.mtimeNs = r.take<qint64>();
        f.ctimeNs = r.take<qint64>();
        f.inode = r.take<quint64>();
        f.cards = r.take<qint32>();
        f.firstItem = quint32(items);
        f.itemCount = r.take<quint32>();
        f.converted = r.take<quint8>() != 0;
        items += f.itemCount;
        // In name order, as every snapshot is: files are found by it.
        if (r.ok() && i > 0 && !(snap->fileName(i - 1) < snap->fileName(i)))
            r.fail();
        report(i);
    }
    if (!r.ok() || r.count(4 + 4 + 4 + 4 + 4 + 4 + 1 + 4) != items)
        return nullptr;

    snap->items.reserve(items);
    allocator::preferHugePagesFor(snap->items);
    snap->items.resize(items);
    snap->texts.reserve(2 * qsizetype(items), r.left());
    snap->fields.reserve(qsizetype(items), r.left());
    quint32 file = 0;
    quint32 leftInFile = snap->files.empty() ? 0 : snap->files[0].itemCount;
    for (ItemRecord& item : snap->items) {
        report(size_t(&item - snap->items.data()));
        while (leftInFile == 0)
            leftInFile = snap->files[++file].itemCount;
        --leftInFile;
        item.file = file;
        r.text(snap->texts);
        r.text(snap->texts);
        r.text(snap->fields);
        item.offset = r.take<quint32>();
        item.length = r.take<quint32>();
        item.card = r.take<qint32>();
        item.group = r.take<quint8>() != 0;
        item.categories = r.take<quint32>();
        if (item.categories >= setCount)
            r.fail();
        if (!r.ok())
            return nullptr;
    }

    snap->texts.squeeze();
    snap->fields.squeeze();
    snap->fileNames.squeeze();
    snap->listingOrder.resize(r.count(4));
    for (quint32& place : snap->listingOrder) {
        place = r.take<quint32>();
        if (place >= snap->files.size())
            r.fail();
    }

    const quint32 skipped = r.count(4 + 4 + 4 + 4);
    snap->skipped.reserve(skipped);
    for (quint32 i = 0; i < skipped && r.ok(); ++i) {
        SkippedItem s;
        s.file = r.text();
        s.card = r.take<qint32>();
        s.reason = r.text();
        s.count = r.take<qint32>();
        snap->skipped.append(std::move(s));
    }
    if (!r.ok() || !r.atEnd())
        return nullptr;
    return snap;
}

} // namespace contactclient
