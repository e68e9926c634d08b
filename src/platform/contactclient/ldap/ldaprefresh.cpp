#include "ldaprefresh.h"

#include "ldapconnection.h"

#include <QCryptographicHash>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace contactclient::ldap {
namespace {

const QString kUuid = QStringLiteral("entryUUID");
const QString kStamp = QStringLiteral("modifyTimestamp");
const QString kCsn = QStringLiteral("entryCSN");

// A value inside a search filter (RFC 4515): the characters with a meaning there escaped.
QString filterValue(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '(':
            out += QLatin1String("\\28");
            break;
        case ')':
            out += QLatin1String("\\29");
            break;
        case '*':
            out += QLatin1String("\\2a");
            break;
        case '\\':
            out += QLatin1String("\\5c");
            break;
        case 0:
            out += QLatin1String("\\00");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Hands the entries read to a second thread that makes and packs their cards, so that the server's
// next entries are read meanwhile. A failure of the packing ends the reading with its exception.
class Pipeline {
public:
    explicit Pipeline(std::function<void(const Entry&)> sink) : m_sink(std::move(sink))
    {
        m_worker = std::thread([this] { run(); });
    }
    ~Pipeline()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_ready.notify_all();
        m_space.notify_all();
        m_worker.join();
    }
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    void push(const Entry& entry)
    {
        m_batch.push_back(entry);
        if (m_batch.size() >= kBatch)
            hand(false);
    }
    // Waits until every entry is packed; throws what the packing threw.
    void finish() { hand(true); }

private:
    // Up to 5,000 entries wait, so that the reading goes on while a pack is flushed to the disk.
    static constexpr size_t kBatch = 200;
    static constexpr size_t kQueued = 25;

    void hand(bool last)
    {
        std::unique_lock lock(m_mutex);
        m_space.wait(lock, [&] { return m_queue.size() < kQueued || m_error; });
        if (m_error)
            std::rethrow_exception(m_error);
        m_queue.push_back(std::exchange(m_batch, {}));
        m_last = last;
        m_ready.notify_all();
        if (!last)
            return;
        m_space.wait(lock, [&] { return m_finished || m_error; });
        if (m_error)
            std::rethrow_exception(m_error);
    }

    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_ready.wait(lock, [&] { return !m_queue.empty() || m_stop; });
            if (m_stop)
                return;
            std::vector<Entry> batch = std::move(m_queue.front());
            m_queue.pop_front();
            m_space.notify_all();
            lock.unlock();
            try {
                for (const Entry& e : batch)
                    m_sink(e);
            } catch (...) {
                lock.lock();
                m_error = std::current_exception();
                m_space.notify_all();
                return;
            }
            lock.lock();
            if (m_last && m_queue.empty()) {
                m_finished = true;
                m_space.notify_all();
            }
        }
    }

    std::function<void(const Entry&)> m_sink;
    std::vector<Entry> m_batch; // the reader's, not yet handed over
    std::mutex m_mutex;
    std::condition_variable m_ready, m_space;
    std::deque<std::vector<Entry>> m_queue;
    bool m_last = false, m_finished = false, m_stop = false;
    std::exception_ptr m_error;
    std::thread m_worker;
};

} // namespace

QString Directory::identity() const
{
    return QStringList{url.trimmed(), baseDn.trimmed(), filter, attributes.requested().join(QLatin1Char(','))}.join(
        QLatin1Char('|'));
}

QString normalizedFilter(const QString& filter)
{
    const QString f = filter.trimmed();
    if (f.isEmpty())
        return kDefaultFilter;
    return f.startsWith(QLatin1Char('(')) ? f : QLatin1Char('(') + f + QLatin1Char(')');
}

