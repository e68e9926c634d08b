#include "trayicon.h"

#include "window/guard.h"
#include "window/statusline.h"
#include "window/statusnotifier.h"
#include "window/windowposition.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QProcess>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

const QString TrayIcon::kToolTip = QStringLiteral("Quintel");

namespace {
// How often a hidden bar checks that its notification area is still there.
constexpr int kWatchInterval = 2000;
constexpr int kMessageTime = 5000;
} // namespace

TrayIcon::TrayIcon(QWidget& window, QToolButton* cmdMin, StatusLine& status, const Guard& guard)
    : m_window(window), m_status(status), m_guard(guard), m_available(&TrayIcon::desktopHasTray)
{
    m_watch = new QTimer(this);
    m_watch->setInterval(kWatchInterval);
    connect(m_watch, &QTimer::timeout, this, &TrayIcon::watchTray);
    connect(cmdMin, &QAbstractButton::clicked, this, [this] { m_guard.run([this] { cmdMin_Click(); }); });
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::setWatchInterval(int milliseconds)
{
    m_watch->setInterval(milliseconds);
}

void TrayIcon::setAvailabilityCheck(std::function<bool()> check)
{
    m_available = std::move(check);
}

void TrayIcon::cmdMin_Click()
{
    // Hidden without a notification area, the bar could never be brought back: it stays. The
    // check runs on every click, so the button works as soon as a notification area appears.
    if (!m_available()) {
        m_status.flash(QCoreApplication::translate("TrayIcon", "Cannot hide: this desktop has no notification area"),
                       kMessageTime);
        return;
    }
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { trayIcon_Activated(reason); });
        buildMenu();
    }
    // Always the lit lamp, whichever lamp the bar is showing.
    m_icon->setIcon(QIcon(QStringLiteral(":/icons/lamp-lit.svg")));
    m_icon->setToolTip(kToolTip);
    m_icon->show();

    windowposition::syncTwipsFromWindow(&m_window);
    m_inTray = true;
    m_window.hide();
    m_watch->start();
}

void TrayIcon::trayIcon_Activated(QSystemTrayIcon::ActivationReason reason)
{
    if (m_inTrayCallback)
        return;
    m_inTrayCallback = true;
    // A double-click arrives as a click first, which already brings the bar back.
    if (m_inTray && (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick))
        m_guard.run([this] { restoreFromTray(); });
    m_inTrayCallback = false;
}

void TrayIcon::restoreFromTray()
{
    m_watch->stop();
    m_inTray = false;
    // The window manager may have reported the bar minimized after it was hidden (it was iconified
    // on the way into the tray): it comes back as a normal window.
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.activateWindow();
    if (m_icon)
        m_icon->hide();
}

void TrayIcon::buildMenu()
{
    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(QStringLiteral("mnuTray"));
    m_menu->addAction(QCoreApplication::translate("TrayIcon", "Show Quintel"), this, [this] {
        m_guard.run([this] {
            if (m_inTray)
                restoreFromTray();
        });
    });
    m_menu->addAction(QCoreApplication::translate("TrayIcon", "Quintel Setup"), this, [this] {
        // The set-up program lies beside this one when installed, else on the path.
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quintel-setup"));
        const QString program = QFileInfo(beside).isExecutable() ? beside : QStringLiteral("quintel-setup");
        if (!QProcess::startDetached(program, {}))
            m_status.flash(
                QCoreApplication::translate("TrayIcon", "Quintel Setup could not be started (%1)").arg(program),
                kMessageTime);
    });
    m_notes = m_menu->addMenu(QCoreApplication::translate("TrayIcon", "Last notes"));
    connect(m_menu, &QMenu::aboutToShow, this, &TrayIcon::fillNotes);
    fillNotes();
    m_menu->addSeparator();
    m_menu->addAction(QCoreApplication::translate("TrayIcon", "Quit Quintel"), this, [this] {
        m_window.close();
        QCoreApplication::quit();
    });
    m_icon->setContextMenu(m_menu);
}

void TrayIcon::fillNotes()
{
    m_notes->clear();
    const QStringList notes = m_status.recentNotes();
    // A note chosen is shown on the bar's line again.
    for (const QString& note : notes) {
        m_notes->addAction(note, this, [this, note] {
            m_guard.run([this, note] {
                if (m_inTray)
                    restoreFromTray();
                m_status.flash(note, kMessageTime);
            });
        });
    }
    if (notes.isEmpty())
        m_notes->addAction(QCoreApplication::translate("TrayIcon", "No notes"))->setEnabled(false);
}

bool TrayIcon::desktopHasTray()
{
    static const bool overDBus = statusnotifier::hostRegistered();
    // Over D-Bus, Qt's own check keeps saying yes after the watcher has gone: ask the watcher.
    return overDBus ? statusnotifier::hostRegistered() : QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::watchTray()
{
    if (!m_inTray || m_available())
        return;
    // The notification area went away while the bar was hidden in it.
    restoreFromTray();
    m_status.flash(QCoreApplication::translate("TrayIcon", "The notification area has gone: the bar is back"),
                   kMessageTime);
}
