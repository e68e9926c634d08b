#include "addressmenu.h"

#include "actions/contactactions.h"
#include "actions/mailaddresses.h"
#include "actions/quickmail.h"
#include "app/frmmain.h"
#include "contacts/contactsession.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

AddressMenu::AddressMenu(frmMain& form) : QObject(&form), m_form(form)
{
    for (const char* name : {"cmdEMailContact", "cmdQEmailContact"}) {
        if (auto* button = qobject_cast<QAbstractButton*>(form.control(QString::fromLatin1(name)))) {
            button->setContextMenuPolicy(Qt::DefaultContextMenu);
            button->installEventFilter(this);
        }
    }
    // The quick-mail area writes to the address the Quick e-mail button was clicked for.
    connect(form.actions(), &ContactActions::quickMailAddressed, form.quickMail(), &QuickMail::setAddress);
}

bool AddressMenu::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button)
        return false;
    const QPoint below = button->mapToGlobal(QPoint(0, button->height()));
    if (event->type() == QEvent::ContextMenu) {
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        popup(button, menuEvent->reason() == QContextMenuEvent::Mouse ? menuEvent->globalPos() : below);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            popup(button, below);
            return true;
        }
    }
    return false;
}

bool AddressMenu::popup(QAbstractButton* button, const QPoint& at)
{
    if (m_open || !button->isEnabled() || !m_form.session())
        return false;
    const std::shared_ptr<contactclient::ContactItem> contact = m_form.session()->currentContact();
    if (!contact)
        return false;
    QList<mailaddresses::Address> addresses;
    m_form.runGuarded([&] { addresses = mailaddresses::of(*contact); });
    if (addresses.size() < 2)
        return false;

    QMenu menu(button);
    menu.setObjectName(QStringLiteral("mnuAddresses"));
    menu.setAccessibleName(QCoreApplication::translate("AddressMenu", "Write to which address"));
    for (const mailaddresses::Address& address : std::as_const(addresses))
        menu.addAction(mailaddresses::menuText(address))->setData(address.address);
    menu.setActiveAction(menu.actions().constFirst());
    m_open = true;
    const QAction* picked = menu.exec(at);
    m_open = false;
    // The chosen contact may have changed while the menu was open; nothing is written then.
    if (!picked || m_form.session()->currentContact() != contact)
        return true;
    // Through the button's own click, so that the action is taken (and counted) as a click.
    m_form.actions()->setNextAddress(picked->data().toString());
    button->click();
    m_form.actions()->setNextAddress({});
    return true;
}
