#include "packedcopy.h"

#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace contactclient::ldap {
namespace {

constexpr qint64 kMaxIndex = 256LL * 1024 * 1024;
const QByteArray kIndexHeader = "quintel-packs 1\n";

// "g000007" → 7; 0 when the name is not a generation's.
int generationNumber(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^g([0-9]{6})$"));
    const QRegularExpressionMatch m = pattern.match(name);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString generationName(int number)
{
    return QStringLiteral("g%1").arg(number, 6, 10, QLatin1Char('0'));
}

bool isPackName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^p[0-9]{6}-[0-9]{4,}\\.vcf$"));
    return pattern.match(name).hasMatch();
}

[[noreturn]] void cannotWrite(const QString& path, int error)
{
    throw std::runtime_error(QStringLiteral("Cannot write %1: %2")
                                 .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error)))
                                 .toStdString());
}

// The cards of a pack as this program writes them: each from BEGIN:VCARD through its END:VCARD
// line (no value holds a line break, so an END line is the end of a card).
std::vector<QByteArray> splitCards(const QByteArray& data)
{
    static const QByteArray end = "\r\nEND:VCARD\r\n";
    std::vector<QByteArray> cards;
    qsizetype from = 0;
    while (from < data.size()) {
        const qsizetype at = data.indexOf(end, from);
        if (at < 0)
            break;
        cards.push_back(data.mid(from, at + end.size() - from));
        from = at + end.size();
    }
    return cards;
}

} // namespace

PackedCopy::PackedCopy(QString folder, int packSize) : m_folder(std::move(folder)), m_packSize(std::max(1, packSize)) {}

PackedCopy::~PackedCopy()
{
    if (m_begun)
        abandon();
}

QString PackedCopy::generationPath(const QString& generation) const
{
    return m_folder + QLatin1Char('/') + generation;
}

void PackedCopy::load()
{
    const carddav::CopyState state = carddav::VdirCache::readState(m_folder);
    m_complete = state.complete;
    m_state = state.state;
    m_current = state.packs;
    m_entries.clear();
    m_packs.clear();
    m_packed = false;
    if (!m_complete || generationNumber(m_current) == 0)
        return;
    QByteArray data;
    if (!safefile::readRegularFile(generationPath(m_current) + QLatin1Char('/') + kIndexFile, kMaxIndex, data,
                                   nullptr) ||
        !data.startsWith(kIndexHeader))
        return;
    QSet<QString> packs;
    QHash<QByteArray, QString> packNames;
    const QList<QByteArray> lines = data.sliced(kIndexHeader.size()).split('\n');
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 4) {
            m_entries.clear();
            m_packs.clear();
            return;
        }
        PackedEntry entry{QString(), fields[2].toInt(), QString::fromUtf8(fields[3])};
        if (!fields[1].isEmpty()) {
            // One name for all of a pack's entries.
            auto name = packNames.constFind(fields[1]);
            if (name == packNames.cend())
                name = packNames.insert(fields[1], QString::fromUtf8(fields[1]));
            entry.pack = *name;
        }
        if (!entry.nameless() && (!isPackName(entry.pack) || entry.position <= 0)) {
            m_entries.clear();
            m_packs.clear();
            return;
        }
        if (!entry.nameless() && !packs.contains(entry.pack)) {
            packs.insert(entry.pack);
            m_packs.append(entry.pack);
        }
        m_entries.insert(QString::fromUtf8(fields[0]), entry);
    }
    m_packed = true;
}

void PackedCopy::removeOldCopies()
{
    // The generation the state names is read by the bar even when its index is damaged.
    const int current = m_complete ? generationNumber(m_current) : 0;
    QDir dir(m_folder);
    int previous = 0;
    QList<int> numbers;
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        if (const int n = generationNumber(name); n > 0) {
            numbers.append(n);
            if (n < current)
                previous = std::max(previous, n);
        }
    // The one before the current generation may still be read by a store that has not taken the
    // current one yet; generations after it were left by a refresh that broke off.
    for (const int n : std::as_const(numbers))
        if (n != current && n != previous)
            QDir(generationPath(generationName(n))).removeRecursively();
    if (current > 0) {
        carddav::VdirCache older(m_folder);
        older.load();
        older.removeOwnCards();
        older.removeStrayFiles();
    }
}

