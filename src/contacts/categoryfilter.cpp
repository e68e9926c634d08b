#include "categoryfilter.h"

#include "contacts/contactlists.h"
#include "settings/modsettings.h"
#include "window/frmmain.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

CategoryFilter::CategoryFilter(frmMain& form) : m_form(form)
{
    connect(m_form.cmbCategories, &QComboBox::activated, this,
            [this] { m_form.runGuarded([this] { cmbCategories_Click(); }); });
}

QString CategoryFilter::filterText(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QStringLiteral("[Categories] = \"") + quoted + QLatin1Char('"');
}

void CategoryFilter::populateCatCombo()
{
    QStringList names;
    for (int i = 1; i <= modSettings::NumberOfCategories; ++i)
        names.append(modSettings::Categories.value(i));
    ContactLists::sortAlphabetically(names);
    {
        const QSignalBlocker blocker(m_form.cmbCategories);
        m_form.cmbCategories->clear();
        m_form.cmbCategories->addItems(names);
        m_form.cmbCategories->setCurrentIndex(-1);
    }
    if (names.isEmpty()) {
        // No categories at all: nothing to select, all contacts listed.
        if (!m_form.isLoading && m_form.contactsFolder) {
            selectAllContacts();
            m_form.lists->loadContacts(*m_form.contactItems);
        }
        return;
    }
    {
        const QSignalBlocker blocker(m_form.cmbCategories);
        m_form.cmbCategories->setCurrentIndex(0);
    }
    cmbCategories_Click();
}

void CategoryFilter::cmbCategories_Click()
{
    if (m_form.isLoading || !m_form.contactsFolder)
        return;
    if (m_form.cmbCategories->currentIndex() == 0) {
        selectAllContacts();
    } else {
        m_form.showStatus(QStringLiteral("Please Wait - Filtering Contacts..."));
        QCoreApplication::processEvents();
        try {
            filterByCategory(m_form.cmbCategories->currentText());
        } catch (...) {
            // The failure is reported by the caller; the wait message must not stay behind.
            m_form.hideStatus();
            throw;
        }
        m_form.hideStatus();
    }
    m_form.lists->loadContacts(*m_form.contactItems);
}

void CategoryFilter::filterByCategory(const QString& name)
{
    const QString filter = filterText(name);
    selectAllContacts();
    m_form.contactItems = m_form.contactItems->Restrict(filter);
}

void CategoryFilter::selectAllContacts()
{
    m_form.contactItems = m_form.contactsFolder->Items();
}
