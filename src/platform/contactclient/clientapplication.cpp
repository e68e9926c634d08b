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

// A new contact as the application hands it out: until it is saved, it can be moved to another
// book that takes new contacts (a fresh item of that book, with the values set so far).
class NewContactItem : public ClientContactItem {
public:
    NewContactItem(std::shared_ptr<Store> store, const QString& book, DesktopHooks& desktop)
        : ClientContactItem(store->newItem(book), desktop), m_store(std::move(store)), m_book(keyOf(book))
    {
    }

    QList<ContactBook> newContactBooks() const override
    {
        return EntryID().isEmpty() ? m_store->newContactBooks() : QList<ContactBook>{};
    }
    QString chosenBook() const override { return EntryID().isEmpty() ? m_book : QString(); }
    void chooseBook(const QString& book) override
    {
        if (!EntryID().isEmpty())
            throw AutomationError(errReadOnly, QStringLiteral("The contact is in its address book already."));
        const QString key = keyOf(book);
        if (key == m_book)
            return;
        std::shared_ptr<ContactItem> moved = m_store->newItem(key);
        if (m_formSet)
            moved->setForm(m_form);
        setInner(std::move(moved));
        m_book = key;
    }
    void setForm(const ContactForm& form) override
    {
        ClientContactItem::setForm(form);
        m_form = form;
        m_formSet = true;
    }

private:
    // The key itself; the first book's for the empty one.
    QString keyOf(const QString& book) const
    {
        if (!book.isEmpty())
            return book;
        const QList<ContactBook> books = m_store->newContactBooks();
        return books.isEmpty() ? QString() : books.front().key;
    }

    std::shared_ptr<Store> m_store;
    QString m_book;
    ContactForm m_form; // the values set so far, taken along to another book
    bool m_formSet = false;
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

std::shared_ptr<ContactItem> ClientApplication::createContactItem(const QString& book)
{
    return std::make_shared<NewContactItem>(m_store, book, m_desktop);
}

QString Store::unknownBookText(const QString& book)
{
    return QCoreApplication::translate("ContactItem", "No address book “%1” takes new contacts.").arg(book);
}

QString ContactItem::defaultReadOnlyReason()
{
    return QCoreApplication::translate(
        "ContactItem",
        "Quintel does not change contacts of this address book; change it in the program it belongs to.");
}

} // namespace contactclient
