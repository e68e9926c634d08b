#include "optionsopener.h"

#include "settings/frmoptions.h"
#include "window/frmmain.h"

#include <QToolButton>

OptionsOpener::OptionsOpener(frmMain& form) : m_form(form)
{
    connect(m_form.cmdOptions, &QAbstractButton::clicked, this,
            [this] { m_form.runGuarded([this] { cmdOptions_Click(); }); });
}

void OptionsOpener::cmdOptions_Click()
{
    // One dialog for the whole program, modeless and without an owner: it may outlive the bar.
    frmOptions::showDialog();
}
