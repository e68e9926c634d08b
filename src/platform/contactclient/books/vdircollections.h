#pragma once
// A vdir root as vdirsyncer writes it: no .vcf files of its own, one subfolder per collection
// (~/.contacts/work/*.vcf, ~/.contacts/family/*.vcf). Each collection is a book, named after its
// subfolder, merged in name order.

#include "contactclient/books/mergedstore.h"

#include <QStringList>

namespace contactclient {

class PathWatcher;

// The collections of a vdir root, sorted: every subfolder that is not hidden, when the folder
// holds no .vcf file and at least one subfolder does. Empty for any other folder.
QStringList collectionFolders(const QString& folder);

class CollectionRootStore : public MergedStore {
public:
    explicit CollectionRootStore(QString root);
    ~CollectionRootStore() override;

    StoreNotifier* notifier() const override;
    QString root() const { return m_root; }

protected:
    void refreshBooks() override;

private:
    QString m_root;
    qint64 m_listedMtime = -2;
    mutable std::unique_ptr<PathWatcher> m_watcher;
};

// The store of a vCard folder: a CollectionRootStore for a vdir root, else a VCardFolderStore.
std::shared_ptr<Store> createFolderBook(const QString& folder);

} // namespace contactclient
