#pragma once
// The main window: the bar. It owns the controls of the designed layout under their own names and
// the window's state; the handlers live with the parts that own them (contacts/, entry/, actions/,
// window/, settings/), each wiring its own controls' events.

#include "contactclient/automation.h"
#include "contacts/contactindex.h"
#include "contacts/searchlist.h"
#include "wordprocessor/wordprocessor.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class WindowSystem;

class CategoryFilter;
class ContactLists;
class ContactEntry;
class ActionAvailability;
class ContactActions;
class QuickMail;
class WindowModes;
class Placement;
class TrayIcon;
class WindowDrag;
class OptionsOpener;
class StoreWatcher;

// What the bar is built on; main() passes the real components, tests pass fakes.
struct Platform {
    std::function<std::shared_ptr<contactclient::Application>()> createContactClient;
    std::function<std::shared_ptr<wordprocessor::Application>()> createWordProcessor;
    WindowSystem* windowSystem = nullptr;
};

class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(Platform platform, QWidget* parent = nullptr);
    ~frmMain() override;

    // The whole start-up. Throws contactclient::AutomationError when the address book (or another
    // component) cannot be opened; the caller reports it and ends the program.
    void Form_Load();

    // Public operations other modules call.
    void populateCatCombo();
    void waitFor(const QVariant& value);

    // The status line over the entry box.
    void showStatus(const QString& message);
    void hideStatus();
    // A message that hides itself after a while unless another one replaces it.
    void flashStatus(const QString& message, int milliseconds = 4000);

    // Runs a handler; a failure of a component is reported in a message box and the bar goes on.
    void runGuarded(const std::function<void()>& handler);

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

    // Window state.
    bool isLoading = false;
    QList<QWidget*> barControls;
    QList<QWidget*> mailControls;
    int windowMode = 3;
    std::optional<int> rememberedMode;

    ContactIndex contactIndex;
    SearchList searchList; // what lstContacts shows, with its prefix search
    std::shared_ptr<wordprocessor::Application> wordApp;
    std::shared_ptr<contactclient::Application> outlookApp;
    std::shared_ptr<contactclient::NameSpace> outlookNamespace;
    std::shared_ptr<contactclient::MAPIFolder> contactsFolder;
    std::shared_ptr<contactclient::ItemSet> contactItems;
    std::shared_ptr<contactclient::ContactItem> currentContact;

    // The parts and their handlers.
    std::unique_ptr<ContactLists> lists;
    std::unique_ptr<CategoryFilter> categories;
    std::unique_ptr<ActionAvailability> availability;
    std::unique_ptr<ContactEntry> entry;
    std::unique_ptr<ContactActions> actions;
    std::unique_ptr<QuickMail> quickMail;
    std::unique_ptr<WindowModes> modes;
    std::unique_ptr<Placement> placement;
    std::unique_ptr<TrayIcon> tray;
    std::unique_ptr<WindowDrag> drag;
    std::unique_ptr<OptionsOpener> options;
    std::unique_ptr<StoreWatcher> storeWatcher;

    const Platform& platform() const { return m_platform; }
    QWidget* control(const QString& name) const;

    // Called when the main window is gone, so that others (the options dialog) know.
    static frmMain* instance();

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void toggleOnTop();
    void Form_Unload();

    Platform m_platform;
    class QTimer* m_statusTimer = nullptr;
};
