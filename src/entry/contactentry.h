#pragma once
// The type-ahead entry box: completion from the search list, the key, focus and mouse rules, and the drop-down feeding the box.

#include <QObject>

class frmMain;

class ContactEntry : public QObject {
    Q_OBJECT

public:
    explicit ContactEntry(frmMain& form);
    void txtContact_Change();
    void txtContact_GotFocus();
    void txtContact_MouseDown();
    void cmbContacts_Click();
    void resolveContact(const QString& identifier);

private:
    frmMain& m_form;
};
