#include "setupwindow.h"

#include "contactclient/clientconfig.h"
#include "contactclient/errors.h"
#include "contacts/contactuse.h"
#include "contacts/matchsetting.h"
#include "desktop/messagebox.h"
#include "mail/mailaccount.h"
#include "setup/autostart.h"
#include "setup/firstrun.h"
#include "setup/keyring.h"
#include "setup/vcfimport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace setup {
namespace {

const QString kTitle = QStringLiteral("Quintel Setup");

template <typename W> W* named(W* widget, const QString& name, const QString& accessible = {})
{
    widget->setObjectName(name);
    if (!accessible.isEmpty())
        widget->setAccessibleName(accessible);
    return widget;
}

QLineEdit* passwordEdit(const QString& name)
{
    auto* edit = named(new QLineEdit, name, QStringLiteral("Password"));
    edit->setEchoMode(QLineEdit::Password);
    edit->setPlaceholderText(QStringLiteral("kept in the keyring"));
    return edit;
}

} // namespace

SetupWindow::SetupWindow(SettingsStore& store, Keyring& keyring, Mode mode, QWidget* parent)
    : QDialog(parent), m_store(store), m_keyring(keyring), m_mode(mode), m_barProgram(autostart::barProgram())
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(kTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/lamp-lit.svg")));
    build();
    setMinimumWidth(760);
    fitScreen();
    setInput(currentSetup(store));
    chkShowMatches->setChecked(matchsetting::showMatches(store));
    cmdClearUse->setEnabled(!ContactUse(ContactUse::standardFile()).isEmpty());
    updateEnabled();
}

SetupWindow::~SetupWindow()
{
    *m_cancelChecks = true;
    // A check still running finishes before the window goes (its answer is then dropped).
    for (QThread* thread : findChildren<QThread*>())
        thread->wait();
}

