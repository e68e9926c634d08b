#pragma once
// Turns an item set into the contact index, the sorted contact drop-down and the search list,
// and keeps the count label up to date.

#include <QObject>

class frmMain;
class QStringListModel;
namespace contactclient {
class ItemSet;
}

class ContactLists : public QObject {
    Q_OBJECT

public:
    explicit ContactLists(frmMain& form);

    void loadContacts(const contactclient::ItemSet& items);

    // Sorts names the way the drop-down lists keep them: alphabetically, letter case ignored,
    // equal names kept as separate entries.
    static void sortAlphabetically(QStringList& names);

private:
    frmMain& m_form;
    QStringListModel* m_comboModel;
    QStringListModel* m_searchModel;
};
