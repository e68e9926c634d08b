#include "vcardfolderstore.h"

#include "contactclient/clientconfig.h"
#include "contactclient/pathwatcher.h"
#include "contactclient/storenotifier.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "contactclient/vcard/vcarditemset.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

#include <sys/stat.h>

namespace contactclient {
namespace {

[[noreturn]] void unreadable(const QString& file, const QString& why)
{
    throw AutomationError(errStoreUnavailable,
                          QStringLiteral("The contact file \"%1\" cannot be read: %2").arg(file, why));
}

// The card's own bytes when the file is unchanged since the folder was read; empty otherwise.
QByteArray cachedCardBytes(QFile& f, const FolderSnapshot* snap, const QString& name, int card)
{
    if (!snap)
        return {};
    const auto it = snap->fileIndex.constFind(name);
    if (it == snap->fileIndex.constEnd())
        return {};
    const VCardFile& vf = snap->files[*it];
    struct stat st {};
    if (vf.converted || ::fstat(f.handle(), &st) != 0 || st.st_size != vf.size ||
        qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec != vf.mtimeNs)
        return {};
    // A file's records are in card order.
    const auto first = snap->items.begin() + vf.firstItem;
    const auto last = first + vf.itemCount;
    const auto rec = std::lower_bound(first, last, card, [](const ItemRecord& r, int c) { return r.card < c; });
    if (rec == last || rec->card != card || !f.seek(rec->offset))
        return {};
    QByteArray bytes = f.read(rec->length);
    if (bytes.size() != rec->length ||
        !QByteArrayView(bytes).first(std::min<qsizetype>(6, bytes.size())).toByteArray().toUpper().startsWith("BEGIN:"))
        return {};
    return bytes;
}

} // namespace

VCardFolderStore::VCardFolderStore(QString folder) : m_folder(std::move(folder)) {}

VCardFolderStore::~VCardFolderStore() = default;

void VCardFolderStore::open()
{
    if (!QFileInfo::exists(m_folder) && !QDir().mkpath(m_folder))
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The address book folder \"%1\" cannot be created.").arg(m_folder));
    m_snapshot = readFolder(m_folder);
    m_missingNote.clear();
}

std::shared_ptr<const FolderSnapshot> VCardFolderStore::snapshot()
{
    const bool stale = m_stale->exchange(false);
    if (m_snapshot && !QFileInfo(m_folder).isDir()) {
        // Gone after it was opened (a sync tool moving it, an unmounted disk): no contacts and a
        // note until it comes back, rather than a failure on every change.
        auto empty = std::make_shared<FolderSnapshot>();
        empty->folder = m_folder;
        empty->folderMtimeNs = -1;
        m_snapshot = std::move(empty);
        m_missingNote =
            QStringLiteral("The address book folder \"%1\" is gone; its contacts are back when it is.").arg(m_folder);
        return m_snapshot;
    }
    if (!m_snapshot || stale || folderMtime(m_folder) != m_snapshot->folderMtimeNs) {
        m_snapshot = readFolder(m_folder);
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
    }
    return m_notifier.get();
}

std::shared_ptr<ItemSet> VCardFolderStore::items()
{
    return std::make_shared<VCardItemSet>(snapshot());
}

std::shared_ptr<ContactItem> VCardFolderStore::itemFromId(const QString& entryId)
{
    QString name;
    int card = 1;
    if (!parseEntryId(entryId, name, card))
        throw ItemNotFound(entryId);
    QFile f(m_folder + QLatin1Char('/') + name);
    if (!f.exists())
        throw ItemNotFound(entryId);
    if (!f.open(QIODevice::ReadOnly))
        unreadable(name, f.errorString());

    std::shared_ptr<ContactItem> found;
    auto take = [&](vcard::Card& c) {
        if (c.index != card)
            return true;
        if (c.ok())
            found = std::make_shared<VCardContactItem>(entryId, vcard::mapContact(c));
        return false;
    };
    const QByteArray cached = cachedCardBytes(f, m_snapshot.get(), name, card);
    if (!cached.isEmpty()) {
        card = 1; // the slice holds just this card
        vcard::readCards(cached, vcard::Detail::Full, take);
        if (found)
            return found;
        parseEntryId(entryId, name, card);
        f.seek(0);
    }
    if (f.size() > kMaxFileSize)
        unreadable(name, QStringLiteral("larger than %1 MB").arg(kMaxFileSize / (1024 * 1024)));
    const QByteArray data = vcard::toUtf8Data(f.readAll());
    if (f.error() != QFileDevice::NoError)
        unreadable(name, f.errorString());
    vcard::readCards(data, vcard::Detail::Full, take);
    if (!found)
        throw ItemNotFound(entryId);
    return found;
}

QString VCardFolderStore::statusNote() const
{
    if (!m_missingNote.isEmpty())
        return m_missingNote;
    if (!m_snapshot || m_snapshot->skipped.isEmpty())
        return {};
    const auto count = m_snapshot->skipped.size();
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
    return std::make_shared<VCardFolderStore>(vcardFolderFromSettings(settings));
}

std::shared_ptr<Store> createVCardFolderStore(const QString& folder)
{
    return std::make_shared<VCardFolderStore>(folder);
}

} // namespace contactclient