void SetupWindow::build()
{
    // The choices scroll when the screen is too low for them all; the buttons stay in view.
    auto* outer = new QVBoxLayout(this);
    m_scroll = new QScrollArea;
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget;
    auto* top = new QVBoxLayout(page);
    top->setContentsMargins(0, 0, 0, 0);

    if (m_mode == Mode::FirstRun) {
        auto* intro = named(
            new QLabel(QStringLiteral("Quintel needs an address book. Most people start with a local one: a folder of "
                                      "vCard files on this computer, which you can fill by importing a .vcf file "
                                      "exported from your phone or mail program.")),
            QStringLiteral("lblIntro"));
        intro->setWordWrap(true);
        top->addWidget(intro);
    }

    // The address book.
    fraAddressBook = named(new QGroupBox(QStringLiteral("Address book")), QStringLiteral("fraAddressBook"));
    auto* book = new QVBoxLayout(fraAddressBook);
    lblBooks = named(new QLabel(QStringLiteral("Address &books found on this computer (the ticked ones are read, in "
                                               "this order, instead of the choice below):")),
                     QStringLiteral("lblBooks"));
    lblBooks->setWordWrap(true);
    lstBooks = named(new QListWidget, QStringLiteral("lstBooks"), QStringLiteral("Address books found"));
    lstBooks->setMaximumHeight(120);
    lblBooks->setBuddy(lstBooks);
    book->addWidget(lblBooks);
    book->addWidget(lstBooks);
    lblBooks->hide();
    lstBooks->hide();
    optVCardFolder = named(new QRadioButton(QStringLiteral("A &folder of vCard files on this computer")),
                           QStringLiteral("optVCardFolder"));
    book->addWidget(optVCardFolder);
    auto* folderRow = new QHBoxLayout;
    txtFolder = named(new QLineEdit, QStringLiteral("txtFolder"), QStringLiteral("Address-book folder"));
    txtFolder->setPlaceholderText(firstrun::defaultContactsFolder());
    cmdChooseFolder = named(new QPushButton(QStringLiteral("C&hoose…")), QStringLiteral("cmdChooseFolder"));
    cmdChooseFolder->setToolTip(QStringLiteral("Choose the folder that holds the .vcf files"));
    cmdImportVcf = named(new QPushButton(QStringLiteral("&Import a .vcf file…")), QStringLiteral("cmdImportVcf"));
    cmdImportVcf->setToolTip(QStringLiteral("Copy the contacts of a .vcf file into this folder"));
    folderRow->addWidget(txtFolder, 1);
    folderRow->addWidget(cmdChooseFolder);
    folderRow->addWidget(cmdImportVcf);
    book->addLayout(folderRow);

    optCardDav = named(new QRadioButton(QStringLiteral("A Card&DAV server (Nextcloud, Radicale, …)")),
                       QStringLiteral("optCardDav"));
    book->addWidget(optCardDav);
    auto* dav = new QFormLayout;
    txtCardDavUrl = named(new QLineEdit, QStringLiteral("txtCardDavUrl"), QStringLiteral("Server address"));
    txtCardDavUrl->setPlaceholderText(QStringLiteral("https://cloud.example.org/remote.php/dav/"));
    txtCardDavUser = named(new QLineEdit, QStringLiteral("txtCardDavUser"), QStringLiteral("User name"));
    txtCardDavPassword = passwordEdit(QStringLiteral("txtCardDavPassword"));
    dav->addRow(QStringLiteral("Add&ress:"), txtCardDavUrl);
    dav->addRow(QStringLiteral("&User name:"), txtCardDavUser);
    dav->addRow(QStringLiteral("&Password:"), txtCardDavPassword);
    book->addLayout(dav);
    optEds = named(new QRadioButton(QStringLiteral("The desktop's address book (GNOME)")), QStringLiteral("optEds"));
    book->addWidget(optEds);
    lstEdsBooks = named(new QListWidget, QStringLiteral("lstEdsBooks"), QStringLiteral("The desktop's address books"));
    lstEdsBooks->setToolTip(QStringLiteral("The books Quintel reads; the first one wins a name found in several"));
    lstEdsBooks->setMaximumHeight(96);
    lstEdsBooks->addItem(QStringLiteral("Looking for the desktop's address books…"));
    book->addWidget(lstEdsBooks);
    listDesktopBooks(this, [this](const DesktopBooks& found) { showDesktopBooks(found); });
    buildLdap(book);
    cmdTestConnection = named(new QPushButton(QStringLiteral("&Test connection")), QStringLiteral("cmdTestConnection"));
    cmdTestConnection->setToolTip(
        QStringLiteral("Connect to the chosen server and say what it holds; nothing is saved"));
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(cmdTestConnection);
    testRow->addStretch();
    book->addLayout(testRow);

    lblAddressBookResult = named(new QLabel, QStringLiteral("lblAddressBookResult"));
    lblAddressBookResult->setWordWrap(true);
    lblAddressBookResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    book->addWidget(lblAddressBookResult);
    top->addWidget(fraAddressBook);

    // The mail account.
    fraMail = named(new QGroupBox(QStringLiteral("Mail")), QStringLiteral("fraMail"));
    auto* mail = new QVBoxLayout(fraMail);
    optSendmail = named(new QRadioButton(QStringLiteral("The system's send&mail")), QStringLiteral("optSendmail"));
    optSmtp = named(new QRadioButton(QStringLiteral("An SMTP ser&ver")), QStringLiteral("optSmtp"));
    optMailFolder = named(new QRadioButton(QStringLiteral("Messages saved in a folder (for testing)")),
                          QStringLiteral("optMailFolder"));
    optMailClient = named(new QRadioButton(QStringLiteral("Your own mail program (Thunderbird, Evolution, …)")),
                          QStringLiteral("optMailClient"));
    lblMailClientHint = named(
        new QLabel(QStringLiteral("SEND opens your mail program's new-message window with the mail filled in; you send "
                                  "it from there, with its own sign-in, signature and Sent folder. Choose this "
                                  "when your provider no longer accepts a password for sending mail (Microsoft "
                                  "365, or Google without an app password).")),
        QStringLiteral("lblMailClientHint"));
    lblMailClientHint->setWordWrap(true);
    mail->addWidget(optSendmail);
    mail->addWidget(optSmtp);
    mail->addWidget(optMailClient);
    mail->addWidget(lblMailClientHint);
    mail->addWidget(optMailFolder);
    auto* smtp = new QFormLayout;
    txtSmtpHost = named(new QLineEdit, QStringLiteral("txtSmtpHost"), QStringLiteral("SMTP server"));
    txtSmtpHost->setPlaceholderText(QStringLiteral("smtp.example.org"));
    txtSmtpPort = named(new QSpinBox, QStringLiteral("txtSmtpPort"), QStringLiteral("Port"));
    txtSmtpPort->setRange(0, 65535);
    txtSmtpPort->setSpecialValueText(QStringLiteral("usual port"));
    cmbSmtpSecurity = named(new QComboBox, QStringLiteral("cmbSmtpSecurity"), QStringLiteral("Security"));
    cmbSmtpSecurity->addItem(QStringLiteral("STARTTLS (port 587)"), QStringLiteral("starttls"));
    cmbSmtpSecurity->addItem(QStringLiteral("TLS (port 465)"), QStringLiteral("tls"));
    cmbSmtpSecurity->addItem(QStringLiteral("None (only to this computer)"), QStringLiteral("none"));
    txtSmtpUser = named(new QLineEdit, QStringLiteral("txtSmtpUser"), QStringLiteral("SMTP user name"));
    txtSmtpPassword = passwordEdit(QStringLiteral("txtSmtpPassword"));
    txtMailFrom = named(new QLineEdit, QStringLiteral("txtMailFrom"), QStringLiteral("Sender address"));
    txtMailFrom->setPlaceholderText(QStringLiteral("you@example.org"));
    txtMailFromName = named(new QLineEdit, QStringLiteral("txtMailFromName"), QStringLiteral("Sender name"));
    smtp->addRow(QStringLiteral("H&ost:"), txtSmtpHost);
    smtp->addRow(QStringLiteral("Port &number:"), txtSmtpPort);
    smtp->addRow(QStringLiteral("Se&curity:"), cmbSmtpSecurity);
    smtp->addRow(QStringLiteral("User n&ame:"), txtSmtpUser);
    smtp->addRow(QStringLiteral("Pass&word:"), txtSmtpPassword);
    smtp->addRow(QStringLiteral("S&ender address:"), txtMailFrom);
    smtp->addRow(QStringLiteral("&Your name:"), txtMailFromName);
    cmdSendTest =
        named(new QPushButton(QStringLiteral("Send a test messa&ge to myself")), QStringLiteral("cmdSendTest"));
    smtp->addRow(QString(), cmdSendTest);
    // The SMTP account on the left, the IMAP account for the copy in Sent on the right.
    auto* columns = new QHBoxLayout;
    auto* smtpColumn = new QVBoxLayout;
    smtpColumn->addLayout(smtp);
    lblMailResult = named(new QLabel, QStringLiteral("lblMailResult"));
    lblMailResult->setWordWrap(true);
    lblMailResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    smtpColumn->addWidget(lblMailResult);
    smtpColumn->addStretch();
    auto* imapColumn = new QVBoxLayout;
    buildImap(imapColumn);
    imapColumn->addStretch();
    columns->addLayout(smtpColumn, 1);
    columns->addSpacing(12);
    columns->addLayout(imapColumn, 1);
    mail->addLayout(columns);
    mail->addWidget(lblOutbox);
    top->addWidget(fraMail);

    chkAutostart = named(new QCheckBox(QStringLiteral("Start Quintel when I &log in")), QStringLiteral("chkAutostart"));
    top->addWidget(chkAutostart);

    // Finding contacts by every field, and what the bar keeps about the contacts used.
    chkShowMatches =
        named(new QCheckBox(QCoreApplication::translate("SetupWindow", "Show matches from every field while I type")),
              QStringLiteral("chkShowMatches"));
    cmdClearUse =
        named(new QPushButton(QCoreApplication::translate("SetupWindow", "Clear")), QStringLiteral("cmdClearUse"),
              QCoreApplication::translate("SetupWindow", "Clear the contacts I used"));
    cmdClearUse->setToolTip(
        QCoreApplication::translate(
            "SetupWindow", "Forgets which contacts you acted on through the bar and how often (kept in %1, used only "
                           "to put them first among the matches)")
            .arg(ContactUse::standardFile()));
    connect(cmdClearUse, &QPushButton::clicked, this, [this] {
        ContactUse use(ContactUse::standardFile());
        if (!use.clear())
            MessageBox::show(this, kTitle,
                             QCoreApplication::translate("SetupWindow", "%1 cannot be removed.").arg(use.file()),
                             MessageBox::Icon::Warning);
        else
            cmdClearUse->setEnabled(false);
    });
    auto* matchRow = new QHBoxLayout;
    matchRow->addWidget(chkShowMatches);
    matchRow->addWidget(cmdClearUse);
    matchRow->addStretch();
    top->addLayout(matchRow);

    // The keys that bring the bar forward from anywhere; cleared, the bar has none.
    txtSummonKey = named(new QKeySequenceEdit, QStringLiteral("txtSummonKey"), QStringLiteral("Show the bar with"));
    // The box inside, which screen readers reach, carries the name too.
    for (QLineEdit* inner : txtSummonKey->findChildren<QLineEdit*>())
        inner->setAccessibleName(QStringLiteral("Show the bar with"));
    txtSummonKey->setClearButtonEnabled(true);
    for (QAbstractButton* clear : txtSummonKey->findChildren<QAbstractButton*>()) {
        clear->setObjectName(QStringLiteral("cmdClearSummonKey"));
        clear->setAccessibleName(QStringLiteral("No shortcut"));
        clear->setToolTip(QStringLiteral("No shortcut"));
    }
    txtSummonKey->setToolTip(QStringLiteral("Press the keys that bring the bar forward from any program; clear the "
                                            "box for none. The bar takes new keys when it next starts."));
    auto* summonRow = new QFormLayout;
    summonRow->addRow(QStringLiteral("Show the bar with:"), txtSummonKey);
    top->addLayout(summonRow);

    auto* buttons = new QDialogButtonBox;
    if (m_mode == Mode::FirstRun) {
        cmdUseLocal =
            named(new QPushButton(QStringLiteral("Use a local address boo&k")), QStringLiteral("cmdUseLocal"));
        cmdUseLocal->setToolTip(
            QStringLiteral("Keep contacts in %1 and start Quintel").arg(firstrun::defaultContactsFolder()));
        buttons->addButton(cmdUseLocal, QDialogButtonBox::AcceptRole);
        connect(cmdUseLocal, &QAbstractButton::clicked, this, &SetupWindow::useLocal);
    }
    cmdSave = named(new QPushButton(QStringLiteral("&Save")), QStringLiteral("cmdSave"));
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel")), QStringLiteral("cmdCancel"));
    buttons->addButton(cmdSave, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);
    m_scroll->setWidget(page);
    outer->addWidget(m_scroll, 1);
    outer->addWidget(buttons);
    (cmdUseLocal ? cmdUseLocal : cmdSave)->setDefault(true);

    for (QAbstractButton* option :
         std::initializer_list<QAbstractButton*>{optVCardFolder, optCardDav, optEds, optLdap, optSendmail, optSmtp,
                                                 optMailFolder, optMailClient, chkSaveSentCopy})
        connect(option, &QAbstractButton::toggled, this, &SetupWindow::updateEnabled);
    connect(cmbSmtpSecurity, &QComboBox::currentIndexChanged, this, &SetupWindow::updateEnabled);
    connect(txtLdapBindDn, &QLineEdit::textChanged, this, &SetupWindow::updateEnabled);
    connect(cmbImapSecurity, &QComboBox::currentIndexChanged, this, &SetupWindow::updateEnabled);
    connect(cmdChooseFolder, &QAbstractButton::clicked, this, &SetupWindow::chooseFolder);
    connect(cmdImportVcf, &QAbstractButton::clicked, this, &SetupWindow::chooseImportFile);
    connect(cmdTestConnection, &QAbstractButton::clicked, this, [this] {
        runCheck(cmdTestConnection, lblAddressBookResult, optLdap->isChecked() ? Check::Ldap : Check::CardDav);
    });
    connect(cmdSendTest, &QAbstractButton::clicked, this,
            [this] { runCheck(cmdSendTest, lblMailResult, Check::SendTest); });
    connect(cmdTestImap, &QAbstractButton::clicked, this,
            [this] { runCheck(cmdTestImap, lblImapResult, Check::Imap); });
    connect(cmdSave, &QAbstractButton::clicked, this, &SetupWindow::save);
    connect(cmdCancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

// The copy of sent mail in an IMAP account's Sent folder, and the outbox's state.
void SetupWindow::buildImap(QVBoxLayout* mail)
{
    chkSaveSentCopy = named(new QCheckBox(QStringLiteral("Keep a copy of each sent mail in the Sent folder of my "
                                                         "IMAP account")),
                            QStringLiteral("chkSaveSentCopy"));
    chkSaveSentCopy->setToolTip(QStringLiteral("So that your own mail program shows the quick mails you sent"));
    mail->addWidget(chkSaveSentCopy);
    auto* imap = new QFormLayout;
    txtImapHost = named(new QLineEdit, QStringLiteral("txtImapHost"), QStringLiteral("IMAP server"));
    txtImapHost->setPlaceholderText(QStringLiteral("imap.example.org"));
    txtImapPort = named(new QSpinBox, QStringLiteral("txtImapPort"), QStringLiteral("IMAP port"));
    txtImapPort->setRange(0, 65535);
    cmbImapSecurity = named(new QComboBox, QStringLiteral("cmbImapSecurity"), QStringLiteral("IMAP security"));
    cmbImapSecurity->addItem(QStringLiteral("TLS (port 993)"), QStringLiteral("tls"));
    cmbImapSecurity->addItem(QStringLiteral("STARTTLS (port 143)"), QStringLiteral("starttls"));
    cmbImapSecurity->addItem(QStringLiteral("None (only to this computer)"), QStringLiteral("none"));
    txtImapUser = named(new QLineEdit, QStringLiteral("txtImapUser"), QStringLiteral("IMAP user name"));
    txtImapPassword = passwordEdit(QStringLiteral("txtImapPassword"));
    imap->addRow(QStringLiteral("IMAP host:"), txtImapHost);
    imap->addRow(QStringLiteral("IMAP port:"), txtImapPort);
    imap->addRow(QStringLiteral("IMAP security:"), cmbImapSecurity);
    imap->addRow(QStringLiteral("IMAP user name:"), txtImapUser);
    imap->addRow(QStringLiteral("IMAP password:"), txtImapPassword);
    cmdTestImap = named(new QPushButton(QStringLiteral("Test IMAP connection")), QStringLiteral("cmdTestImap"));
    cmdTestImap->setToolTip(QStringLiteral("Log in to the IMAP server and show the Sent folder that will be used"));
    imap->addRow(QString(), cmdTestImap);
    mail->addLayout(imap);
    lblImapResult = named(new QLabel, QStringLiteral("lblImapResult"));
    lblImapResult->setWordWrap(true);
    lblImapResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mail->addWidget(lblImapResult);
    lblOutbox = named(new QLabel, QStringLiteral("lblOutbox"));
    lblOutbox->setWordWrap(true);
    lblOutbox->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void SetupWindow::buildLdap(QVBoxLayout* book)
{
    optLdap = named(new QRadioButton(QStringLiteral("Company directory (LDAP)")), QStringLiteral("optLdap"));
    optLdap->setToolTip(QStringLiteral("The company's address list on an LDAP server (OpenLDAP, Active Directory, "
                                       "FreeIPA), read into a copy on this computer"));
    book->addWidget(optLdap);
    auto* form = new QFormLayout;
    txtLdapUrl = named(new QLineEdit, QStringLiteral("txtLdapUrl"), QStringLiteral("Directory server"));
    txtLdapUrl->setPlaceholderText(QStringLiteral("ldaps://ldap.example.com"));
    txtLdapUrl->setToolTip(QStringLiteral("ldaps://host, or ldap://host (the connection is then secured with "
                                          "StartTLS)"));
    txtLdapBaseDn = named(new QLineEdit, QStringLiteral("txtLdapBaseDn"), QStringLiteral("Base"));
    txtLdapBaseDn->setPlaceholderText(QStringLiteral("dc=example,dc=com"));
    txtLdapBindDn = named(new QLineEdit, QStringLiteral("txtLdapBindDn"), QStringLiteral("Bind DN"));
    txtLdapBindDn->setPlaceholderText(QStringLiteral("empty: read anonymously"));
    txtLdapPassword = passwordEdit(QStringLiteral("txtLdapPassword"));
    txtLdapPassword->setAccessibleName(QStringLiteral("Directory password"));
    form->addRow(QStringLiteral("Server:"), txtLdapUrl);
    form->addRow(QStringLiteral("Base:"), txtLdapBaseDn);
    form->addRow(QStringLiteral("Bind DN:"), txtLdapBindDn);
    form->addRow(QStringLiteral("Password:"), txtLdapPassword);
    book->addLayout(form);
}

void SetupWindow::fitScreen()
{
    // As tall as the choices need, as far as the screen allows (its panels and a title bar kept free).
    const QWidget* page = m_scroll->widget();
    const int wanted = sizeHint().height() - m_scroll->sizeHint().height() + page->sizeHint().height();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - 40 : wanted;
    resize(std::max(width(), page->sizeHint().width() + 40), std::min(wanted, room));
}

void SetupWindow::updateEnabled()
{
    const bool carddav = optCardDav->isChecked();
    const bool folder = optVCardFolder->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(txtFolder), static_cast<QWidget*>(cmdChooseFolder)})
        w->setEnabled(folder);
    lstEdsBooks->setEnabled(optEds->isChecked() && !m_desktopBooks.isEmpty());
    for (QWidget* w : {txtCardDavUrl, txtCardDavUser, txtCardDavPassword})
        w->setEnabled(carddav);
    const bool ldap = optLdap->isChecked();
    for (QWidget* w : {txtLdapUrl, txtLdapBaseDn, txtLdapBindDn})
        w->setEnabled(ldap);
    // An anonymous reader has no password.
    txtLdapPassword->setEnabled(ldap && !txtLdapBindDn->text().trimmed().isEmpty());
    cmdTestConnection->setEnabled((carddav || ldap) && m_running == 0);
    // Import always goes into a local folder: with another address book chosen there is none.
    cmdImportVcf->setEnabled(folder);

    const bool smtpChosen = optSmtp->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(txtSmtpHost), static_cast<QWidget*>(txtSmtpPort),
                       static_cast<QWidget*>(cmbSmtpSecurity), static_cast<QWidget*>(txtSmtpUser),
                       static_cast<QWidget*>(txtSmtpPassword)})
        w->setEnabled(smtpChosen);
    cmdSendTest->setEnabled(!optMailFolder->isChecked() && !optMailClient->isChecked() && m_running == 0);
    for (QWidget* w : {static_cast<QWidget*>(txtMailFrom), static_cast<QWidget*>(txtMailFromName)})
        w->setEnabled(!optMailClient->isChecked());
    // The copy in Sent is made for mail sent through SMTP; a mail program keeps its own.
    chkSaveSentCopy->setEnabled(smtpChosen);
    const bool imap = smtpChosen && chkSaveSentCopy->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(txtImapHost), static_cast<QWidget*>(txtImapPort),
                       static_cast<QWidget*>(cmbImapSecurity), static_cast<QWidget*>(txtImapUser),
                       static_cast<QWidget*>(txtImapPassword)})
        w->setEnabled(imap);
    cmdTestImap->setEnabled(imap && m_running == 0);
    txtImapPort->setSpecialValueText(
        QStringLiteral("usual port (%1)")
            .arg(SetupSettings::defaultImapPort(cmbImapSecurity->currentData().toString())));
    txtSmtpPort->setSpecialValueText(
        QStringLiteral("usual port (%1)").arg(SetupSettings::defaultPort(cmbSmtpSecurity->currentData().toString())));
}