QString entryKey(const Entry& entry)
{
    // 8-4-4-4-12 hexadecimal digits.
    const QString id = entry.first(kUuid).toLower();
    bool uuid = id.size() == 36;
    for (qsizetype at = 0; uuid && at < id.size(); ++at) {
        const char16_t c = id.at(at).unicode();
        uuid = (at == 8 || at == 13 || at == 18 || at == 23) ? c == u'-'
                                                             : ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'));
    }
    if (uuid)
        return id + QStringLiteral(".vcf");
    return QString::fromLatin1(
               QCryptographicHash::hash(entry.dn.toLower().toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".vcf");
}

RefreshEngine::RefreshEngine(Connection& connection, PackedCopy& copy, Directory directory, RefreshOptions options)
    : m_connection(connection), m_copy(copy), m_directory(std::move(directory)), m_options(std::move(options)),
      m_mapping(m_directory.attributes.lowered())
{
}

RefreshResult RefreshEngine::run()
{
    m_copy.load();
    m_copy.removeOldCopies();
    RefreshResult result;
    const QString identity = m_directory.identity();
    // An older copy (a file per entry) is read afresh into packs.
    const bool sameCopy = m_copy.isComplete() && m_copy.isPacked() && m_copy.state().addressBook == identity;
    m_newest = sameCopy ? m_copy.state().syncToken : QString();
    if (!sameCopy || m_newest.isEmpty() || !readChanges(result)) {
        m_copy.abandon();
        result = {};
        m_newest.clear();
        readAll(result);
    }
    result.nameless = m_copy.namelessCount();
    // Nothing changed: the copy stays as it is, state and all.
    if (!result.full && !m_copy.changed() && m_newest == m_copy.state().syncToken) {
        m_copy.abandon();
        return result;
    }
    carddav::SyncState state;
    state.addressBook = identity;
    state.syncToken = m_newest;
    m_copy.commit(state);
    return result;
}

void RefreshEngine::readAll(RefreshResult& result)
{
    result.full = true;
    const bool sameKind = m_copy.isComplete() && m_copy.state().addressBook == m_directory.identity();
    const QHash<QString, PackedEntry> before = sameKind ? m_copy.entries() : QHash<QString, PackedEntry>();
    m_copy.begin(true, sameKind);
    QSet<QString> seen;
    QStringList attributes = m_directory.attributes.requested();
    attributes << kUuid << kStamp << kCsn;
    {
        Pipeline pipeline([&](const Entry& e) { write(e, result, &seen); });
        m_connection.pagedSearch(
            m_directory.baseDn, m_directory.filter, attributes,
            [&](const Entry& e) {
                pipeline.push(e);
                if (m_options.entryRead)
                    m_options.entryRead(++m_entriesRead);
            },
            m_options.pageSize);
        pipeline.finish();
    }
    // Every entry is in the new generation; what counts as written is what differs from before.
    result.written = 0;
    for (auto it = m_copy.entries().cbegin(); it != m_copy.entries().cend(); ++it) {
        const auto was = before.constFind(it.key());
        if (!it->nameless() &&
            (was == before.cend() || was->nameless() || was->version != it->version || it->version.isEmpty()))
            ++result.written;
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (!seen.contains(it.key()))
            ++result.removed;
}

bool RefreshEngine::readChanges(RefreshResult& result)
{
    QSet<QString> present;
    m_connection.pagedSearch(
        m_directory.baseDn, m_directory.filter, {kUuid}, [&](const Entry& e) { present.insert(entryKey(e)); },
        m_options.pageSize);
    QStringList attributes = m_directory.attributes.requested();
    attributes << kUuid << kStamp << kCsn;
    const QString changed = QStringLiteral("(&%1(%2>=%3))").arg(m_directory.filter, kStamp, filterValue(m_newest));
    m_copy.begin(false);
    try {
        m_connection.pagedSearch(
            m_directory.baseDn, changed, attributes,
            [&](const Entry& e) {
                write(e, result, nullptr);
                if (m_options.entryRead)
                    m_options.entryRead(++m_entriesRead);
            },
            m_options.pageSize);
    } catch (const LdapError& e) {
        if (e.kind() == LdapError::Refused)
            return false; // no ordering on modifyTimestamp here: read everything
        throw;
    }
    // An entry the listing shows that is neither in the copy nor among the changed ones came into
    // view some other way (rights, a move): only a full read is sure to have everything.
    for (const QString& key : std::as_const(present))
        if (!m_copy.entries().contains(key))
            return false;
    const QStringList known = m_copy.entries().keys();
    for (const QString& key : known)
        if (!present.contains(key)) {
            m_copy.remove(key);
            ++result.removed;
        }
    return true;
}

void RefreshEngine::write(const Entry& entry, RefreshResult& result, QSet<QString>* seen)
{
    const QString key = entryKey(entry);
    const QString stamp = entry.first(kStamp);
    if (seen)
        seen->insert(key);
    if (stamp > m_newest)
        m_newest = stamp;
    // The change sequence number tells two changes within one second apart; the time stamp alone
    // does not, so without one every entry read is written.
    const QString csn = entry.first(kCsn);
    const QString version = csn.isEmpty() ? QString() : stamp + QLatin1Char('/') + csn;
    if (!seen && !version.isEmpty()) {
        // Asked for as changed, yet the same as in the copy: left where it is.
        const auto it = m_copy.entries().constFind(key);
        if (it != m_copy.entries().cend() && it->version == version)
            return;
    }
    const QByteArray card = toVCard(entry, key.chopped(4), m_mapping);
    if (card.isEmpty()) {
        m_copy.putNameless(key, version);
        return;
    }
    m_copy.put(key, version, card);
    if (!seen)
        ++result.written;
}

} // namespace contactclient::ldap
