#include "contactactions.h"

#include "actions/desktopintegration.h"
#include "actions/mailaddresses.h"
#include "contacts/contactsession.h"
#include "window/guard.h"
#include "window/windowmodes.h"
#include "wordprocessor/wordprocessor.h"

#include <QCoreApplication>
#include <QToolButton>

#include <utility>

ContactActions::ContactActions(ContactActionControls controls, ContactSession& session, WindowModes& modes,
                               DesktopIntegration& desktop, const Guard& guard)
    : m_session(session), m_modes(modes), m_desktop(desktop)
{
    auto wire = [this, &guard](QAbstractButton* button, void (ContactActions::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, &guard, handler] {
            // A component that refuses (no word processor, no composer, the store) is reported;
            // the bar goes on.
            guard.run([this, handler] { (this->*handler)(); });
        });
    };
    wire(controls.cmdDialContact, &ContactActions::cmdDialContact_Click);
    wire(controls.cmdEMailContact, &ContactActions::cmdEMailContact_Click);
    wire(controls.cmdViewContact, &ContactActions::cmdViewContact_Click);
    wire(controls.cmdQEmailContact, &ContactActions::cmdQEmailContact_Click);
    wire(controls.cmdWriteContact, &ContactActions::cmdWriteContact_Click);
}

void ContactActions::addContact(const QString& text)
{
    const auto application = m_session.application();
    if (!application)
        return;
    const auto item = application->CreateItem(contactclient::olContactItem);
    item->setForm(contactclient::formFromText(text));
    item->Display();
}

// The buttons are enabled only with a contact chosen; a click that races a change of contact
// does nothing.

void ContactActions::cmdDialContact_Click()
{
    const auto contact = m_session.currentContact();
    if (!contact || !m_session.nameSpace())
        return;
    m_session.nameSpace()->Dial(*contact);
}

void ContactActions::cmdEMailContact_Click()
{
    const QString address = std::exchange(m_nextAddress, {});
    const auto chosen = m_session.currentContact();
    if (!chosen || !m_session.application())
        return;
    auto mail = m_session.application()->CreateItem(contactclient::olMailItem);
    const contactclient::ContactItem& contact = *chosen;
    if (!address.isEmpty()) {
        mail->setTo(mailaddresses::recipient(contact, address));
        mail->Display();
        return;
    }
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
    if (const auto contact = m_session.currentContact())
        contact->Display();
}

void ContactActions::cmdQEmailContact_Click()
{
    const QString address = std::exchange(m_nextAddress, {});
    const auto contact = m_session.currentContact();
    emit quickMailAddressed(contact ? contact->EntryID() : QString(), address);
    m_modes.state().rememberedMode = m_modes.state().windowMode;
    m_modes.setWindowMode(WindowMode::QuickMail);
}

void ContactActions::cmdWriteContact_Click()
{
    const auto contact = m_session.currentContact();
    if (!contact || !m_wordApp)
        return;
    wordprocessor::Document& letter = m_wordApp->Documents().Add();
    letter.Content().setText(contact->FullName() + QStringLiteral("\r\n") + contactMailingAddress());
    m_wordApp->setVisible(true);
    // The word processor takes its time to show; the user sees that the letter is coming.
    emit note(letterOpeningMessage(contact->FullName().isEmpty() ? contact->FileAs() : contact->FullName()), 15000);
}

QString ContactActions::letterOpeningMessage(const QString& name)
{
    return QCoreApplication::translate("ContactActions", "Opening the letter to %1 in the word processor...").arg(name);
}

QString ContactActions::contactMailingAddress() const
{
    const auto contact = m_session.currentContact();
    return contact ? contact->MailingAddress() : QString();
}
