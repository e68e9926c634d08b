#pragma once
// Quintel Setup: which address book the contact client reads, which mail account it sends through,
// whether the bar starts at login and which keys summon it. The controls are the form setupwindow.ui;
// the window only wires them, shows and collects; saving is applySetup().

#include "setup/bookdetection.h"
#include "setup/connectionchecks.h"
#include "setup/desktopbooks.h"
#include "setup/setupapply.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QLabel;
class QPushButton;
class SettingsStore;

namespace Ui {
class SetupWindow;
}

namespace setup {

class Keyring;

class SetupWindow : public QDialog {
    Q_OBJECT

public:
    enum class Mode {
        Normal,  // from the menu: Save and Cancel
        FirstRun // before the bar's first start: "Use a local address book" is the default button
    };

    SetupWindow(SettingsStore& store, Keyring& keyring, Mode mode = Mode::Normal, QWidget* parent = nullptr);
    ~SetupWindow() override;

    // The fields as settings, and back.
    SetupInput input() const;
    void setInput(const SetupInput& input);

    // The address books found on this computer, to tick; the configured ones (and these ticked
    // ones) are ticked, in their order.
    void setFoundBooks(const QList<FoundBook>& found, const QStringList& ticked = {});

    // Copies the cards of a .vcf file into the chosen folder and says how it went.
    void importFile(const QString& vcfFile);

signals:
    // A check on the worker thread has finished (tests wait for it).
    void checkFinished(const setup::CheckResult& result);

private:
    void wire();
    void updateEnabled();
    void chooseFolder();
    void showDesktopBooks(const DesktopBooks& found);
    void chooseImportFile();
    enum class Check { CardDav, Ldap, SendTest, Imap };
    void runCheck(QPushButton* button, QLabel* label, Check check);
    void fitScreen();
    void save();
    void useLocal();
    void saveShowMatches();
    QString storedPassword(const QString& key) const;
    QString folderForImport() const;

    std::unique_ptr<Ui::SetupWindow> m_ui; // the form: setupwindow.ui
    SettingsStore& m_store;
    Keyring& m_keyring;
    Mode m_mode;
    QString m_barProgram;
    QString m_mailFolder;
    QString m_sendmailPath;
    QString m_imapCaFile;
    QString m_cardDavAddressBook;
    QStringList m_books; // the Books entries as loaded
    QString m_edsBooks;
    QList<DesktopBook> m_desktopBooks;
    QString m_ldapFilter;
    QString m_ldapCaFile;
    bool m_ldapStartTlsHere = false;
    int m_running = 0;
    // Set when the window goes: a directory being counted stops early.
    std::shared_ptr<std::atomic<bool>> m_cancelChecks = std::make_shared<std::atomic<bool>>(false);
};

// Runs the window before the bar's first start. True when an address book was set up; false when
// the user closed the window (the program then ends).
// The books found are shown ticked.
bool runFirstRunSetup(SettingsStore& store, const QList<FoundBook>& found = {});

} // namespace setup
