#include "clientapplication.h"

#include <QObject>

namespace contactclient {
namespace {

// A contact as the application hands it out: the store's item, shown on the desktop's card.
class ClientContactItem : public ContactItem {
public:
    ClientContactItem(std::shared_ptr<ContactItem> inner, DesktopHooks& desktop)
        : m_inner(std::move(inner)), m_desktop(desktop)
    {
    }
    QString TypeName() const override { return m_inner->TypeName(); }
    QString FileAs() const override { return m_inner->FileAs(); }
    QString FullName() const override { return m_inner->FullName(); }
    QString EntryID() const override { return m_inner->EntryID(); }
    QString Email1Address() const override { return m_inner->Email1Address(); }
    QString Email2Address() const override { return m_inner->Email2Address(); }
    QString Email3Address() const override { return m_inner->Email3Address(); }
    QString Email1DisplayName() const override { return m_inner->Email1DisplayName(); }
    QString MobileTelephoneNumber() const override { return m_inner->MobileTelephoneNumber(); }
    QString BusinessTelephoneNumber() const override { return m_inner->BusinessTelephoneNumber(); }
    QString Business2TelephoneNumber() const override { return m_inner->Business2TelephoneNumber(); }
    QString HomeTelephoneNumber() const override { return m_inner->HomeTelephoneNumber(); }
    QString Home2TelephoneNumber() const override { return m_inner->Home2TelephoneNumber(); }
    QString HomeAddress() const override { return m_inner->HomeAddress(); }
    QString BusinessAddress() const override { return m_inner->BusinessAddress(); }
    QString OtherAddress() const override { return m_inner->OtherAddress(); }
    QString MailingAddress() const override { return m_inner->MailingAddress(); }
    QStringList Categories() const override { return m_inner->Categories(); }
    CardDetails details() const override { return m_inner->details(); }
    void Display() override { m_desktop.showContactCard(*this); }
    bool writable() const override { return m_inner->writable(); }
    QString readOnlyReason() const override { return m_inner->readOnlyReason(); }
    ContactForm form() override { return m_inner->form(); }
    void setForm(const ContactForm& form) override { m_inner->setForm(form); }
    void Save() override { m_inner->Save(); }
    void Delete() override { m_inner->Delete(); }
    QString deletedFolder() const override { return m_inner->deletedFolder(); }

private:
    std::shared_ptr<ContactItem> m_inner;
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
    return QObject::tr(
        "Quintel does not change contacts of this address book; change it in the program it belongs to.");
}

} // namespace contactclient
