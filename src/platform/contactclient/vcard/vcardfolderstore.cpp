#include "vcardfolderstore.h"

// Placeholder until the vCard reader lands: an address book with no items.
namespace contactclient {
namespace {

class EmptySet : public ItemSet {
public:
    void forEach(const std::function<void(const Item&)>&) const override {}
    int Count() const override { return 0; }
    std::shared_ptr<ItemSet> Restrict(const QString&) const override { return std::make_shared<EmptySet>(); }
};

class EmptyStore : public Store {
public:
    void open() override {}
    std::shared_ptr<ItemSet> items() override { return std::make_shared<EmptySet>(); }
    std::shared_ptr<ContactItem> itemFromId(const QString& id) override { throw ItemNotFound(id); }
};

} // namespace

std::shared_ptr<Store> createVCardFolderStore(const SettingsStore&)
{
    return std::make_shared<EmptyStore>();
}

std::shared_ptr<Store> createVCardFolderStore(const QString&)
{
    return std::make_shared<EmptyStore>();
}

} // namespace contactclient
