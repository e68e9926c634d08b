#include "contactentry.h"

#include "window/frmmain.h"

ContactEntry::ContactEntry(frmMain& form) : m_form(form) {}

void ContactEntry::txtContact_Change() {}
void ContactEntry::txtContact_GotFocus() {}
void ContactEntry::txtContact_MouseDown() {}
void ContactEntry::cmbContacts_Click() {}
void ContactEntry::resolveContact(const QString&) {}
