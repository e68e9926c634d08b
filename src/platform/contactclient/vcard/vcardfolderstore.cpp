#include "vcardfolderstore.h"

#include "contactclient/clientconfig.h"
#include "contactclient/pathwatcher.h"
#include "contactclient/storenotifier.h"
#include "contactclient/vcard/summarywriter.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "contactclient/vcard/vcarditemset.h"
#include "safefile.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

#include <cerrno>

#include <unistd.h>

namespace contactclient {
namespace {

[[noreturn]] void unreadable(const QString& file, const QString& why)
{
    throw AutomationError(errStoreUnavailable,
                          QStringLiteral("The contact file \"%1\" cannot be read: %2").arg(file, why));
}

// The snapshot's record of the card when its file is unchanged since the folder was read.
const ItemRecord* recordFor(const FolderSnapshot* snap, const QString& name, int card, const safefile::FileInfo& info,
                            bool* converted)
{
    if (!snap)
        return nullptr;
    const qint64 at = snap->findFile(QStringView(name));
    if (at < 0)
        return nullptr;
    const VCardFile& vf = snap->files[size_t(at)];
    if (info.size != vf.size || info.mtimeNs != vf.mtimeNs)
        return nullptr;
    // A file's records are in card order.
    const auto first = snap->items.begin() + vf.firstItem;
    const auto last = first + vf.itemCount;
    const auto rec = std::lower_bound(first, last, card, [](const ItemRecord& r, int c) { return r.card < c; });
    if (rec == last || rec->card != card || rec->length == 0)
        return nullptr;
    *converted = vf.converted;
    return &*rec;
}

// Whether a slice holds a card from its start: blanks or a byte-order mark may stand before BEGIN.
bool startsCard(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    while (!bytes.isEmpty() &&
           (bytes.front() == ' ' || bytes.front() == '\t' || bytes.front() == '\r' || bytes.front() == '\n'))
        bytes = bytes.sliced(1);
    return bytes.size() >= 6 && bytes.first(6).toByteArray().toUpper() == "BEGIN:";
}

} // namespace

VCardFolderStore::VCardFolderStore(QString folder, std::optional<SummaryCache> summaries) : m_folder(std::move(folder))
{
    if (summaries)
        m_summaries = std::make_shared<SummaryWriter>(std::move(*summaries));
    m_writer = std::make_shared<VCardWriter>();
    m_writer->folder = m_folder;
    m_writer->stale = m_stale;
}

void VCardFolderStore::setReadOnly(const QString& reason)
{
    m_writer.reset();
    m_readOnlyReason = reason;
}

bool VCardFolderStore::writable() const
{
    return m_writer != nullptr;
}

QString VCardFolderStore::readOnlyReason() const
{
    if (m_writer)
        return {};
    return m_readOnlyReason.isEmpty() ? ContactItem::defaultReadOnlyReason() : m_readOnlyReason;
}

std::shared_ptr<ContactItem> VCardFolderStore::createItem(const QString& book)
{
    requireOwnBook(book);
    if (!m_writer)
        throw AutomationError(errReadOnly, readOnlyReason());
    return std::make_shared<VCardContactItem>(QString(), vcard::ContactData(), m_writer);
}

VCardFolderStore::~VCardFolderStore() = default;

void VCardFolderStore::open()
{
    if (!QFileInfo::exists(m_folder)) {
        if (!m_createMissing) {
            becomeMissing(QCoreApplication::translate(
                              "VCardFolderStore",
                              "The address book folder %1 does not exist. Choose your address book in Quintel Setup.")
                              .arg(m_folder));
            return;
        }
        if (!QDir().mkpath(m_folder))
            throw AutomationError(errStoreUnavailable,
                                  QStringLiteral("The address book folder \"%1\" cannot be created.").arg(m_folder));
    }
    // The summary is loaded while the folder is listed and its files stamped.
    std::future<std::shared_ptr<const FolderSnapshot>> earlier;
    if (m_summaries && QFileInfo::exists(m_summaries->cache().fileFor(m_folder)))
        earlier = std::async(std::launch::async,
                             [cache = m_summaries->cache(), folder = m_folder] { return cache.load(folder); });
    read(std::move(earlier));
    m_missingNote.clear();
}

void VCardFolderStore::becomeMissing(const QString& note)
{
    auto empty = std::make_shared<FolderSnapshot>();
    empty->folder = m_folder;
    empty->folderMtimeNs = -1;
    m_snapshot = std::move(empty);
    m_folderMtimeNs = -1;
    m_missingNote = note;
}

void VCardFolderStore::read(std::shared_ptr<const FolderSnapshot> earlier)
{
    std::promise<std::shared_ptr<const FolderSnapshot>> given;
    given.set_value(std::move(earlier));
    read(given.get_future());
}

void VCardFolderStore::read(std::future<std::shared_ptr<const FolderSnapshot>> earlier)
{
    // The time is taken first: a change while the files are read shows as a later one.
    const qint64 folderTime = folderMtime(m_folder);
    ReadStats stats;
    m_snapshot = readFolder(m_folder, std::move(earlier), &stats, m_followLinks);
    m_folderMtimeNs = folderTime;
    if (m_summaries && !stats.unchanged)
        m_summaries->save(m_snapshot);
}

std::shared_ptr<const FolderSnapshot> VCardFolderStore::snapshot()
{
    const bool stale = m_stale->exchange(false);
    if (m_snapshot && !QFileInfo(m_folder).isDir()) {
        // Gone after it was opened (a sync tool moving it, an unmounted disk, a parent folder
        // renamed), or never there: no contacts and a note until it comes, rather than a failure
        // on every change.
        if (m_missingNote.isEmpty())
            becomeMissing(
                QCoreApplication::translate("VCardFolderStore",
                                            "The address book folder %1 is gone; its contacts are back when it is.")
                    .arg(m_folder));
        return m_snapshot;
    }
    if (!m_snapshot || stale || folderMtime(m_folder) != m_folderMtimeNs) {
        read(m_snapshot);
        m_missingNote.clear();
    }
    return m_snapshot;
}

StoreNotifier* VCardFolderStore::notifier() const
{
    if (!m_notifier) {
        m_notifier = std::make_unique<StoreNotifier>();
        m_watcher = std::make_unique<PathWatcher>();
        QObject::connect(m_watcher.get(), &PathWatcher::changed, m_notifier.get(),
                         [stale = m_stale, notifier = m_notifier.get()] {
                             stale->store(true);
                             emit notifier->changed();
                         });
        m_watcher->setPaths({m_folder});
        if (m_writer)
            m_writer->notifier = m_notifier.get();
    }
    return m_notifier.get();
}

std::shared_ptr<ItemSet> VCardFolderStore::items()
{
    std::shared_ptr<const FolderSnapshot> current = snapshot();
    auto items = std::make_shared<VCardItemSet>(current);
    if (m_summaries)
        items->setMemo(std::make_shared<SummaryMemo>(std::move(current), m_summaries));
    return items;
}

std::shared_ptr<ContactItem> VCardFolderStore::itemFromId(const QString& entryId)
{
    QString name;
    int card = 1;
    if (!parseEntryId(entryId, name, card))
        throw ItemNotFound(entryId);
    // Opened once, as a regular file only (never a link, a device or a pipe). A card replaced by
    // rename at this moment can be missing for an instant: the open is tried again a few times.
    const QByteArray path = QFile::encodeName(m_folder + QLatin1Char('/') + name);
    safefile::FileInfo info;
    QString why;
    int error = 0;
    safefile::Fd fd;
    for (int attempt = 0; attempt < 4; ++attempt) {
        fd = safefile::openRegularFile(-1, path, kMaxFileSize, &info, &why, &error, m_followLinks);
        if (fd.isOpen() || error != ENOENT)
            break;
        QThread::yieldCurrentThread();
    }
    if (!fd.isOpen()) {
        if (error == ENOENT || error == ENOTDIR)
            throw ItemNotFound(entryId);
        unreadable(name, why);
    }

    std::shared_ptr<ContactItem> found;
    auto take = [&](vcard::Card& c) {
        if (c.index != card)
            return true;
        if (c.ok())
            found = std::make_shared<VCardContactItem>(entryId, vcard::mapContact(c), m_writer, m_readOnlyReason);
        return false;
    };
    // The card's own bytes, where the folder's reading recorded them: read from the file directly,
    // or, for a file converted from UTF-16, from the converted copy kept from the last lookup.
    bool converted = false;
    const ItemRecord* rec = recordFor(m_snapshot.get(), name, card, info, &converted);
    QByteArray data;
    auto wholeFile = [&] {
        if (!data.isEmpty())
            return;
        data = decodedFile(fd.get(), name, info);
    };
    QByteArray slice;
    const qint64 offset = rec ? qint64(rec->offset) : 0;
    const qint64 length = rec ? qint64(rec->length) : 0;
    if (rec && !converted && offset + length <= info.size) {
        slice.resize(length);
        if (::pread(fd.get(), slice.data(), static_cast<size_t>(length), offset) != length)
            slice.clear();
    } else if (rec && converted) {
        wholeFile();
        if (offset + length <= data.size())
            slice = data.sliced(offset, length);
    }
    if (!slice.isEmpty() && startsCard(slice)) {
        card = 1; // the slice holds just this card
        vcard::readCards(slice, vcard::Detail::Full, take);
        if (found)
            return found;
        parseEntryId(entryId, name, card);
    }
    wholeFile();
    vcard::readCards(data, vcard::Detail::Full, take);
    if (!found)
        throw ItemNotFound(entryId);
    return found;
}

QByteArray VCardFolderStore::decodedFile(int fd, const QString& name, const safefile::FileInfo& info)
{
    {
        const std::lock_guard lock(m_decodedLock);
        if (m_decoded.name == name && m_decoded.size == info.size && m_decoded.mtimeNs == info.mtimeNs)
            return m_decoded.data;
    }
    QByteArray raw;
    QString why;
    if (::lseek(fd, 0, SEEK_SET) != 0 || !safefile::readToEnd(fd, info.size, kMaxFileSize, raw, &why))
        unreadable(name, why.isEmpty() ? QStringLiteral("cannot seek") : why);
    QByteArray data = vcard::toUtf8Data(raw);
    if (data.constData() != raw.constData()) {
        // Converted from UTF-16: kept, so that the next contact of the same file is not converted again.
        const std::lock_guard lock(m_decodedLock);
        m_decoded = {name, info.size, info.mtimeNs, data};
    }
    return data;
}

QString VCardFolderStore::statusNote() const
{
    if (!m_missingNote.isEmpty())
        return m_missingNote;
    if (!m_snapshot || m_snapshot->skipped.isEmpty())
        return {};
    qint64 count = 0;
    for (const SkippedItem& s : m_snapshot->skipped)
        count += s.count;
    if (count == 1)
        return QStringLiteral("1 contact could not be read and was skipped (quintel-contacts shows why).");
    return QStringLiteral("%1 contacts could not be read and were skipped (quintel-contacts shows why).").arg(count);
}

QList<SkippedItem> VCardFolderStore::skipped() const
{
    return m_snapshot ? m_snapshot->skipped : QList<SkippedItem>();
}

QString vcardFolderFromSettings(const SettingsStore& settings)
{
    QString folder = clientSetting(settings, key::Folder).trimmed();
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/contacts");
    return folder;
}

std::shared_ptr<Store> createVCardFolderStore(const SettingsStore& settings)
{
    auto store = std::make_shared<VCardFolderStore>(vcardFolderFromSettings(settings));
    store->setFollowLinks(true); // the user's own address book
    return store;
}

std::shared_ptr<Store> createVCardFolderStore(const QString& folder)
{
    auto store = std::make_shared<VCardFolderStore>(folder);
    store->setCreateMissing(true); // the program's own copy: its folder is made as it is filled
    store->setReadOnly(QObject::tr("This contact is Quintel's copy of a server's address book (CardDAV or LDAP); "
                                   "change it on the server or in the program that manages it."));
    return store;
}

} // namespace contactclient
