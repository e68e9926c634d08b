#include "windowdrag.h"

#include "window/frmmain.h"

WindowDrag::WindowDrag(frmMain& form) : m_form(form) {}

void WindowDrag::startDrag(QMouseEvent*) {}
void WindowDrag::mouseMove(QMouseEvent*) {}
void WindowDrag::mouseRelease(QMouseEvent*) {}