SetupInput SetupWindow::input() const
{
    SetupInput in;
    SetupSettings& s = in.settings;
    s.addressBook = optCardDav->isChecked() ? SetupSettings::AddressBook::CardDav
                    : optEds->isChecked()   ? SetupSettings::AddressBook::Eds
                    : optLdap->isChecked()  ? SetupSettings::AddressBook::Ldap
                                            : SetupSettings::AddressBook::VCardFolder;
    s.edsBooks = m_edsBooks;
    if (!m_desktopBooks.isEmpty()) {
        QList<bool> ticked;
        for (int i = 0; i < lstEdsBooks->count(); ++i)
            ticked.append(lstEdsBooks->item(i)->checkState() == Qt::Checked);
        s.edsBooks = bookSetting(m_desktopBooks, ticked);
    }
    s.folder = txtFolder->text().trimmed();
    s.cardDavUrl = txtCardDavUrl->text().trimmed();
    s.cardDavUser = txtCardDavUser->text().trimmed();
    s.cardDavAddressBook = m_cardDavAddressBook;
    s.ldapUrl = txtLdapUrl->text().trimmed();
    s.ldapBaseDn = txtLdapBaseDn->text().trimmed();
    s.ldapBindDn = txtLdapBindDn->text().trimmed();
    s.ldapFilter = m_ldapFilter;
    s.ldapCaFile = m_ldapCaFile;
    s.ldapStartTlsHere = m_ldapStartTlsHere;
    in.ldapPassword = s.ldapBindDn.isEmpty() ? QString() : txtLdapPassword->text();
    s.books = m_books;
    if (lstBooks->count() > 0) {
        s.books.clear();
        for (int i = 0; i < lstBooks->count(); ++i)
            if (lstBooks->item(i)->checkState() == Qt::Checked)
                s.books.append(lstBooks->item(i)->data(Qt::UserRole).toString());
    }
    s.mail = optSmtp->isChecked()         ? SetupSettings::Mail::Smtp
             : optMailFolder->isChecked() ? SetupSettings::Mail::Folder
             : optMailClient->isChecked() ? SetupSettings::Mail::Client
                                          : SetupSettings::Mail::Sendmail;
    s.mailFolder = m_mailFolder;
    s.sendmailPath = m_sendmailPath;
    s.smtpHost = txtSmtpHost->text().trimmed();
    s.smtpPort = txtSmtpPort->value();
    s.smtpSecurity = cmbSmtpSecurity->currentData().toString();
    s.smtpUser = txtSmtpUser->text().trimmed();
    s.mailFrom = txtMailFrom->text().trimmed();
    s.mailFromName = txtMailFromName->text().trimmed();
    in.cardDavPassword = txtCardDavPassword->text();
    in.smtpPassword = txtSmtpPassword->text();
    s.saveSentCopy = chkSaveSentCopy->isChecked();
    s.imapHost = txtImapHost->text().trimmed();
    s.imapPort = txtImapPort->value();
    s.imapSecurity = cmbImapSecurity->currentData().toString();
    s.imapUser = txtImapUser->text().trimmed();
    s.imapCaFile = m_imapCaFile;
    in.imapPassword = txtImapPassword->text();
    in.autostart = chkAutostart->isChecked();
    // One combination: the first the user pressed.
    const QKeySequence keys = txtSummonKey->keySequence();
    in.summonShortcut = keys.isEmpty() ? QString() : QKeySequence(keys[0]).toString(QKeySequence::PortableText);
    return in;
}

