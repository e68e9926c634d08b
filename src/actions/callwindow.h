#pragma once
// The call window: the contact's name and its numbers; "Call" hands the chosen number to the
// desktop's dialer as a tel: URL; "Text message" hands a mobile number on as an sms: URL.

#include "contactclient/automation.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class UrlLauncher;

class CallWindow : public QWidget {
    Q_OBJECT

public:
    CallWindow();
    void setContact(const contactclient::ContactItem& contact);
    void cmdCall_Click();
    // Hands the chosen mobile number to the desktop's program for sms: links.
    void cmdSms_Click();

    QLabel* lblName = nullptr;
    QListWidget* lstNumbers = nullptr;
    QPushButton* cmdCall = nullptr;
    QPushButton* cmdSms = nullptr; // a text message, for mobile numbers
    QPushButton* cmdClose = nullptr;
    UrlLauncher* launcher = nullptr; // hands the number on, or says that no dialer is registered
};
