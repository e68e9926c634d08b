#pragma once
// The automation surface served from one back-end store: the application object, the "MAPI"
// namespace, the default contacts folder and the contacts read from it. Built with the desktop
// services they call: the contact card (Display), the call window (Dial) and, through the mail
// items, the composer.

#include "contactclient/desktophooks.h"
#include "contactclient/store.h"

#include <functional>

namespace contactclient {

using MailItemFactory = std::function<std::unique_ptr<MailItem>(NameSpace& ns, DesktopHooks& desktop)>;

class ClientApplication : public Application {
public:
    // desktop outlives the application and everything it hands out.
    ClientApplication(std::shared_ptr<Store> store, MailItemFactory mailItems, DesktopHooks& desktop);

    std::shared_ptr<NameSpace> GetNamespace(const QString& type) override;
    using Application::CreateItem;
    std::unique_ptr<MailItem> CreateItem(int itemKind) override;
    QString statusNote() const override { return m_store->statusNote(); }
    StoreNotifier* notifier() const override { return m_store->notifier(); }
    QList<ContactBook> newContactBooks() const override { return m_store->newContactBooks(); }

    Store& store() { return *m_store; }

protected:
    std::shared_ptr<ContactItem> createContactItem(const QString& book) override;

private:
    std::shared_ptr<Store> m_store;
    MailItemFactory m_mailItems;
    DesktopHooks& m_desktop;
    std::shared_ptr<NameSpace> m_namespace;
};

} // namespace contactclient