void SetupWindow::setInput(const SetupInput& in)
{
    const SetupSettings& s = in.settings;
    (s.addressBook == SetupSettings::AddressBook::CardDav ? optCardDav
     : s.addressBook == SetupSettings::AddressBook::Eds   ? optEds
     : s.addressBook == SetupSettings::AddressBook::Ldap  ? optLdap
                                                          : optVCardFolder)
        ->setChecked(true);
    m_edsBooks = s.edsBooks;
    txtFolder->setText(s.folder);
    txtCardDavUrl->setText(s.cardDavUrl);
    txtCardDavUser->setText(s.cardDavUser);
    m_cardDavAddressBook = s.cardDavAddressBook;
    txtLdapUrl->setText(s.ldapUrl);
    txtLdapBaseDn->setText(s.ldapBaseDn);
    txtLdapBindDn->setText(s.ldapBindDn);
    txtLdapPassword->setText(in.ldapPassword);
    m_ldapFilter = s.ldapFilter;
    m_ldapCaFile = s.ldapCaFile;
    m_ldapStartTlsHere = s.ldapStartTlsHere;
    m_books = s.books;
    optMailFolder->setVisible(s.mail == SetupSettings::Mail::Folder);
    switch (s.mail) {
    case SetupSettings::Mail::Smtp:
        optSmtp->setChecked(true);
        break;
    case SetupSettings::Mail::Folder:
        optMailFolder->setChecked(true);
        break;
    case SetupSettings::Mail::Sendmail:
        optSendmail->setChecked(true);
        break;
    case SetupSettings::Mail::Client:
        optMailClient->setChecked(true);
        break;
    }
    m_mailFolder = s.mailFolder;
    m_sendmailPath = s.sendmailPath;
    txtSmtpHost->setText(s.smtpHost);
    txtSmtpPort->setValue(s.smtpPort);
    cmbSmtpSecurity->setCurrentIndex(std::max(0, cmbSmtpSecurity->findData(s.smtpSecurity)));
    txtSmtpUser->setText(s.smtpUser);
    txtMailFrom->setText(s.mailFrom);
    txtMailFromName->setText(s.mailFromName);
    txtCardDavPassword->setText(in.cardDavPassword);
    txtSmtpPassword->setText(in.smtpPassword);
    chkSaveSentCopy->setChecked(s.saveSentCopy);
    txtImapHost->setText(s.imapHost);
    txtImapPort->setValue(s.imapPort);
    cmbImapSecurity->setCurrentIndex(std::max(0, cmbImapSecurity->findData(s.imapSecurity)));
    txtImapUser->setText(s.imapUser);
    txtImapPassword->setText(in.imapPassword);
    m_imapCaFile = s.imapCaFile;
    lblOutbox->setText(outboxState(
        contactclient::clientSetting(m_store, mail::key::OutboxFolder, mail::defaultOutboxFolder()).trimmed()));
    chkAutostart->setChecked(in.autostart);
    txtSummonKey->setKeySequence(QKeySequence::fromString(in.summonShortcut, QKeySequence::PortableText));
    updateEnabled();
}

