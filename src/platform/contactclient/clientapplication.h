#pragma once
// The automation surface served from one back-end store: the application object, the "MAPI"
// namespace and the default contacts folder.

#include "contactclient/store.h"

#include <functional>

namespace contactclient {

using MailItemFactory = std::function<std::unique_ptr<MailItem>(NameSpace& ns)>;

class ClientApplication : public Application {
public:
    ClientApplication(std::shared_ptr<Store> store, MailItemFactory mailItems);

    std::shared_ptr<NameSpace> GetNamespace(const QString& type) override;
    using Application::CreateItem;
    std::unique_ptr<MailItem> CreateItem(int itemKind) override;

    Store& store() { return *m_store; }

protected:
    std::shared_ptr<ContactItem> createContactItem() override;

private:
    std::shared_ptr<Store> m_store;
    MailItemFactory m_mailItems;
    std::shared_ptr<NameSpace> m_namespace;
};

} // namespace contactclient
