#pragma once
// The contact drop-down, the (hidden) search list and the count label show the session's lists.

#include <QObject>

class ContactSession;
class QComboBox;
class QLabel;
class QListView;
class TextListModel;

class ContactListView : public QObject {
    Q_OBJECT

public:
    ContactListView(QComboBox* cmbContacts, QListView* lstContacts, QLabel* lblContactCount, ContactSession& session);

    // Fills the controls from the session's lists.
    void showLists();

signals:
    // The lists are shown and their first entry selected: a click on the drop-down, whether or
    // not that entry was selected before.
    void firstEntrySelected();

private:
    QComboBox* m_combo;
    QLabel* m_count;
    ContactSession& m_session;
    TextListModel* m_comboModel;
    TextListModel* m_searchModel;
};
