#pragma once
// The items of the desktop's address books as last read: what the lists need of each contact, in
// the books' order and each book's own order.

#include "contactclient/automation.h"

#include <vector>

namespace contactclient::eds {

struct Record {
    QString entryId;
    QString fileAs;
    QString fullName;
    QString searchFields; // contactclient/searchfields.h
    QStringList foldedCategories;
    bool group = false;
};

class EdsItemSet : public ItemSet {
public:
    explicit EdsItemSet(std::shared_ptr<const std::vector<Record>> records,
                        std::shared_ptr<const std::vector<quint32>> subset = nullptr);

    void forEach(const std::function<void(const Item&)>& visit) const override;
    int Count() const override;
    std::shared_ptr<ItemSet> Restrict(const QString& filter) const override;

private:
    std::shared_ptr<const std::vector<Record>> m_records;
    std::shared_ptr<const std::vector<quint32>> m_subset; // null: every record
};

} // namespace contactclient::eds
