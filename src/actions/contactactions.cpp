#include "contactactions.h"

#include "window/frmmain.h"

ContactActions::ContactActions(frmMain& form) : m_form(form) {}

void ContactActions::cmdDialContact_Click() {}
void ContactActions::cmdEMailContact_Click() {}
void ContactActions::cmdViewContact_Click() {}
void ContactActions::cmdQEmailContact_Click() {}
void ContactActions::cmdWriteContact_Click() {}
QString ContactActions::contactMailingAddress() const { return {}; }