QString SetupWindow::folderForImport() const
{
    const QString folder = txtFolder->text().trimmed();
    return folder.isEmpty() ? firstrun::defaultContactsFolder() : folder;
}

void SetupWindow::chooseFolder()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Address-book folder"), folderForImport());
    if (!folder.isEmpty())
        txtFolder->setText(folder);
}

void SetupWindow::chooseImportFile()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Import a .vcf file"), QDir::homePath(),
                                                      QStringLiteral("vCard files (*.vcf *.vcard);;All files (*)"));
    if (!file.isEmpty())
        importFile(file);
}

void SetupWindow::importFile(const QString& vcfFile)
{
    const QString folder = folderForImport();
    if (QDir::isRelativePath(folder)) {
        MessageBox::show(this, kTitle, QStringLiteral("The address-book folder must be a full path (starting with /)."),
                         MessageBox::Icon::Warning);
        return;
    }
    const ImportResult result = importVcfFile(vcfFile, folder);
    lblAddressBookResult->setText(result.summary());
    if (!result.problems.isEmpty())
        MessageBox::show(this, kTitle, result.summary(), MessageBox::Icon::Warning);
}

QString SetupWindow::storedPassword(const QString& key) const
{
    QString password;
    m_keyring.readPassword(key, password);
    return password;
}

