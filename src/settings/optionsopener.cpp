#include "optionsopener.h"

#include "settings/frmoptions.h"
#include "window/guard.h"

#include <QToolButton>

OptionsOpener::OptionsOpener(QToolButton* cmdOptions, modSettings& settings, const Guard& guard,
                             std::function<QStringList()> bookCategories)
    : m_settings(settings), m_bookCategories(std::move(bookCategories))
{
    connect(cmdOptions, &QAbstractButton::clicked, this, [this, &guard] { guard.run([this] { cmdOptions_Click(); }); });
}

void OptionsOpener::cmdOptions_Click()
{
    // One dialog for the whole program, modeless and without an owner: it may outlive the bar.
    frmOptions::showDialog(m_settings, m_bookCategories ? m_bookCategories() : QStringList());
}
