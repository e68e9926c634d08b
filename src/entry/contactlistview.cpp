#include "contactlistview.h"

#include "contacts/contactsession.h"
#include "entry/textlistmodel.h"
#include "window/countlabel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QSignalBlocker>

ContactListView::ContactListView(QComboBox* cmbContacts, QListView* lstContacts, QLabel* lblContactCount,
                                 ContactSession& session)
    : m_combo(cmbContacts), m_count(lblContactCount), m_session(session), m_comboModel(new TextListModel(this)),
      m_searchModel(new TextListModel(this))
{
    m_combo->setModel(m_comboModel);
    lstContacts->setModel(m_searchModel);
    connect(&m_session, &ContactSession::listsChanged, this, &ContactListView::showLists);
}

void ContactListView::showLists()
{
    // The count label follows every contact added; nobody sees the steps, so it is set once to
    // the final count. With no contacts it keeps its text.
    if (m_session.contactCount() > 0)
        countlabel::show(m_count, QStringLiteral("(%1)").arg(QLocale().toString(m_session.contactCount())));
    // Screen readers say what the number counts, in the user's language.
    m_count->setAccessibleName(
        QCoreApplication::translate("frmMain", "%Ln contact(s)", nullptr, int(m_session.contactCount())));
    // The models read the lists the session holds now, and keep them while they show them.
    const std::shared_ptr<const ContactListData> lists = m_session.lists();
    {
        const QSignalBlocker blocker(m_combo);
        m_comboModel->setTexts(lists->contactCount, [lists](int row) { return lists->sortedName(row); });
        m_combo->setCurrentIndex(-1);
    }
    m_searchModel->setTexts(int(lists->search.count()), [lists](int row) { return lists->search.at(row); });
    m_combo->setEnabled(true);
    if (m_combo->count() > 0) {
        {
            const QSignalBlocker blocker(m_combo);
            m_combo->setCurrentIndex(0);
        }
        emit firstEntrySelected();
    }
}
