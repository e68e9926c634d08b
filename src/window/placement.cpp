#include "placement.h"

#include "window/frmmain.h"

Placement::Placement(frmMain& form) : m_form(form) {}

void Placement::savePlacement() {}
void Placement::restorePlacement() {}
