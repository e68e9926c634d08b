#include "thunderbirdbook.h"

#include "contactclient/pathwatcher.h"
#include "contactclient/storenotifier.h"
#include "contactclient/thunderbird/thunderbirdcards.h"
#include "contactclient/thunderbird/thunderbirddatabase.h"
#include "contactclient/vcard/categoryfilter.h"
#include "contactclient/vcard/contactmapping.h"
#include "contactclient/vcard/summaryscan.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "contactclient/vcard/vcarditemset.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <tuple>
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
void addRecord(FolderSnapshot& snap, const QString& uid, vcard::ContactSummary&& s, QHash<QString, QString>& folded)
{
    // Each card is a "file" of its own in the snapshot, named by its uid: EntryID is the uid. A
    // card is found again through the database, never through the snapshot's files.
    VCardFile file;
    file.cards = 1;
    file.firstItem = static_cast<quint32>(snap.items.size());
    file.itemCount = 1;
    ItemRecord item;
    QStringList categories;
    categories.reserve(s.categories.size());
    for (const QString& c : std::as_const(s.categories)) {
        auto it = folded.constFind(c);
        if (it == folded.constEnd())
            it = folded.insert(c, foldedCategoryName(c));
        categories.append(*it);
    }
    item.categories = snap.categorySets.intern(categories);
    item.file = static_cast<quint32>(snap.files.size());
    item.card = 1;
    item.group = s.group;
    snap.addItem(item, s.fileAs, s.fullName, s.searchFields);
    snap.addFile(file, uid);
}

// What the lists need of a card's text: the quick scan, else the full reader when the scan is not
// sure; nothing when the card cannot be read.
std::optional<vcard::ContactSummary> summaryOf(const QByteArray& text)
{
    if (std::optional<vcard::ContactSummary> s = vcard::scanSummary(text))
        return s;
    vcard::Card card;
    if (readCard(text, vcard::Detail::Summary, card))
        return vcard::summarize(card);
    return std::nullopt;
}

// A card or mailing list as read from the database, and what it gave. The cards come first, each
// in its place; the lists after them in theirs.
struct Row {
    bool list = false;
    qint64 place = 0;
    QString uid;
    std::optional<vcard::ContactSummary> summary;
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
    // Each card is summarized as it comes: the quick scan leaves little to share out between
    // threads, and handing rows over to one cost more than it saved.
    std::vector<Row> rows;
    {
        ReadOnlyDatabase db(m_file);
        db.forEachCard([&](const thunderbird::CardRow& card) {
            rows.push_back({false, card.place, card.uid, summaryOf(card.vcard)});
        });
        qint64 place = 0;
        db.forEachList([&](const thunderbird::ListRow& list) {
            rows.push_back({true, place++, list.uid,
                            summaryOf(thunderbird::listVCard(list.name, list.nickName, list.description, {}))});
        });
    }
    // The cards come from the database in no set order: taken by place, and where a card came
    // twice the later one stands (a stable sort keeps them in the order they came).
    const auto before = [&](quint32 a, quint32 b) {
        return std::tie(rows[a].list, rows[a].place) < std::tie(rows[b].list, rows[b].place);
    };
    std::vector<quint32> order(rows.size());
    std::iota(order.begin(), order.end(), 0U);
    if (!std::is_sorted(order.cbegin(), order.cend(), before))
        std::stable_sort(order.begin(), order.end(), before);

    auto snap = std::make_shared<FolderSnapshot>();
    snap->folder = m_file;
    snap->items.reserve(rows.size());
    snap->files.reserve(rows.size());
    int unreadable = 0;
    QHash<QString, QString> folded;
    for (std::size_t k = 0; k < order.size(); ++k) {
        Row& row = rows[order[k]];
        if (k + 1 < order.size() && !before(order[k], order[k + 1]))
            continue; // came again: the later one stands
        if (row.summary)
            addRecord(*snap, row.uid, std::move(*row.summary), folded);
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
    return std::make_shared<VCardContactItem>(
        entryId, vcard::mapContact(card), nullptr,
        QObject::tr("Quintel reads Thunderbird's address book but does not change it; change this contact in "
                    "Thunderbird."));
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
