#include "actionavailability.h"

#include "window/frmmain.h"

ActionAvailability::ActionAvailability(frmMain& form) : m_form(form) {}

void ActionAvailability::updateActionButtons(bool) {}
void ActionAvailability::showContactLamp(bool) {}
void ActionAvailability::updateEmailButtons() {}
void ActionAvailability::updateDialButton() {}
void ActionAvailability::updateWriteButton() {}
