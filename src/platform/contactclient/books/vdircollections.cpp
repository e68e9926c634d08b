#include "vdircollections.h"

#include "contactclient/pathwatcher.h"
#include "contactclient/storenotifier.h"
#include "contactclient/vcard/vcardfolder.h"
#include "contactclient/vcard/vcardfolderstore.h"

#include <QDir>
#include <QDirIterator>

namespace contactclient {
namespace {

bool holdsVCardFile(const QString& folder)
{
    QDirIterator it(folder, QDir::Files | QDir::Readable);
    while (it.hasNext()) {
        it.next();
        if (isVCardFileName(it.fileName()))
            return true;
    }
    return false;
}

std::vector<Book> collectionBooks(const QString& root)
{
    std::vector<Book> books;
    for (const QString& name : collectionFolders(root)) {
        auto store = std::make_shared<VCardFolderStore>(root + QLatin1Char('/') + name);
        store->setFollowLinks(true); // the user's own address book
        books.push_back({name, std::move(store)});
    }
    return books;
}

} // namespace

QStringList collectionFolders(const QString& folder)
{
    if (holdsVCardFile(folder))
        return {};
    const QStringList subfolders =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name); // hidden ones are left out
    for (const QString& sub : subfolders) {
        if (holdsVCardFile(folder + QLatin1Char('/') + sub))
            return subfolders;
    }
    return {};
}

CollectionRootStore::CollectionRootStore(QString root) : MergedStore({}), m_root(std::move(root)) {}

CollectionRootStore::~CollectionRootStore() = default;

void CollectionRootStore::refreshBooks()
{
    // The root's time stamp changes when a collection is added, removed or renamed.
    const qint64 mtime = folderMtime(m_root);
    if (mtime == m_listedMtime)
        return;
    m_listedMtime = mtime;
    std::vector<Book> books = collectionBooks(m_root);
    if (books.empty() && mtime < 0 && !this->books().empty()) {
        // The root is gone: its collections say so themselves and come back with it.
        return;
    }
    setBooks(std::move(books));
}

StoreNotifier* CollectionRootStore::notifier() const
{
    StoreNotifier* notifier = MergedStore::notifier();
    if (!m_watcher) {
        m_watcher = std::make_unique<PathWatcher>();
        QObject::connect(m_watcher.get(), &PathWatcher::changed, notifier, &StoreNotifier::changed);
        m_watcher->setPaths({m_root});
    }
    return notifier;
}

std::shared_ptr<Store> createFolderBook(const QString& folder)
{
    if (!collectionFolders(folder).isEmpty())
        return std::make_shared<CollectionRootStore>(folder);
    auto store = std::make_shared<VCardFolderStore>(folder);
    store->setFollowLinks(true); // the user's own address book
    return store;
}

} // namespace contactclient
