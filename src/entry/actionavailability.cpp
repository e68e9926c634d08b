#include "actionavailability.h"

#include "contacts/contactsession.h"
#include "settings/modsettings.h"

#include <QLabel>
#include <QToolButton>

ActionAvailability::ActionAvailability(ActionControls controls, ContactSession& session, const modSettings& settings)
    : m_controls(controls), m_session(session), m_settings(settings)
{
    connect(&m_session, &ContactSession::currentContactChanged, this, &ActionAvailability::updateActionButtons);
}

void ActionAvailability::updateActionButtons()
{
    const auto contact = m_session.currentContact();
    apply(actionStates(contact.get(), m_settings.checkEmailAddresses));
}

void ActionAvailability::apply(const ActionStates& states)
{
    m_controls.imgOne->setVisible(states.found);
    m_controls.imgTwo->setVisible(!states.found);
    m_controls.cmdViewContact->setEnabled(states.view);
    m_controls.cmdEMailContact->setEnabled(states.email);
    m_controls.cmdQEmailContact->setEnabled(states.quickEmail);
    m_controls.cmdDialContact->setEnabled(states.dial);
    m_controls.cmdWriteContact->setEnabled(states.write);
}
