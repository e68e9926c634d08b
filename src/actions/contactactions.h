#pragma once
// The five actions on the chosen contact.

#include <QObject>

class frmMain;

class ContactActions : public QObject {
    Q_OBJECT

public:
    explicit ContactActions(frmMain& form);
    void cmdDialContact_Click();
    void cmdEMailContact_Click();
    void cmdViewContact_Click();
    void cmdQEmailContact_Click();
    void cmdWriteContact_Click();
    QString contactMailingAddress() const;

private:
    frmMain& m_form;
};
