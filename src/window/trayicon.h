#pragma once
// Hiding the bar to a notification-area icon and bringing it back.

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

class frmMain;
class QTimer;

class TrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TrayIcon(frmMain& form);
    ~TrayIcon() override;

    void cmdMin_Click();
    void restoreFromTray();
    // The icon's callback: a left click or a double-click brings the bar back.
    void trayIcon_Activated(QSystemTrayIcon::ActivationReason reason);

    bool isInTray() const { return m_inTray; }
    QSystemTrayIcon* icon() const { return m_icon; }
    // Whether a notification area exists; tests replace the desktop's answer.
    void setAvailabilityCheck(std::function<bool()> check);

    static const QString kToolTip;

private:
    void watchTray();

    frmMain& m_form;
    QSystemTrayIcon* m_icon = nullptr;
    QTimer* m_watch = nullptr;
    std::function<bool()> m_available;
    bool m_inTray = false;
    bool m_inTrayCallback = false;
};