void SetupWindow::runCheck(QPushButton* button, QLabel* label, Check check)
{
    const SetupSettings settings = input().settings;
    QLineEdit* typed = check == Check::CardDav ? txtCardDavPassword
                       : check == Check::Ldap  ? txtLdapPassword
                       : check == Check::Imap  ? txtImapPassword
                                               : txtSmtpPassword;
    QString password = typed->text();
    if (password.isEmpty()) {
        switch (check) {
        case Check::CardDav:
            password = storedPassword(cardDavPasswordKey(settings.cardDavUser, settings.cardDavUrl));
            break;
        case Check::Ldap:
            if (!settings.ldapBindDn.isEmpty())
                password = storedPassword(ldapPasswordKey(settings.ldapBindDn, settings.ldapUrl));
            break;
        case Check::Imap:
            password = storedPassword(imapPasswordKey(settings.imapUser, settings.imapHost));
            break;
        case Check::SendTest:
            password = storedPassword(smtpPasswordKey(settings.smtpUser, settings.smtpHost));
            break;
        }
    }
    label->setText(check == Check::SendTest ? QStringLiteral("Sending…") : QStringLiteral("Connecting…"));
    ++m_running;
    updateEnabled();
    auto result = std::make_shared<CheckResult>();
    QThread* thread = QThread::create([settings, password, check, result, cancel = m_cancelChecks] {
        switch (check) {
        case Check::CardDav:
            *result = testCardDavConnection(settings, password);
            break;
        case Check::Ldap:
            *result = testLdapConnection(settings, password, cancel.get());
            break;
        case Check::SendTest:
            *result = sendTestMessage(settings, password);
            break;
        case Check::Imap:
            *result = testImapConnection(settings, password);
            break;
        }
    });
    thread->setParent(this);
    connect(thread, &QThread::finished, this, [this, thread, label, button, result] {
        thread->deleteLater();
        --m_running;
        updateEnabled();
        label->setText(result->message);
        button->setFocus();
        emit checkFinished(*result);
    });
    thread->start();
}

