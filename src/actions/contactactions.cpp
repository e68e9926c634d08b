#include "contactactions.h"

#include "actions/desktopintegration.h"
#include "window/frmmain.h"
#include "window/windowmodes.h"

#include <QToolButton>

ContactActions::ContactActions(frmMain& form) : m_form(form), m_desktop(std::make_unique<DesktopIntegration>())
{
    contactclient::setDesktopHooks(m_desktop.get());
    auto wire = [this](QAbstractButton* button, void (ContactActions::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] {
            // A component that refuses (no word processor, no composer, the store) is reported;
            // the bar goes on.
            m_form.runGuarded([this, handler] { (this->*handler)(); });
        });
    };
    wire(m_form.cmdDialContact, &ContactActions::cmdDialContact_Click);
    wire(m_form.cmdEMailContact, &ContactActions::cmdEMailContact_Click);
    wire(m_form.cmdViewContact, &ContactActions::cmdViewContact_Click);
    wire(m_form.cmdQEmailContact, &ContactActions::cmdQEmailContact_Click);
    wire(m_form.cmdWriteContact, &ContactActions::cmdWriteContact_Click);
}

ContactActions::~ContactActions()
{
    if (&contactclient::desktopHooks() == m_desktop.get())
        contactclient::setDesktopHooks(nullptr);
}

// The buttons are enabled only with a contact chosen; a click that races a change of contact
// does nothing.

void ContactActions::cmdDialContact_Click()
{
    if (!m_form.currentContact || !m_form.outlookNamespace)
        return;
    m_form.outlookNamespace->Dial(*m_form.currentContact);
}

void ContactActions::cmdEMailContact_Click()
{
    if (!m_form.currentContact || !m_form.outlookApp)
        return;
    auto mail = m_form.outlookApp->CreateItem(contactclient::olMailItem);
    const contactclient::ContactItem& contact = *m_form.currentContact;
    QString to = contact.Email1DisplayName();
    if (to.isEmpty())
        to = contact.Email1Address();
    if (to.isEmpty())
        to = contact.FullName();
    mail->setTo(to);
    mail->Display();
}

void ContactActions::cmdViewContact_Click()
{
    if (!m_form.currentContact)
        return;
    m_form.currentContact->Display();
}

void ContactActions::cmdQEmailContact_Click()
{
    m_form.rememberedMode = m_form.windowMode;
    m_form.modes->setWindowMode(3);
}

void ContactActions::cmdWriteContact_Click()
{
    if (!m_form.currentContact || !m_form.wordApp)
        return;
    wordprocessor::Document& letter = m_form.wordApp->Documents().Add();
    letter.Content().setText(m_form.currentContact->FullName() + QStringLiteral("\r\n") + contactMailingAddress());
    m_form.wordApp->setVisible(true);
}

QString ContactActions::contactMailingAddress() const
{
    return m_form.currentContact ? m_form.currentContact->MailingAddress() : QString();
}
