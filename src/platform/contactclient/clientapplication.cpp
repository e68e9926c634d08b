#include "clientapplication.h"

#include "contactclient/forwardingcontactitem.h"

#include <QCoreApplication>

namespace contactclient {
namespace {

// A contact as the application hands it out: the store's item, shown on the desktop's card.
class ClientContactItem : public ForwardingContactItem {
public:
    ClientContactItem(std::shared_ptr<ContactItem> inner, DesktopHooks& desktop)
        : ForwardingContactItem(std::move(inner)), m_desktop(desktop)
    {
    }
    void Display() override { m_desktop.showContactCard(*this); }

private:
    DesktopHooks& m_desktop;
};

class ClientFolder : public MAPIFolder {
public:
    explicit ClientFolder(std::shared_ptr<Store> store) : m_store(std::move(store)) {}
    std::shared_ptr<ItemSet> Items() override { return m_store->items(); }

private:
    std::shared_ptr<Store> m_store;
};

class ClientNameSpace : public NameSpace {
public:
    ClientNameSpace(std::shared_ptr<Store> store, DesktopHooks& desktop) : m_store(std::move(store)), m_desktop(desktop)
    {
    }

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
        std::shared_ptr<ContactItem> item = m_store->itemFromId(entryId);
        return item ? std::make_shared<ClientContactItem>(std::move(item), m_desktop) : nullptr;
    }

    void Dial(ContactItem& contact) override { m_desktop.showDialer(contact); }

private:
    void requireLogon() const
    {
        if (!m_loggedOn)
            throw AutomationError(errStoreUnavailable, QStringLiteral("Not logged on to the address book."));
    }
    std::shared_ptr<Store> m_store;
    DesktopHooks& m_desktop;
    bool m_loggedOn = false;
};

} // namespace

ClientApplication::ClientApplication(std::shared_ptr<Store> store, MailItemFactory mailItems, DesktopHooks& desktop)
    : m_store(std::move(store)), m_mailItems(std::move(mailItems)), m_desktop(desktop)
{
}

std::shared_ptr<NameSpace> ClientApplication::GetNamespace(const QString& type)
{
    if (type != QStringLiteral("MAPI"))
        throw AutomationError(errUnsupported, QStringLiteral("Unknown namespace \"%1\".").arg(type));
    if (!m_namespace)
        m_namespace = std::make_shared<ClientNameSpace>(m_store, m_desktop);
    return m_namespace;
}

std::unique_ptr<MailItem> ClientApplication::CreateItem(int itemKind)
{
    if (itemKind != olMailItem)
        throw AutomationError(errUnsupported,
                              QStringLiteral("Item kind %1 is not supported; only mail (0) is.").arg(itemKind));
    return m_mailItems(*GetNamespace(QStringLiteral("MAPI")), m_desktop);
}

std::shared_ptr<ContactItem> ClientApplication::createContactItem()
{
    return std::make_shared<ClientContactItem>(m_store->newItem(), m_desktop);
}

QString ContactItem::defaultReadOnlyReason()
{
    return QCoreApplication::translate(
        "ContactItem",
        "Quintel does not change contacts of this address book; change it in the program it belongs to.");
}

} // namespace contactclient
