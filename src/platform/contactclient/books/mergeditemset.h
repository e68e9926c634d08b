#pragma once
// The item set of several books: each book's set in turn, every EntryID prefixed with its book.

#include "contactclient/automation.h"

#include <vector>

namespace contactclient {

struct BookItems {
    QString prefix; // "<label>/"
    std::shared_ptr<ItemSet> items;
};

class MergedItemSet : public ItemSet {
public:
    explicit MergedItemSet(std::vector<BookItems> parts);

    void forEach(const std::function<void(const Item&)>& visit) const override;
    int Count() const override;
    std::shared_ptr<ItemSet> Restrict(const QString& filter) const override;

private:
    std::vector<BookItems> m_parts;
};

} // namespace contactclient
