#include "clientapplication.h"

#include "contactclient/desktophooks.h"
#include "contactclient/storenotifier.h"

#include <QObject>

namespace contactclient {
namespace {

class ClientFolder : public MAPIFolder {
public:
    explicit ClientFolder(std::shared_ptr<Store> store) : m_store(std::move(store)) {}
    std::shared_ptr<ItemSet> Items() override { return m_store->items(); }

private:
    std::shared_ptr<Store> m_store;
};

class ClientNameSpace : public NameSpace {
public:
    explicit ClientNameSpace(std::shared_ptr<Store> store) : m_store(std::move(store)) {}

    void Logon() override
    {
        m_store->open();
        m_loggedOn = true;
    }

    std::shared_ptr<MAPIFolder> GetDefaultFolder(int folderKind) override
    {
        if (folderKind != olFolderContacts)
            throw AutomationError(
                errUnsupported,
                QStringLiteral("Folder kind %1 is not supported; only contacts (10) is.").arg(folderKind));
        requireLogon();
        return std::make_shared<ClientFolder>(m_store);
    }

    std::shared_ptr<ContactItem> GetItemFromID(const QString& entryId) override
    {
        requireLogon();
        return m_store->itemFromId(entryId);
    }

    void Dial(ContactItem& contact) override { desktopHooks().showDialer(contact); }

private:
    void requireLogon() const
    {
        if (!m_loggedOn)
            throw AutomationError(errStoreUnavailable, QStringLiteral("Not logged on to the address book."));
    }
    std::shared_ptr<Store> m_store;
    bool m_loggedOn = false;
};

} // namespace

ClientApplication::ClientApplication(std::shared_ptr<Store> store, MailItemFactory mailItems)
    : m_store(std::move(store)), m_mailItems(std::move(mailItems))
{
}

std::shared_ptr<NameSpace> ClientApplication::GetNamespace(const QString& type)
{
    if (type != QStringLiteral("MAPI"))
        throw AutomationError(errUnsupported, QStringLiteral("Unknown namespace \"%1\".").arg(type));
    if (!m_namespace)
        m_namespace = std::make_shared<ClientNameSpace>(m_store);
    return m_namespace;
}

std::unique_ptr<MailItem> ClientApplication::CreateItem(int itemKind)
{
    if (itemKind != olMailItem)
        throw AutomationError(errUnsupported,
                              QStringLiteral("Item kind %1 is not supported; only mail (0) is.").arg(itemKind));
    return m_mailItems(*GetNamespace(QStringLiteral("MAPI")));
}

std::shared_ptr<ContactItem> ClientApplication::createContactItem()
{
    return m_store->newItem();
}

QString ContactItem::defaultReadOnlyReason()
{
    return QObject::tr(
        "Quintel does not change contacts of this address book; change it in the program it belongs to.");
}

StoreNotifier* storeNotifier(Application& application)
{
    auto* client = dynamic_cast<ClientApplication*>(&application);
    return client ? client->store().notifier() : nullptr;
}

} // namespace contactclient