void SetupWindow::showDesktopBooks(const DesktopBooks& found)
{
    m_desktopBooks = found.books;
    lstEdsBooks->clear();
    if (found.books.isEmpty())
        lstEdsBooks->addItem(found.problem);
    const QStringList chosen = m_edsBooks.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const DesktopBook& b : found.books) {
        const QString count = b.contacts < 0    ? QStringLiteral("cannot be read: %1").arg(b.problem)
                              : b.contacts == 1 ? QStringLiteral("1 contact")
                                                : QStringLiteral("%1 contacts").arg(b.contacts);
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(b.name, count), lstEdsBooks);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(chosen.isEmpty() || chosen.contains(b.uid) || chosen.contains(b.name, Qt::CaseInsensitive)
                                ? Qt::Checked
                                : Qt::Unchecked);
    }
    updateEnabled();
}

void SetupWindow::save()
{
    const ApplyOutcome outcome = applySetup(input(), m_store, m_keyring, m_barProgram);
    if (!outcome.saved()) {
        MessageBox::show(this, kTitle, outcome.error, MessageBox::Icon::Warning);
        return;
    }
    if (!outcome.warnings.isEmpty())
        MessageBox::show(this, kTitle, outcome.warnings.join(QStringLiteral("\n\n")), MessageBox::Icon::Warning);
    saveShowMatches();
    accept();
}

