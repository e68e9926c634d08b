#include "setupwindow.h"

#include "contactclient/errors.h"
#include "contacts/contactuse.h"
#include "contacts/matchsetting.h"
#include "desktop/messagebox.h"
#include "setup/autostart.h"
#include "setup/firstrun.h"
#include "setup/keyring.h"
#include "setup/vcfimport.h"
#include "ui_setupwindow.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QScreen>
#include <QThread>

#include <memory>

namespace setup {
namespace {

const QString kTitle = QStringLiteral("Quintel Setup");

// The values behind a security box's choices, in the form's order.
void setValues(QComboBox* box, const QStringList& values)
{
    for (int i = 0; i < values.size(); ++i)
        box->setItemData(i, values.at(i));
}

} // namespace

SetupWindow::SetupWindow(SettingsStore& store, Keyring& keyring, Mode mode, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SetupWindow>()), m_store(store), m_keyring(keyring), m_mode(mode),
      m_barProgram(autostart::barProgram())
{
    m_ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/lamp-lit.svg")));
    wire();
    listDesktopBooks(this, [this](const DesktopBooks& found) { showDesktopBooks(found); });
    setInput(currentSetup(store));
    m_ui->chkShowMatches->setChecked(matchsetting::showMatches(store));
    m_ui->cmdClearUse->setEnabled(!ContactUse(ContactUse::standardFile()).isEmpty());
    updateEnabled();
    fitScreen(); // with the fields of the choices made shown
}

SetupWindow::~SetupWindow()
{
    *m_cancelChecks = true;
    // A check still running finishes before the window goes (its answer is then dropped).
    for (QThread* thread : findChildren<QThread*>())
        thread->wait();
}

void SetupWindow::wire()
{
    // The introduction and the one-click local address book belong to the first start only.
    if (m_mode == Mode::FirstRun) {
        m_ui->cmdUseLocal->setToolTip(
            QCoreApplication::translate("SetupWindow", "Keep contacts in %1 and start Quintel")
                .arg(firstrun::defaultContactsFolder()));
        m_ui->buttons->addButton(m_ui->cmdUseLocal, QDialogButtonBox::AcceptRole);
        connect(m_ui->cmdUseLocal, &QAbstractButton::clicked, this, &SetupWindow::useLocal);
    } else {
        delete m_ui->lblIntro;
        delete m_ui->cmdUseLocal;
        m_ui->lblIntro = nullptr;
        m_ui->cmdUseLocal = nullptr;
    }
    m_ui->buttons->addButton(m_ui->cmdSave, QDialogButtonBox::AcceptRole);
    m_ui->buttons->addButton(m_ui->cmdCancel, QDialogButtonBox::RejectRole);
    (m_ui->cmdUseLocal ? m_ui->cmdUseLocal : m_ui->cmdSave)->setDefault(true);
    // Shown when books are found.
    m_ui->lblBooks->hide();
    m_ui->lstBooks->hide();
    m_ui->txtFolder->setPlaceholderText(firstrun::defaultContactsFolder());
    setValues(m_ui->cmbSmtpSecurity, {QStringLiteral("starttls"), QStringLiteral("tls"), QStringLiteral("none")});
    setValues(m_ui->cmbImapSecurity, {QStringLiteral("tls"), QStringLiteral("starttls"), QStringLiteral("none")});

    // The box inside the shortcut editor, which screen readers reach, carries its name too; its
    // clear button is named as every picture button is.
    for (QLineEdit* inner : m_ui->txtSummonKey->findChildren<QLineEdit*>())
        inner->setAccessibleName(m_ui->txtSummonKey->accessibleName());
    for (QAbstractButton* clear : m_ui->txtSummonKey->findChildren<QAbstractButton*>()) {
        clear->setObjectName(QStringLiteral("cmdClearSummonKey"));
        clear->setAccessibleName(QCoreApplication::translate("SetupWindow", "No shortcut"));
        clear->setToolTip(QCoreApplication::translate("SetupWindow", "No shortcut"));
    }

    for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{
             m_ui->optVCardFolder, m_ui->optCardDav, m_ui->optEds, m_ui->optLdap, m_ui->optSendmail, m_ui->optSmtp,
             m_ui->optMailFolder, m_ui->optMailClient, m_ui->chkSaveSentCopy})
        connect(option, &QAbstractButton::toggled, this, &SetupWindow::updateEnabled);
    connect(m_ui->cmbSmtpSecurity, &QComboBox::currentIndexChanged, this, &SetupWindow::updateEnabled);
    connect(m_ui->txtLdapBindDn, &QLineEdit::textChanged, this, &SetupWindow::updateEnabled);
    connect(m_ui->cmbImapSecurity, &QComboBox::currentIndexChanged, this, &SetupWindow::updateEnabled);
    // What the bar keeps about the contacts used: where, in the tool tip, and a way to forget it.
    m_ui->cmdClearUse->setToolTip(
        QCoreApplication::translate("SetupWindow", "Forgets which contacts you acted on through the bar and how often "
                                                   "(kept in %1, used only to put them first among the matches)")
            .arg(ContactUse::standardFile()));
    connect(m_ui->cmdClearUse, &QAbstractButton::clicked, this, [this] {
        ContactUse use(ContactUse::standardFile());
        if (!use.clear())
            MessageBox::show(this, kTitle,
                             QCoreApplication::translate("SetupWindow", "%1 cannot be removed.").arg(use.file()),
                             MessageBox::Icon::Warning);
        else
            m_ui->cmdClearUse->setEnabled(false);
    });
    connect(m_ui->cmdChooseFolder, &QAbstractButton::clicked, this, &SetupWindow::chooseFolder);
    connect(m_ui->cmdImportVcf, &QAbstractButton::clicked, this, &SetupWindow::chooseImportFile);
    connect(m_ui->cmdTestConnection, &QAbstractButton::clicked, this, [this] {
        runCheck(m_ui->cmdTestConnection, m_ui->lblAddressBookResult,
                 m_ui->optLdap->isChecked() ? Check::Ldap : Check::CardDav);
    });
    connect(m_ui->cmdSendTest, &QAbstractButton::clicked, this,
            [this] { runCheck(m_ui->cmdSendTest, m_ui->lblMailResult, Check::SendTest); });
    connect(m_ui->cmdTestImap, &QAbstractButton::clicked, this,
            [this] { runCheck(m_ui->cmdTestImap, m_ui->lblImapResult, Check::Imap); });
    connect(m_ui->cmdSave, &QAbstractButton::clicked, this, &SetupWindow::save);
    connect(m_ui->cmdCancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

void SetupWindow::fitScreen()
{
    // Each page as large as its choices need, the window as large as the largest page; never
    // beyond the screen (its panels and a title bar kept free).
    // Fields shown or hidden before the window was first shown leave the sizes the layouts keep
    // of their widgets stale.
    for (QWidget* w : findChildren<QWidget*>())
        w->updateGeometry();
    for (QLayout* l : findChildren<QLayout*>())
        l->invalidate();
    layout()->activate();
    const QSize wanted = sizeHint().expandedTo(minimumSizeHint());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(20, 40) : wanted;
    resize(wanted.boundedTo(room));
}

QString SetupWindow::folderForImport() const
{
    const QString folder = m_ui->txtFolder->text().trimmed();
    return folder.isEmpty() ? firstrun::defaultContactsFolder() : folder;
}

void SetupWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QCoreApplication::translate("SetupWindow", "Address-book folder"), folderForImport());
    if (!folder.isEmpty())
        m_ui->txtFolder->setText(folder);
}

