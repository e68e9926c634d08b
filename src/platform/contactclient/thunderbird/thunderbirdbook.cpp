#include "thunderbirdbook.h"

#include "contactclient/pathwatcher.h"
#include "contactclient/storenotifier.h"
#include "contactclient/thunderbird/thunderbirdcards.h"
#include "contactclient/thunderbird/thunderbirddatabase.h"
#include "contactclient/vcard/categoryfilter.h"
#include "contactclient/vcard/contactmapping.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "contactclient/vcard/vcarditemset.h"

#include <QFile>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace contactclient {
namespace {

using thunderbird::ReadOnlyDatabase;

// The first card of the vCard text, read at the given detail; false when there is none.
bool readCard(const QByteArray& text, vcard::Detail detail, vcard::Card& out)
{
    bool found = false;
    vcard::readCards(text, detail, [&](vcard::Card& card) {
        if (card.ok()) {
            out = std::move(card);
            found = true;
        }
        return false;
    });
    return found;
}

// folded: the categories folded so far (a book has few, on many cards).
void addRecord(FolderSnapshot& snap, const QString& uid, const vcard::ContactSummary& s,
               QHash<QString, QString>& folded)
{
    // Each card is a "file" of its own in the snapshot, named by its uid: EntryID is the uid.
    VCardFile file;
    file.cards = 1;
    file.firstItem = static_cast<quint32>(snap.items.size());
    file.itemCount = 1;
    ItemRecord item;
    QStringList categories;
    for (const QString& c : s.categories) {
        auto it = folded.constFind(c);
        if (it == folded.constEnd())
            it = folded.insert(c, foldedCategoryName(c));
        categories.append(*it);
    }
    item.categories = snap.categorySets.intern(categories);
    item.file = static_cast<quint32>(snap.files.size());
    item.card = 1;
    item.group = s.group;
    snap.fileIndex.insert(uid, item.file);
    snap.addItem(item, s.fileAs, s.fullName);
    snap.addFile(file, uid);
}

// A card as read from the database, and what parsing it gave.
struct Row {
    QString uid;
    QByteArray text;
    std::optional<vcard::ContactSummary> summary;
};

// Rows handed over in chunks as the database gives them and parsed meanwhile on worker threads,
// so that reading and parsing (most of the work) overlap. The rows keep their order.
class ParsePipeline {
public:
    ParsePipeline()
    {
        const int workers = std::clamp(QThread::idealThreadCount() - 1, 1, 3);
        for (int i = 0; i < workers; ++i)
            m_threads.emplace_back([this] { work(); });
    }
    ~ParsePipeline() { stop(); }
    ParsePipeline(const ParsePipeline&) = delete;
    ParsePipeline& operator=(const ParsePipeline&) = delete;

    void add(Row row)
    {
        m_filling.push_back(std::move(row));
        if (m_filling.size() == kChunk)
            handOver();
    }

    // Every row, parsed, in the order added; this thread helps with what is left.
    std::vector<Row> finish()
    {
        handOver();
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_ready.notify_all();
        work();
        stop();
        std::vector<Row> rows;
        for (const auto& chunk : m_chunks)
            std::move(chunk->begin(), chunk->end(), std::back_inserter(rows));
        return rows;
    }

private:
    static constexpr std::size_t kChunk = 128;

    void handOver()
    {
        if (m_filling.empty())
            return;
        {
            std::lock_guard lock(m_mutex);
            m_chunks.push_back(std::make_unique<std::vector<Row>>(std::move(m_filling)));
        }
        m_filling = {};
        m_filling.reserve(kChunk);
        m_ready.notify_one();
    }

    void work()
    {
        for (;;) {
            std::vector<Row>* chunk = nullptr;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return m_next < m_chunks.size() || m_done; });
                if (m_next == m_chunks.size())
                    return;
                chunk = m_chunks[m_next++].get(); // a chunk handed over is no longer touched by the reader
            }
            for (Row& row : *chunk) {
                vcard::Card card;
                if (readCard(row.text, vcard::Detail::Summary, card))
                    row.summary = vcard::summarize(card);
            }
        }
    }

    void stop()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_ready.notify_all();
        for (std::thread& t : m_threads)
            t.join();
        m_threads.clear();
    }

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<std::unique_ptr<std::vector<Row>>> m_chunks; // handed over, guarded by m_mutex
    std::size_t m_next = 0;                                  // the next chunk to parse
    bool m_done = false;                                     // nothing more is handed over
    std::vector<Row> m_filling;                              // the reader's, until handed over
    std::vector<std::thread> m_threads;
};

} // namespace

