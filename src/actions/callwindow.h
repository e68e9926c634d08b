#pragma once
// The call window: the contact's name and its numbers; "Call" hands the chosen number to the
// desktop's dialer as a tel: URL.

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

    QLabel* lblName = nullptr;
    QListWidget* lstNumbers = nullptr;
    QPushButton* cmdCall = nullptr;
    QPushButton* cmdClose = nullptr;
    UrlLauncher* launcher = nullptr; // hands the number on, or says that no dialer is registered
};
