#pragma once
// The main window: the bar. It builds the controls of the designed layout under their own names
// and wires the parts that own their handlers (contacts/, entry/, actions/, window/, settings/);
// each part gets only its own controls and what it works with. What stays here is the bar's own
// order of things: the start-up (Form_Load) and its end, the status line's calls, keeping the
// window topmost and answering the window manager, and keeping the place on the ways out.

#include "contacts/contactsession.h"
#include "mail/mailaccount.h"
#include "window/guard.h"
#include "window/windowstate.h"
#include "wordprocessor/wordprocessor.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class WindowSystem;

class ActionAvailability;
class CardWrites;
class CategorySelector;
class ContactActions;
class ContactEntry;
class ContactListView;
class ContactLookup;
class ContactUse;
class DesktopIntegration;
class FocusOrder;
class MatchList;
class OptionsOpener;
class Placement;
class PlacementAutoSave;
class QuickMail;
class QuickMailOutbox;
class SettingsStore;
class StatusLine;
class TrayIcon;
class WindowDrag;
class WindowModes;
class WindowsAbove;
class modSettings;

namespace contactclient {
class DesktopHooks;
}

// What the bar is built on; main() passes the real components, tests pass fakes.
struct Platform {
    // Builds the contact client on the bar's desktop windows (card, call window, composer).
    std::function<std::shared_ptr<contactclient::Application>(contactclient::DesktopHooks& desktop)>
        createContactClient;
    std::function<std::shared_ptr<wordprocessor::Application>()> createWordProcessor;
    WindowSystem* windowSystem = nullptr;
    // Where reading the address book and sending quick mail run; empty: at once, on the UI thread.
    ContactSession::Background background;
    // Where the window's place is kept; empty: the store of the bar's settings.
    std::function<SettingsStore&()> settingsStore;
    // The mail account of quick mail's outbox; empty: no outbox (a failed send is only reported).
    std::function<mail::MailAccount()> mailAccount;
    // Where the contacts' use is kept; empty: in memory only, for this run.
    QString contactUseFile;
};

class frmMain : public QWidget {
    Q_OBJECT

public:
    // The settings (categories, e-mail preference) are the run's one instance and outlive the bar.
    frmMain(Platform platform, modSettings& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up: shows the bar with its wait message and starts reading the address book. The
    // bar is ready when loaded() comes; a failure to open the address book ends in loadFailed().
    // May run again after the bar was closed (a second start while the options dialog is open).
    void Form_Load();

    void populateCatCombo();

    // The status line over the entry box.
    void showStatus(const QString& message);
    void hideStatus();
    void flashStatus(const QString& message, int milliseconds = 4000);

    // Keeps the window's place and mode now, on a way out other than closing the bar (a signal,
    // the session manager, the end of the event loop). Nothing is kept when start-up failed.
    void savePlacementOnExit();

    // Runs a handler; a failure of a component is reported in a message box and the bar goes on.
    void runGuarded(const std::function<void()>& handler) { m_guard.run(handler); }

    bool isLoading() const { return m_session->isLoading(); }

    const Platform& platform() const { return m_platform; }
    // A control of the designed layout by its name (tests find them with findChild as well).
    QWidget* control(const QString& name) const;

    // The parts a caller drives or watches: the program's single-instance and summon handling and
    // the tests that work a part through the bar it sits in. The controls stay the window's own.
    ContactSession* session() const { return m_session.get(); }
    WindowModes* modes() const { return m_modes.get(); }
    WindowState& modeState() { return m_windowState; } // the window mode, and the one remembered
    ContactActions* actions() const { return m_actions.get(); }
    QuickMail* quickMail() const { return m_quickMail.get(); }
    QuickMailOutbox* outbox() const { return m_outbox.get(); } // none without a mail account
    TrayIcon* tray() const { return m_tray.get(); }
    PlacementAutoSave* placementAutoSave() const { return m_placementAutoSave.get(); }
    const StatusLine* status() const { return m_status.get(); }
    const WindowDrag* drag() const { return m_drag.get(); }
    MatchList* matches() const { return m_matches.get(); }
    ContactLookup* lookup() const { return m_lookup.get(); }

signals:
    void loaded();
    void loadFailed(int number, const QString& description);
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void buildParts();
    void toggleOnTop();
    void answerWindowManager();
    void sessionLoaded();
    void Form_Unload();

    Platform m_platform;
    modSettings& m_settings;
    bool m_started = false;
    bool m_outboxStarted = false;
    bool m_watchingExposure = false; // the window handle's Expose events reach eventFilter
    bool m_exposed = false;

    // Controls of the designed layout.
    QLineEdit* txtStatus = nullptr;
    QLabel* picHook = nullptr;
    QToolButton* cmdOptions = nullptr;
    QToolButton* cmdMin = nullptr;
    QToolButton* cmdWriteContact = nullptr;
    QPushButton* cmdCancelMail = nullptr;
    QToolButton* cmdDialContact = nullptr;
    QToolButton* cmdQEmailContact = nullptr;
    QToolButton* cmdClose = nullptr;
    QPushButton* cmdClearMail = nullptr;
    QPushButton* cmdSendMail = nullptr;
    QLineEdit* txtSubject = nullptr;
    QPlainTextEdit* txtBody = nullptr;
    QListView* lstContacts = nullptr;
    QLineEdit* txtContact = nullptr;
    QToolButton* cmdState = nullptr;
    QComboBox* cmbCategories = nullptr;
    QToolButton* cmdEMailContact = nullptr;
    QToolButton* cmdViewContact = nullptr;
    QComboBox* cmbContacts = nullptr;
    QLabel* imgTwo = nullptr;
    QLabel* imgOne = nullptr;
    QLabel* lblContactCount = nullptr;

    Guard m_guard;
    WindowState m_windowState;
    std::unique_ptr<DesktopIntegration> m_desktop; // outlives the contact client built on it
    std::unique_ptr<ContactSession> m_session;
    std::unique_ptr<StatusLine> m_status;

    // The parts and their handlers.
    std::unique_ptr<ContactListView> m_lists;
    std::unique_ptr<CategorySelector> m_categories;
    std::unique_ptr<ActionAvailability> m_availability;
    std::unique_ptr<ContactEntry> m_entry;
    std::unique_ptr<WindowModes> m_modes;
    std::unique_ptr<ContactActions> m_actions;
    std::unique_ptr<QuickMail> m_quickMail;
    std::unique_ptr<QuickMailOutbox> m_outbox;
    std::unique_ptr<Placement> m_placement;
    std::unique_ptr<PlacementAutoSave> m_placementAutoSave;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<WindowDrag> m_drag;
    std::unique_ptr<OptionsOpener> m_options;
    std::unique_ptr<WindowsAbove> m_windowsAbove;
    std::unique_ptr<FocusOrder> m_focusOrder;
    std::unique_ptr<ContactUse> m_contactUse;
    std::unique_ptr<ContactLookup> m_lookup;
    std::unique_ptr<MatchList> m_matches;
    std::unique_ptr<CardWrites> m_cardWrites;
};
