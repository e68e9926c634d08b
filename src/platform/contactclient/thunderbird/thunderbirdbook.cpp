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
#include <atomic>
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
    file.name = uid;
    file.cards = 1;
    file.firstItem = static_cast<quint32>(snap.items.size());
    file.itemCount = 1;
    ItemRecord item;
    item.fileAs = s.fileAs;
    item.fullName = s.fullName;
    for (const QString& c : s.categories) {
        auto it = folded.constFind(c);
        if (it == folded.constEnd())
            it = folded.insert(c, foldedCategoryName(c));
        item.foldedCategories.append(*it);
    }
    item.file = static_cast<quint32>(snap.files.size());
    item.card = 1;
    item.group = s.group;
    snap.fileIndex.insert(uid, item.file);
    snap.items.push_back(std::move(item));
    snap.files.push_back(std::move(file));
}

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
    // The rows are read first and their cards parsed on several threads: parsing is most of the work.
    struct Row {
        QString uid;
        QByteArray text;
        std::optional<vcard::ContactSummary> summary;
    };
    std::vector<Row> rows;
    {
        ReadOnlyDatabase db(m_file);
        db.forEachCard([&](const QString& uid, const QByteArray& vcard) {
            rows.push_back({uid, vcard, std::nullopt});
        });
        db.forEachList([&](const thunderbird::ListRow& list) {
            rows.push_back(
                {list.uid, thunderbird::listVCard(list.name, list.nickName, list.description, {}), std::nullopt});
        });
    }
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < rows.size(); i = next++) {
            vcard::Card card;
            if (readCard(rows[i].text, vcard::Detail::Summary, card))
                rows[i].summary = vcard::summarize(card);
        }
    };
    const int threads =
        std::clamp<int>(std::min<qsizetype>(QThread::idealThreadCount(), qsizetype(rows.size()) / 256), 1, 4);
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();

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
