#pragma once
// An item set over the records of a folder snapshot: all of them, or the ones a filter kept.

#include "contactclient/automation.h"
#include "contactclient/vcard/vcardfolder.h"

namespace contactclient {

class VCardItemSet : public ItemSet {
public:
    explicit VCardItemSet(std::shared_ptr<const FolderSnapshot> snapshot,
                          std::shared_ptr<const std::vector<quint32>> subset = nullptr);

    void forEach(const std::function<void(const Item&)>& visit) const override;
    int Count() const override;
    std::shared_ptr<ItemSet> Restrict(const QString& filter) const override;
    std::shared_ptr<const ItemsMemo> memo() const override { return m_memo; }
    // The memo of all the snapshot's items (a restricted set has none).
    void setMemo(std::shared_ptr<const ItemsMemo> memo) { m_memo = std::move(memo); }

private:
    std::shared_ptr<const FolderSnapshot> m_snapshot;
    std::shared_ptr<const std::vector<quint32>> m_subset; // null: every item
    std::shared_ptr<const ItemsMemo> m_memo;
};

} // namespace contactclient
