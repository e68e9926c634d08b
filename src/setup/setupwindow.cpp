#include "setupwindow.h"

#include "desktop/messagebox.h"
#include "setup/autostart.h"
#include "setup/firstrun.h"
#include "setup/keyring.h"
#include "setup/vcfimport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    setMinimumWidth(560);
    setInput(currentSetup(store));
    updateEnabled();
}

SetupWindow::~SetupWindow()
{
    // A check still running finishes before the window goes (its answer is then dropped).
    for (QThread* thread : findChildren<QThread*>())
        thread->wait();
}

void SetupWindow::build()
{
    auto* top = new QVBoxLayout(this);

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
    cmdTestConnection = named(new QPushButton(QStringLiteral("&Test connection")), QStringLiteral("cmdTestConnection"));
    dav->addRow(QString(), cmdTestConnection);
    book->addLayout(dav);
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
    mail->addWidget(optSendmail);
    mail->addWidget(optSmtp);
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
    mail->addLayout(smtp);
    lblMailResult = named(new QLabel, QStringLiteral("lblMailResult"));
    lblMailResult->setWordWrap(true);
    lblMailResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mail->addWidget(lblMailResult);
    top->addWidget(fraMail);

    chkAutostart = named(new QCheckBox(QStringLiteral("Start Quintel when I &log in")), QStringLiteral("chkAutostart"));
    top->addWidget(chkAutostart);

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
    summonRow->addRow(QStringLiteral("Show the &bar with:"), txtSummonKey);
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
    top->addWidget(buttons);
    (cmdUseLocal ? cmdUseLocal : cmdSave)->setDefault(true);

    for (QRadioButton* option : {optVCardFolder, optCardDav, optSendmail, optSmtp, optMailFolder})
        connect(option, &QAbstractButton::toggled, this, &SetupWindow::updateEnabled);
    connect(cmbSmtpSecurity, &QComboBox::currentIndexChanged, this, &SetupWindow::updateEnabled);
    connect(cmdChooseFolder, &QAbstractButton::clicked, this, &SetupWindow::chooseFolder);
    connect(cmdImportVcf, &QAbstractButton::clicked, this, &SetupWindow::chooseImportFile);
    connect(cmdTestConnection, &QAbstractButton::clicked, this,
            [this] { runCheck(cmdTestConnection, lblAddressBookResult, true); });
    connect(cmdSendTest, &QAbstractButton::clicked, this, [this] { runCheck(cmdSendTest, lblMailResult, false); });
    connect(cmdSave, &QAbstractButton::clicked, this, &SetupWindow::save);
    connect(cmdCancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

void SetupWindow::updateEnabled()
{
    const bool carddav = optCardDav->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(txtFolder), static_cast<QWidget*>(cmdChooseFolder)})
        w->setEnabled(!carddav);
    for (QWidget* w : {txtCardDavUrl, txtCardDavUser, txtCardDavPassword})
        w->setEnabled(carddav);
    cmdTestConnection->setEnabled(carddav && m_running == 0);
    // Import always goes into a local folder: with CardDAV chosen there is none to import into.
    cmdImportVcf->setEnabled(!carddav);

    const bool smtpChosen = optSmtp->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(txtSmtpHost), static_cast<QWidget*>(txtSmtpPort),
                       static_cast<QWidget*>(cmbSmtpSecurity), static_cast<QWidget*>(txtSmtpUser),
                       static_cast<QWidget*>(txtSmtpPassword)})
        w->setEnabled(smtpChosen);
    cmdSendTest->setEnabled(!optMailFolder->isChecked() && m_running == 0);
    txtSmtpPort->setSpecialValueText(
        QStringLiteral("usual port (%1)").arg(SetupSettings::defaultPort(cmbSmtpSecurity->currentData().toString())));
}

SetupInput SetupWindow::input() const
{
    SetupInput in;
    SetupSettings& s = in.settings;
    s.addressBook =
        optCardDav->isChecked() ? SetupSettings::AddressBook::CardDav : SetupSettings::AddressBook::VCardFolder;
    s.folder = txtFolder->text().trimmed();
    s.cardDavUrl = txtCardDavUrl->text().trimmed();
    s.cardDavUser = txtCardDavUser->text().trimmed();
    s.cardDavAddressBook = m_cardDavAddressBook;
    s.mail = optSmtp->isChecked()         ? SetupSettings::Mail::Smtp
             : optMailFolder->isChecked() ? SetupSettings::Mail::Folder
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
    in.autostart = chkAutostart->isChecked();
    // One combination: the first the user pressed.
    const QKeySequence keys = txtSummonKey->keySequence();
    in.summonShortcut = keys.isEmpty() ? QString() : QKeySequence(keys[0]).toString(QKeySequence::PortableText);
    return in;
}

void SetupWindow::setInput(const SetupInput& in)
{
    const SetupSettings& s = in.settings;
    (s.addressBook == SetupSettings::AddressBook::CardDav ? optCardDav : optVCardFolder)->setChecked(true);
    txtFolder->setText(s.folder);
    txtCardDavUrl->setText(s.cardDavUrl);
    txtCardDavUser->setText(s.cardDavUser);
    m_cardDavAddressBook = s.cardDavAddressBook;
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

void SetupWindow::runCheck(QPushButton* button, QLabel* label, bool carddav)
{
    const SetupSettings settings = input().settings;
    QString password = carddav ? txtCardDavPassword->text() : txtSmtpPassword->text();
    if (password.isEmpty()) {
        password = carddav ? storedPassword(cardDavPasswordKey(settings.cardDavUser, settings.cardDavUrl))
                           : storedPassword(smtpPasswordKey(settings.smtpUser, settings.smtpHost));
    }
    label->setText(carddav ? QStringLiteral("Connecting…") : QStringLiteral("Sending…"));
    ++m_running;
    updateEnabled();
    auto result = std::make_shared<CheckResult>();
    QThread* thread = QThread::create([settings, password, carddav, result] {
        *result = carddav ? testCardDavConnection(settings, password) : sendTestMessage(settings, password);
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

void SetupWindow::save()
{
    const ApplyOutcome outcome = applySetup(input(), m_store, m_keyring, m_barProgram);
    if (!outcome.saved()) {
        MessageBox::show(this, kTitle, outcome.error, MessageBox::Icon::Warning);
        return;
    }
    if (!outcome.warnings.isEmpty())
        MessageBox::show(this, kTitle, outcome.warnings.join(QStringLiteral("\n\n")), MessageBox::Icon::Warning);
    accept();
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
    accept();
}

bool runFirstRunSetup(SettingsStore& store)
{
    DesktopKeyring keyring;
    SetupWindow window(store, keyring, SetupWindow::Mode::FirstRun);
    return window.exec() == QDialog::Accepted;
}

} // namespace setup
