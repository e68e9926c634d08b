#include "quickmail.h"

#include "window/frmmain.h"

QuickMail::QuickMail(frmMain& form) : m_form(form) {}

void QuickMail::cmdSendMail_Click() {}
void QuickMail::cmdCancelMail_Click() {}
void QuickMail::cmdClearMail_Click() {}