ThunderbirdBookStore::ThunderbirdBookStore(QString databaseFile) : m_file(std::move(databaseFile)) {}

ThunderbirdBookStore::~ThunderbirdBookStore() = default;

QString ThunderbirdBookStore::fileSignature() const
{
    QString signature;
    for (const QString& f : QStringList{m_file, m_file + QStringLiteral("-wal")}) {
        struct stat st {};
        if (::stat(QFile::encodeName(f).constData(), &st) == 0)
            signature += QString::number(st.st_size) + QLatin1Char(':') + QString::number(st.st_mtim.tv_sec) +
                         QLatin1Char('.') + QString::number(st.st_mtim.tv_nsec) + QLatin1Char(':') +
                         QString::number(st.st_ino);
        signature += QLatin1Char(';');
    }
    return signature;
}

void ThunderbirdBookStore::open()
{
    m_signature = fileSignature();
    ParsePipeline pipeline;
    {
        ReadOnlyDatabase db(m_file);
        db.forEachCard([&](const QString& uid, const QByteArray& vcard) { pipeline.add({uid, vcard, std::nullopt}); });
        db.forEachList([&](const thunderbird::ListRow& list) {
            pipeline.add(
                {list.uid, thunderbird::listVCard(list.name, list.nickName, list.description, {}), std::nullopt});
        });
    }
    const std::vector<Row> rows = pipeline.finish();

    auto snap = std::make_shared<FolderSnapshot>();
    snap->folder = m_file;
    snap->items.reserve(rows.size());
    snap->files.reserve(rows.size());
    int unreadable = 0;
    QHash<QString, QString> folded;
    for (const Row& row : rows) {
        if (row.summary)
            addRecord(*snap, row.uid, *row.summary, folded);
        else
            ++unreadable;
    }
    m_snapshot = std::move(snap);
    m_unreadable = unreadable;
}

std::shared_ptr<ItemSet> ThunderbirdBookStore::items()
{
    if (!m_snapshot || fileSignature() != m_signature)
        open();
    return std::make_shared<VCardItemSet>(m_snapshot);
}

std::shared_ptr<ContactItem> ThunderbirdBookStore::itemFromId(const QString& entryId)
{
    ReadOnlyDatabase db(m_file);
    QByteArray text;
    const thunderbird::Properties properties = db.cardProperties(entryId);
    if (!properties.isEmpty()) {
        text = thunderbird::cardVCard(properties);
    } else {
        const std::optional<thunderbird::ListRow> list = db.list(entryId);
        if (!list)
            throw ItemNotFound(entryId);
        text = thunderbird::listVCard(list->name, list->nickName, list->description, db.listMembers(entryId));
    }
    vcard::Card card;
    if (!readCard(text, vcard::Detail::Full, card))
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The Thunderbird card \"%1\" cannot be read.").arg(entryId));
    return std::make_shared<VCardContactItem>(entryId, vcard::mapContact(card));
}

QString ThunderbirdBookStore::statusNote() const
{
    if (m_unreadable == 1)
        return QStringLiteral("1 Thunderbird card could not be read and was skipped.");
    if (m_unreadable > 1)
        return QStringLiteral("%1 Thunderbird cards could not be read and were skipped.").arg(m_unreadable);
    return {};
}

StoreNotifier* ThunderbirdBookStore::notifier() const
{
    if (!m_notifier) {
        m_notifier = std::make_unique<StoreNotifier>();
        m_watcher = std::make_unique<PathWatcher>();
        // A missing log is watched for through the profile folder, where much else changes: only a
        // change of the database or its log is passed on.
        QObject::connect(m_watcher.get(), &PathWatcher::changed, m_notifier.get(),
                         [this, seen = fileSignature()]() mutable {
                             const QString now = fileSignature();
                             if (now == seen)
                                 return;
                             seen = now;
                             emit m_notifier->changed();
                         });
        // The log changes with every write while Thunderbird runs; the file itself at checkpoints.
        m_watcher->setPaths({m_file, m_file + QStringLiteral("-wal")});
    }
    return m_notifier.get();
}

} // namespace contactclient
