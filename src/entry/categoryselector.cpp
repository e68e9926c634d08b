#include "categoryselector.h"

#include "contacts/contactsession.h"
#include "contacts/namesort.h"
#include "settings/modsettings.h"
#include "window/guard.h"
#include "window/statusline.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

CategorySelector::CategorySelector(QComboBox* cmbCategories, const modSettings& settings, ContactSession& session,
                                   StatusLine& status, const Guard& guard)
    : m_combo(cmbCategories), m_settings(settings), m_session(session), m_status(status)
{
    connect(m_combo, &QComboBox::activated, this, [this, &guard] { guard.run([this] { cmbCategories_Click(); }); });
}

void CategorySelector::populateCatCombo()
{
    QStringList names;
    for (int i = 1; i <= m_settings.NumberOfCategories; ++i)
        names.append(m_settings.Categories.value(i));
    namesort::sortAlphabetically(names);
    {
        const QSignalBlocker blocker(m_combo);
        m_combo->clear();
        m_combo->addItems(names);
        m_combo->setCurrentIndex(-1);
    }
    if (names.isEmpty()) {
        // No categories at all: nothing to select, all contacts listed.
        if (!m_session.isLoading() && m_session.isLoaded())
            m_session.selectCategory(QString());
        return;
    }
    {
        const QSignalBlocker blocker(m_combo);
        m_combo->setCurrentIndex(0);
    }
    cmbCategories_Click();
}

void CategorySelector::showAllContacts()
{
    if (m_combo->count() == 0) {
        if (!m_session.isLoading() && m_session.isLoaded())
            m_session.selectCategory(QString());
        return;
    }
    {
        const QSignalBlocker blocker(m_combo);
        m_combo->setCurrentIndex(0);
    }
    cmbCategories_Click();
}

void CategorySelector::cmbCategories_Click()
{
    if (m_session.isLoading() || !m_session.isLoaded())
        return;
    if (m_combo->currentIndex() == 0) {
        m_session.selectCategory(QString());
        return;
    }
    m_status.show(QCoreApplication::translate("frmMain", "Please Wait - Filtering Contacts..."));
    QCoreApplication::processEvents();
    try {
        m_session.selectCategory(m_combo->currentText());
    } catch (...) {
        // The failure is reported by the caller; the wait message must not stay behind.
        m_status.hide();
        throw;
    }
    m_status.hide();
}