void SetupWindow::chooseImportFile()
{
    const QString file = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("SetupWindow", "Import a .vcf file"), QDir::homePath(),
        QCoreApplication::translate("SetupWindow", "vCard files (*.vcf *.vcard);;All files (*)"));
    if (!file.isEmpty())
        importFile(file);
}

void SetupWindow::importFile(const QString& vcfFile)
{
    const QString folder = folderForImport();
    if (QDir::isRelativePath(folder)) {
        MessageBox::show(this, kTitle,
                         QCoreApplication::translate("SetupWindow",
                                                     "The address-book folder must be a full path (starting with /)."),
                         MessageBox::Icon::Warning);
        return;
    }
    const ImportResult result = importVcfFile(vcfFile, folder);
    m_ui->lblAddressBookResult->setText(result.summary());
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
    QLineEdit* typed = check == Check::CardDav ? m_ui->txtCardDavPassword
                       : check == Check::Ldap  ? m_ui->txtLdapPassword
                       : check == Check::Imap  ? m_ui->txtImapPassword
                                               : m_ui->txtSmtpPassword;
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
    m_ui->lstEdsBooks->clear();
    if (found.books.isEmpty())
        m_ui->lstEdsBooks->addItem(found.problem);
    const QStringList chosen = m_edsBooks.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const DesktopBook& b : found.books) {
        const QString count =
            b.contacts < 0    ? QCoreApplication::translate("SetupWindow", "cannot be read: %1").arg(b.problem)
            : b.contacts == 1 ? QCoreApplication::translate("SetupWindow", "1 contact")
                              : QCoreApplication::translate("SetupWindow", "%1 contacts").arg(b.contacts);
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(b.name, count), m_ui->lstEdsBooks);
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
    if (matchsetting::showMatches(m_store) == m_ui->chkShowMatches->isChecked())
        return;
    try {
        matchsetting::setShowMatches(m_store, m_ui->chkShowMatches->isChecked());
    } catch (const contactclient::AutomationError& e) {
        MessageBox::show(this, kTitle, e.description(), MessageBox::Icon::Warning);
    }
}

void SetupWindow::setFoundBooks(const QList<FoundBook>& found, const QStringList& ticked)
{
    m_ui->lstBooks->clear();
    QStringList order = m_books;
    for (const QString& spec : ticked)
        if (!order.contains(spec))
            order.append(spec);
    auto add = [this](const QString& spec, const QString& text, bool checked) {
        auto* row = new QListWidgetItem(text, m_ui->lstBooks);
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
    m_ui->lblBooks->setVisible(m_ui->lstBooks->count() > 0);
    m_ui->lstBooks->setVisible(m_ui->lstBooks->count() > 0);
    // Books to read are ticked: Enter keeps them rather than making a new local folder.
    if (!order.isEmpty() && m_ui->cmdSave)
        m_ui->cmdSave->setDefault(true);
}

void SetupWindow::useLocal()
{
    const QString error = firstrun::useLocalAddressBook(m_store);
    if (!error.isEmpty()) {
        MessageBox::show(this, kTitle, error, MessageBox::Icon::Warning);
        return;
    }
    if (m_ui->chkAutostart->isChecked() != autostart::isEnabled()) {
        const QString autostartError = autostart::setEnabled(m_ui->chkAutostart->isChecked(), m_barProgram);
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