void PackedCopy::begin(bool fresh, bool sameKind)
{
    if (m_begun)
        abandon();
    int number = generationNumber(m_current);
    for (const QString& name : QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        number = std::max(number, generationNumber(name));
    m_generationNumber = number + 1;
    m_generation = generationName(m_generationNumber);
    m_packPrefix = QStringLiteral("p%1-").arg(m_generationNumber, 6, 10, QLatin1Char('0'));
    // Its folder is made with its first file: a refresh that finds nothing new leaves the copy's
    // folder untouched.
    m_made = false;
    m_begun = true;
    m_fresh = fresh;
    // An older copy is replaced whatever it holds.
    m_changed = !m_packed || !sameKind;
    m_packCount = 0;
    m_next = fresh ? QHash<QString, PackedEntry>() : m_entries;
    m_touched.clear();
    m_nextPacks.clear();
    m_pending.clear();
    m_pendingKeys.clear();
}

void PackedCopy::put(const QString& key, const QString& version, const QByteArray& card)
{
    if (const auto it = m_next.constFind(key); it != m_next.cend()) {
        // Listed twice in one reading: the first stays (its card is written already).
        if (it->pack.startsWith(m_packPrefix) || (m_fresh && it->nameless()))
            return;
        remove(key);
    }
    if (const auto was = m_entries.constFind(key);
        m_fresh && (was == m_entries.cend() || was->nameless() || was->version != version || version.isEmpty()))
        m_changed = true;
    m_changed = m_changed || !m_fresh;
    if (m_pendingKeys.isEmpty()) // one name, shared by the pack's entries
        m_pendingName = m_packPrefix + QStringLiteral("%1.vcf").arg(m_packCount + 1, 4, 10, QLatin1Char('0'));
    m_pending += card;
    m_pendingKeys.append(key);
    m_next.insert(key, {m_pendingName, int(m_pendingKeys.size()), version});
    if (m_pendingKeys.size() >= m_packSize)
        flushPack();
}

void PackedCopy::putNameless(const QString& key, const QString& version)
{
    if (const auto it = m_next.constFind(key); it != m_next.cend()) {
        if (m_fresh)
            return;
        remove(key);
    }
    const auto was = m_entries.constFind(key);
    if (!m_fresh || was == m_entries.cend() || !was->nameless() || was->version != version || version.isEmpty())
        m_changed = true;
    m_next.insert(key, {QString(), 0, version});
}

void PackedCopy::remove(const QString& key)
{
    const auto it = m_next.constFind(key);
    if (it == m_next.cend())
        return;
    if (!it->nameless())
        m_touched.insert(it->pack);
    m_next.erase(it);
    m_changed = true;
}

int PackedCopy::namelessCount() const
{
    const QHash<QString, PackedEntry>& all = entries();
    return int(std::count_if(all.cbegin(), all.cend(), [](const PackedEntry& e) { return e.nameless(); }));
}

void PackedCopy::writeFile(const QString& name, const QByteArray& data)
{
    // Into a generation no state names yet: no reader sees the file before it is whole.
    if (!m_made) {
        if (::mkdir(QFile::encodeName(generationPath(m_generation)).constData(), 0700) != 0)
            cannotWrite(generationPath(m_generation), errno);
        m_made = true;
    }
    const QString path = generationPath(m_generation) + QLatin1Char('/') + name;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        cannotWrite(path, errno);
    if (const int error = safefile::writeAll(fd, data)) {
        ::close(fd);
        cannotWrite(path, error);
    }
    // On the disk before the next pack: the packing runs beside the reading of the server, so the
    // wait costs the download little, and no flush of everything waits at the end.
    if (::fdatasync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        cannotWrite(path, error);
    }
    if (::close(fd) != 0)
        cannotWrite(path, errno);
}

void PackedCopy::syncListing()
{
    // Each file was flushed as it was written (a flush of the whole file system would wait for
    // every other program's writes): the folder's names remain.
    const QString folder = generationPath(m_generation);
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0 || ::fsync(dir) != 0) {
        const int error = errno;
        if (dir >= 0)
            ::close(dir);
        cannotWrite(folder, error);
    }
    ::close(dir);
}

