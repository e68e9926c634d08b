#pragma once
// Hiding the bar to a notification-area icon and bringing it back.

#include <QObject>

class frmMain;

class TrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TrayIcon(frmMain& form);
    void cmdMin_Click();
    void restoreFromTray();

private:
    frmMain& m_form;
};
