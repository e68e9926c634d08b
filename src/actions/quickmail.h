#pragma once
// The quick-mail area: subject and body with their placeholder words, Send, Cancel and Clear.

#include <QObject>

class frmMain;

class QuickMail : public QObject {
    Q_OBJECT

public:
    explicit QuickMail(frmMain& form);
    void txtSubject_GotFocus();
    void txtSubject_LostFocus();
    void txtBody_GotFocus();
    void txtBody_LostFocus();
    void cmdSendMail_Click();
    void cmdCancelMail_Click();
    void cmdClearMail_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Steps 1 to 5 of Send; false when the mail was refused (the user has been told).
    bool sendToCurrentContact();
    frmMain& m_form;
};
