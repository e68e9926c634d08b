#include "storewatcher.h"

#include "contactclient/clientapplication.h"
#include "contactclient/storenotifier.h"
#include "contacts/categoryfilter.h"
#include "contacts/contactlists.h"
#include "window/frmmain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {
constexpr int kNoteMilliseconds = 6000;
}

StoreWatcher::StoreWatcher(frmMain& form) : m_form(form) {}

void StoreWatcher::attach()
{
    if (!m_form.outlookApp)
        return;
    if (auto* notifier = contactclient::storeNotifier(*m_form.outlookApp)) {
        connect(notifier, &contactclient::StoreNotifier::changed, this,
                [this] { m_form.runGuarded([this] { reload(); }); });
    }
}

void StoreWatcher::showNote()
{
    auto* client = dynamic_cast<contactclient::ClientApplication*>(m_form.outlookApp.get());
    if (!client)
        return;
    const QString note = client->store().statusNote();
    if (!note.isEmpty())
        m_form.flashStatus(note, kNoteMilliseconds);
}

void StoreWatcher::reload()
{
    if (!m_form.contactsFolder)
        return;
    QLineEdit* box = m_form.txtContact;
    const QString text = box->text();
    const int selStart = box->selectionStart();
    const int selLength = box->selectionLength();
    const int cursor = box->cursorPosition();

    if (m_form.cmbCategories->currentIndex() > 0)
        m_form.categories->filterByCategory(m_form.cmbCategories->currentText());
    else
        m_form.categories->selectAllContacts();
    {
        // The lists change under the user's hands: the box keeps its text and the chosen contact.
        const QScopedValueRollback loading(m_form.isLoading, true);
        m_form.lists->loadContacts(*m_form.contactItems);
    }
    if (box->text() != text)
        box->setText(text);
    if (selLength > 0)
        box->setSelection(selStart, selLength);
    else
        box->setCursorPosition(cursor);
    showNote();
}