void SetupWindow::saveShowMatches()
{
    // Written only when changed: the default stays unwritten.
    if (matchsetting::showMatches(m_store) == chkShowMatches->isChecked())
        return;
    try {
        matchsetting::setShowMatches(m_store, chkShowMatches->isChecked());
    } catch (const contactclient::AutomationError& e) {
        MessageBox::show(this, kTitle, e.description(), MessageBox::Icon::Warning);
    }
}

void SetupWindow::setFoundBooks(const QList<FoundBook>& found, const QStringList& ticked)
{
    lstBooks->clear();
    QStringList order = m_books;
    for (const QString& spec : ticked)
        if (!order.contains(spec))
            order.append(spec);
    auto add = [this](const QString& spec, const QString& text, bool checked) {
        auto* row = new QListWidgetItem(text, lstBooks);
        row->setData(Qt::UserRole, spec);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        row->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        row->setToolTip(spec);
    };
    // The ticked books first, in the order they are read; then the others found.
    for (const QString& spec : std::as_const(order)) {
        const auto it = std::find_if(found.begin(), found.end(), [&](const FoundBook& b) { return b.spec == spec; });
        add(spec, it != found.end() ? it->text() : spec, true);
    }
    for (const FoundBook& b : found)
        if (!order.contains(b.spec))
            add(b.spec, b.text(), false);
    lblBooks->setVisible(lstBooks->count() > 0);
    lstBooks->setVisible(lstBooks->count() > 0);
    // Books to read are ticked: Enter keeps them rather than making a new local folder.
    if (!order.isEmpty() && cmdSave)
        cmdSave->setDefault(true);
}

void SetupWindow::useLocal()
{
    const QString error = firstrun::useLocalAddressBook(m_store);
    if (!error.isEmpty()) {
        MessageBox::show(this, kTitle, error, MessageBox::Icon::Warning);
        return;
    }
    if (chkAutostart->isChecked() != autostart::isEnabled()) {
        const QString autostartError = autostart::setEnabled(chkAutostart->isChecked(), m_barProgram);
        if (!autostartError.isEmpty())
            MessageBox::show(this, kTitle, autostartError, MessageBox::Icon::Warning);
    }
    saveShowMatches();
    accept();
}

bool runFirstRunSetup(SettingsStore& store, const QList<FoundBook>& found)
{
    DesktopKeyring keyring;
    SetupWindow window(store, keyring, SetupWindow::Mode::FirstRun);
    QStringList ticked;
    for (const FoundBook& b : found)
        ticked.append(b.spec);
    window.setFoundBooks(found, ticked);
    return window.exec() == QDialog::Accepted;
}

} // namespace setup
