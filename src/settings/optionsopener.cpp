#include "optionsopener.h"

#include "window/frmmain.h"

OptionsOpener::OptionsOpener(frmMain& form) : m_form(form) {}

void OptionsOpener::cmdOptions_Click() {}
