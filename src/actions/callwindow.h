#pragma once
// The call window: the contact's name and its numbers; "Call" hands the chosen number to the
// desktop's dialer as a tel: URL; "Text message" hands a mobile number on as an sms: URL. Once a number
// is handed on the window says so and closes itself.

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
    // How long the window stays after the number was handed on.
    static constexpr int kCloseAfterMs = 2500;
    void setContact(const contactclient::ContactItem& contact);
    void cmdCall_Click();
    // Hands the chosen mobile number to the desktop's program for sms: links.
    void cmdSms_Click();

    QLabel* lblName = nullptr;
    QListWidget* lstNumbers = nullptr;
    QLabel* lblHandedOver = nullptr; // says the number went to the telephone program
    QPushButton* cmdCall = nullptr;
    QPushButton* cmdSms = nullptr; // a text message, for mobile numbers
    QPushButton* cmdClose = nullptr;
    UrlLauncher* launcher = nullptr; // hands the number on, or says that no dialer is registered
};
