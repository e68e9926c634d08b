#include "actionavailability.h"

#include "settings/modsettings.h"
#include "window/frmmain.h"

#include <QLabel>
#include <QToolButton>

#include <initializer_list>

namespace {

// Present means anything but the empty string: blanks count. Every value has been read before
// this decides.
bool anyPresent(std::initializer_list<QString> values)
{
    bool present = false;
    for (const QString& v : values)
        present = present || !v.isEmpty();
    return present;
}

} // namespace

ActionAvailability::ActionAvailability(frmMain& form) : m_form(form) {}

void ActionAvailability::updateActionButtons(bool found)
{
    showContactLamp(found);
    m_form.cmdViewContact->setEnabled(found);
    if (found) {
        updateEmailButtons();
    } else {
        m_form.cmdEMailContact->setEnabled(false);
        m_form.cmdQEmailContact->setEnabled(false);
    }
    if (found)
        updateDialButton();
    else
        m_form.cmdDialContact->setEnabled(false);
    if (found)
        updateWriteButton();
    else
        m_form.cmdWriteContact->setEnabled(false);
}

void ActionAvailability::showContactLamp(bool found)
{
    m_form.imgOne->setVisible(found);
    m_form.imgTwo->setVisible(!found);
}

void ActionAvailability::updateEmailButtons()
{
    if (modSettings::checkEmailAddresses) {
        const auto& c = *m_form.currentContact;
        // Braced lists evaluate in order: the three are read first to third.
        m_form.cmdEMailContact->setEnabled(anyPresent({c.Email1Address(), c.Email2Address(), c.Email3Address()}));
    } else {
        m_form.cmdEMailContact->setEnabled(true);
    }
    m_form.cmdQEmailContact->setEnabled(m_form.cmdEMailContact->isEnabled());
}

void ActionAvailability::updateDialButton()
{
    const auto& c = *m_form.currentContact;
    m_form.cmdDialContact->setEnabled(
        anyPresent({c.MobileTelephoneNumber(), c.BusinessTelephoneNumber(), c.HomeTelephoneNumber(),
                    c.Home2TelephoneNumber(), c.Business2TelephoneNumber()}));
}

void ActionAvailability::updateWriteButton()
{
    const auto& c = *m_form.currentContact;
    m_form.cmdWriteContact->setEnabled(anyPresent({c.HomeAddress(), c.BusinessAddress(), c.OtherAddress()}));
}
