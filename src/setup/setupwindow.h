#pragma once
// Quintel Setup: which address book the contact client reads, which mail account it sends through,
// whether the bar starts at login and which keys summon it. The window only shows and collects; saving is applySetup().

#include "setup/bookdetection.h"
#include "setup/connectionchecks.h"
#include "setup/desktopbooks.h"
#include "setup/setupapply.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QVBoxLayout;
class SettingsStore;

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

    // The program the autostart entry starts; by default the bar beside this program.
    void setBarProgram(const QString& program) { m_barProgram = program; }

    QGroupBox* fraAddressBook = nullptr;
    QLabel* lblBooks = nullptr;
    QListWidget* lstBooks = nullptr;
    QRadioButton* optVCardFolder = nullptr;
    QLineEdit* txtFolder = nullptr;
    QPushButton* cmdChooseFolder = nullptr;
    QPushButton* cmdImportVcf = nullptr;
    QRadioButton* optCardDav = nullptr;
    QLineEdit* txtCardDavUrl = nullptr;
    QLineEdit* txtCardDavUser = nullptr;
    QLineEdit* txtCardDavPassword = nullptr;
    QRadioButton* optEds = nullptr;
    QListWidget* lstEdsBooks = nullptr; // the desktop's books with their counts, ticked: read
    QRadioButton* optLdap = nullptr;
    QLineEdit* txtLdapUrl = nullptr;
    QLineEdit* txtLdapBaseDn = nullptr;
    QLineEdit* txtLdapBindDn = nullptr;
    QLineEdit* txtLdapPassword = nullptr;
    QPushButton* cmdTestConnection = nullptr; // the CardDAV server or the directory, as chosen
    QLabel* lblAddressBookResult = nullptr;

    QGroupBox* fraMail = nullptr;
    QRadioButton* optSendmail = nullptr;
    QRadioButton* optSmtp = nullptr;
    QRadioButton* optMailFolder = nullptr;
    QRadioButton* optMailClient = nullptr;
    QLabel* lblMailClientHint = nullptr;
    QLineEdit* txtSmtpHost = nullptr;
    QSpinBox* txtSmtpPort = nullptr;
    QComboBox* cmbSmtpSecurity = nullptr;
    QLineEdit* txtSmtpUser = nullptr;
    QLineEdit* txtSmtpPassword = nullptr;
    QLineEdit* txtMailFrom = nullptr;
    QLineEdit* txtMailFromName = nullptr;
    QPushButton* cmdSendTest = nullptr;
    QLabel* lblMailResult = nullptr;
    QCheckBox* chkSaveSentCopy = nullptr;
    QLineEdit* txtImapHost = nullptr;
    QSpinBox* txtImapPort = nullptr;
    QComboBox* cmbImapSecurity = nullptr;
    QLineEdit* txtImapUser = nullptr;
    QLineEdit* txtImapPassword = nullptr;
    QPushButton* cmdTestImap = nullptr;
    QLabel* lblImapResult = nullptr;
    QLabel* lblOutbox = nullptr;

    QCheckBox* chkAutostart = nullptr;
    QCheckBox* chkShowMatches = nullptr;
    QPushButton* cmdClearUse = nullptr;
    QKeySequenceEdit* txtSummonKey = nullptr;
    QPushButton* cmdUseLocal = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;

signals:
    // A check on the worker thread has finished (tests wait for it).
    void checkFinished(const setup::CheckResult& result);

private:
    void build();
    void updateEnabled();
    void chooseFolder();
    void showDesktopBooks(const DesktopBooks& found);
    void chooseImportFile();
    enum class Check { CardDav, Ldap, SendTest, Imap };
    void runCheck(QPushButton* button, QLabel* label, Check check);
    void buildImap(QVBoxLayout* mail);
    void buildLdap(QVBoxLayout* book);
    void fitScreen();
    void save();
    void useLocal();
    void saveShowMatches();
    QString storedPassword(const QString& key) const;
    QString folderForImport() const;

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
    QScrollArea* m_scroll = nullptr;
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
