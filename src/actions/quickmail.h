#pragma once
// The quick-mail area: subject and body with their placeholder words, Send, Cancel and Clear.

#include <QObject>

class frmMain;

class QuickMail : public QObject {
    Q_OBJECT

public:
    explicit QuickMail(frmMain& form);
    void cmdSendMail_Click();
    void cmdCancelMail_Click();
    void cmdClearMail_Click();

private:
    frmMain& m_form;
};
