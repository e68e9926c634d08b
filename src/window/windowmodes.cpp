#include "windowmodes.h"

#include "window/frmmain.h"

WindowModes::WindowModes(frmMain& form) : m_form(form) {}

void WindowModes::cmdState_Click() {}
void WindowModes::nextWindowMode() {}
void WindowModes::setWindowMode(int) {}
void WindowModes::restoreRememberedMode() {}
void WindowModes::hideMailControls() {}
void WindowModes::showMailControls() {}
