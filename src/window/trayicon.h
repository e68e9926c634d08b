#pragma once
// Hiding the bar to a notification-area icon and bringing it back. The icon's menu shows the bar,
// opens Quintel Setup, lists the last notes and ends the program.

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

class Guard;
class QToolButton;
class QWidget;
class StatusLine;
class QMenu;
class QTimer;

class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(QWidget& window, QToolButton* cmdMin, StatusLine& status, const Guard& guard);
    ~TrayIcon() override;

    void cmdMin_Click();
    void restoreFromTray();
    // The icon's callback: a left click or a double-click brings the bar back.
    void trayIcon_Activated(QSystemTrayIcon::ActivationReason reason);

    bool isInTray() const { return m_inTray; }
    // Whether a notification area exists now.
    bool isAvailable() const { return m_available(); }
    QSystemTrayIcon* icon() const { return m_icon; }
    // Whether a notification area exists; tests replace the desktop's answer.
    void setAvailabilityCheck(std::function<bool()> check);

    // How often a hidden bar checks that its notification area is still there (tests shorten it).
    void setWatchInterval(int milliseconds);

    // The icon's menu (made with the icon).
    QMenu* menu() const { return m_menu; }

    static const QString kToolTip;

private:
    void buildMenu();
    void fillNotes();
    void watchTray();
    // Qt settles on D-Bus or the X11 tray once per program, at its first look: with a
    // StatusNotifierWatcher then, D-Bus for good. Afterwards only the way Qt took tells whether the
    // icon can be seen.
    static bool desktopHasTray();

    QWidget& m_window;
    StatusLine& m_status;
    const Guard& m_guard;
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
    QMenu* m_notes = nullptr;
    QTimer* m_watch = nullptr;
    std::function<bool()> m_available;
    bool m_inTray = false;
    bool m_inTrayCallback = false;
};
