#include "trayicon.h"

#include "window/frmmain.h"

TrayIcon::TrayIcon(frmMain& form) : m_form(form) {}

void TrayIcon::cmdMin_Click() {}
void TrayIcon::restoreFromTray() {}