void PackedCopy::flushPack()
{
    if (m_pendingKeys.isEmpty())
        return;
    ++m_packCount;
    writeFile(m_pendingName, m_pending);
    m_nextPacks.append(m_pendingName);
    m_pending.clear();
    m_pendingKeys.clear();
}

void PackedCopy::carryOver()
{
    // The entries still in each touched pack, by pack.
    QHash<QString, std::vector<std::pair<int, QString>>> staying;
    for (auto it = m_next.cbegin(); it != m_next.cend(); ++it)
        if (m_touched.contains(it->pack))
            staying[it->pack].emplace_back(it->position, it.key());
    const QString from = generationPath(m_current) + QLatin1Char('/');
    const QString to = generationPath(m_generation) + QLatin1Char('/');
    for (const QString& pack : std::as_const(m_packs)) {
        if (!m_touched.contains(pack)) {
            // Unchanged: the same file under the same name, so its EntryIDs hold.
            if (::link(QFile::encodeName(from + pack).constData(), QFile::encodeName(to + pack).constData()) != 0) {
                QByteArray data;
                QString why;
                if (!safefile::readRegularFile(from + pack, kMaxIndex, data, &why))
                    throw std::runtime_error(QStringLiteral("Cannot read %1: %2")
                                                 .arg(QDir::toNativeSeparators(from + pack), why)
                                                 .toStdString());
                writeFile(pack, data);
            }
            m_nextPacks.append(pack);
            continue;
        }
        auto keys = staying.value(pack);
        if (keys.empty())
            continue;
        // Its other entries move to new packs: the old name, and with it every EntryID into the
        // pack, goes.
        QByteArray data;
        QString why;
        if (!safefile::readRegularFile(from + pack, kMaxIndex, data, &why))
            throw std::runtime_error(
                QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(from + pack), why).toStdString());
        const std::vector<QByteArray> cards = splitCards(data);
        std::sort(keys.begin(), keys.end());
        for (const auto& [position, key] : keys) {
            if (position > int(cards.size()))
                throw std::runtime_error(QStringLiteral("The copy's pack %1 is damaged.")
                                             .arg(QDir::toNativeSeparators(from + pack))
                                             .toStdString());
            const QString version = m_next.value(key).version;
            m_next.remove(key);
            put(key, version, cards[size_t(position - 1)]);
        }
    }
}

QByteArray PackedCopy::encodeIndex() const
{
    QByteArray out = kIndexHeader;
    out.reserve(qsizetype(m_next.size()) * 110);
    for (auto it = m_next.cbegin(); it != m_next.cend(); ++it) {
        out += it.key().toUtf8();
        out += '\t';
        out += it->pack.toUtf8();
        out += '\t';
        out += QByteArray::number(it->position);
        out += '\t';
        out += it->version.toUtf8();
        out += '\n';
    }
    return out;
}

void PackedCopy::commit(carddav::SyncState state)
{
    if (m_begun && m_fresh && m_next.size() != m_entries.size())
        m_changed = true;
    if (m_begun && !m_changed)
        abandon();
    if (!m_begun) {
        // Nothing new to name: the state alone, still naming the current generation.
        carddav::VdirCache::writeState(m_folder, state, namelessCount(), m_packed ? m_current : QString());
        m_state = state;
        return;
    }
    if (!m_fresh)
        carryOver();
    flushPack();
    writeFile(kIndexFile, encodeIndex());
    // The packs and the index reach the disk before the state that names them.
    syncListing();
    carddav::VdirCache::writeState(m_folder, state, namelessCount(), m_generation);
    m_current = m_generation;
    m_begun = false;
    m_state = state;
    m_complete = true;
    m_packed = true;
    m_entries = std::move(m_next);
    m_next.clear();
    m_packs = m_nextPacks;
}

void PackedCopy::abandon()
{
    if (!m_begun)
        return;
    m_begun = false;
    if (m_made)
        QDir(generationPath(m_generation)).removeRecursively();
    m_made = false;
    m_next.clear();
    m_pending.clear();
    m_pendingKeys.clear();
}

} // namespace contactclient::ldap
