#include "contactlists.h"

#include "contactclient/automation.h"
#include "entry/contactentry.h"
#include "window/frmmain.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>
#include <QStringListModel>

#include <algorithm>

ContactLists::ContactLists(frmMain& form)
    : m_form(form), m_comboModel(new QStringListModel(this)), m_searchModel(new QStringListModel(this))
{
    m_form.cmbContacts->setModel(m_comboModel);
    m_form.lstContacts->setModel(m_searchModel);
}

void ContactLists::sortAlphabetically(QStringList& names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

void ContactLists::loadContacts(const contactclient::ItemSet& items)
{
    ContactIndex& index = m_form.contactIndex;
    SearchList& search = m_form.searchList;
    {
        const QSignalBlocker blocker(m_form.cmbContacts);
        m_comboModel->setStringList({});
    }
    search.clear();
    index.RemoveAll();

    QStringList names;
    items.forEach([&](const contactclient::Item& item) {
        if (item.TypeName() != contactclient::kContactItemType)
            return;
        const QString fileAs = item.FileAs();
        const QString fullName = item.FullName();
        const QString entryId = item.EntryID();
        names.append(fileAs);
        search.append(fileAs);
        search.append(fullName);
        if (!index.Exists(fullName))
            index.Add(fullName, entryId);
        if (!index.Exists(fileAs))
            index.Add(fileAs, entryId);
    });
    search.finish();

    // The count label follows every contact added; nobody sees the steps (the run does not yield),
    // so it is set once to the final count. With no contacts it keeps its text.
    if (!names.isEmpty())
        m_form.lblContactCount->setText(QStringLiteral("(%1)").arg(names.size()));

    sortAlphabetically(names);
    {
        const QSignalBlocker blocker(m_form.cmbContacts);
        m_comboModel->setStringList(names);
        m_form.cmbContacts->setCurrentIndex(-1);
    }
    m_searchModel->setStringList(search.entries());
    m_form.cmbContacts->setEnabled(true);

    if (m_form.cmbContacts->count() > 0) {
        {
            const QSignalBlocker blocker(m_form.cmbContacts);
            m_form.cmbContacts->setCurrentIndex(0);
        }
        // Selecting an entry is a click on the drop-down, whether or not it was selected before.
        if (m_form.entry)
            m_form.entry->cmbContacts_Click();
    }
}
