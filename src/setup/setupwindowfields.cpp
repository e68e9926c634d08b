// The set-up window's fields: which are open for the choices made, and the fields as settings and
// back. The rest of the window's wiring is in setupwindow.cpp.

#include "setupwindow.h"

#include "contactclient/clientconfig.h"
#include "mail/mailaccount.h"
#include "ui_setupwindow.h"

#include <QCoreApplication>
#include <QFormLayout>

namespace setup {

namespace {

// Shows or hides every label and field of a form.
void showRows(QFormLayout* form, bool shown)
{
    for (int i = 0; i < form->count(); ++i)
        if (QWidget* w = form->itemAt(i)->widget())
            w->setVisible(shown);
}

} // namespace

void SetupWindow::updateEnabled()
{
    const bool carddav = m_ui->optCardDav->isChecked();
    const bool folder = m_ui->optVCardFolder->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_ui->txtFolder), static_cast<QWidget*>(m_ui->cmdChooseFolder)})
        w->setEnabled(folder);
    m_ui->lstEdsBooks->setEnabled(m_ui->optEds->isChecked() && !m_desktopBooks.isEmpty());
    for (QWidget* w : {m_ui->txtCardDavUrl, m_ui->txtCardDavUser, m_ui->txtCardDavPassword})
        w->setEnabled(carddav);
    const bool ldap = m_ui->optLdap->isChecked();
    for (QWidget* w : {m_ui->txtLdapUrl, m_ui->txtLdapBaseDn, m_ui->txtLdapBindDn})
        w->setEnabled(ldap);
    // An anonymous reader has no password.
    m_ui->txtLdapPassword->setEnabled(ldap && !m_ui->txtLdapBindDn->text().trimmed().isEmpty());
    m_ui->cmdTestConnection->setEnabled((carddav || ldap) && m_running == 0);
    // Only the chosen kind of address book shows its fields: the page stays short enough for a
    // small screen, and what is shown is what is used.
    showRows(m_ui->layCardDav, carddav);
    showRows(m_ui->layLdap, ldap);
    m_ui->lstEdsBooks->setVisible(m_ui->optEds->isChecked());
    m_ui->cmdTestConnection->setVisible(carddav || ldap);
    // Import always goes into a local folder: with another address book chosen there is none.
    m_ui->cmdImportVcf->setEnabled(folder);

    const bool smtpChosen = m_ui->optSmtp->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_ui->txtSmtpHost), static_cast<QWidget*>(m_ui->txtSmtpPort),
                       static_cast<QWidget*>(m_ui->cmbSmtpSecurity), static_cast<QWidget*>(m_ui->txtSmtpUser),
                       static_cast<QWidget*>(m_ui->txtSmtpPassword)})
        w->setEnabled(smtpChosen);
    m_ui->cmdSendTest->setEnabled(!m_ui->optMailFolder->isChecked() && !m_ui->optMailClient->isChecked() &&
                                  m_running == 0);
    for (QWidget* w : {static_cast<QWidget*>(m_ui->txtMailFrom), static_cast<QWidget*>(m_ui->txtMailFromName)})
        w->setEnabled(!m_ui->optMailClient->isChecked());
    // What choosing your own mail program means is told only while it is chosen.
    m_ui->lblMailClientHint->setVisible(m_ui->optMailClient->isChecked());
    // The copy in Sent is made for mail sent through SMTP; a mail program keeps its own.
    m_ui->chkSaveSentCopy->setEnabled(smtpChosen);
    const bool imap = smtpChosen && m_ui->chkSaveSentCopy->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_ui->txtImapHost), static_cast<QWidget*>(m_ui->txtImapPort),
                       static_cast<QWidget*>(m_ui->cmbImapSecurity), static_cast<QWidget*>(m_ui->txtImapUser),
                       static_cast<QWidget*>(m_ui->txtImapPassword)})
        w->setEnabled(imap);
    m_ui->cmdTestImap->setEnabled(imap && m_running == 0);
    m_ui->txtImapPort->setSpecialValueText(
        QCoreApplication::translate("SetupWindow", "usual port (%1)")
            .arg(SetupSettings::defaultImapPort(m_ui->cmbImapSecurity->currentData().toString())));
    m_ui->txtSmtpPort->setSpecialValueText(
        QCoreApplication::translate("SetupWindow", "usual port (%1)")
            .arg(SetupSettings::defaultPort(m_ui->cmbSmtpSecurity->currentData().toString())));
}

SetupInput SetupWindow::input() const
{
    SetupInput in;
    SetupSettings& s = in.settings;
    s.addressBook = m_ui->optCardDav->isChecked() ? SetupSettings::AddressBook::CardDav
                    : m_ui->optEds->isChecked()   ? SetupSettings::AddressBook::Eds
                    : m_ui->optLdap->isChecked()  ? SetupSettings::AddressBook::Ldap
                                                  : SetupSettings::AddressBook::VCardFolder;
    s.edsBooks = m_edsBooks;
    if (!m_desktopBooks.isEmpty()) {
        QList<bool> ticked;
        for (int i = 0; i < m_ui->lstEdsBooks->count(); ++i)
            ticked.append(m_ui->lstEdsBooks->item(i)->checkState() == Qt::Checked);
        s.edsBooks = bookSetting(m_desktopBooks, ticked);
    }
    s.folder = m_ui->txtFolder->text().trimmed();
    s.cardDavUrl = m_ui->txtCardDavUrl->text().trimmed();
    s.cardDavUser = m_ui->txtCardDavUser->text().trimmed();
    s.cardDavAddressBook = m_cardDavAddressBook;
    s.ldapUrl = m_ui->txtLdapUrl->text().trimmed();
    s.ldapBaseDn = m_ui->txtLdapBaseDn->text().trimmed();
    s.ldapBindDn = m_ui->txtLdapBindDn->text().trimmed();
    s.ldapFilter = m_ldapFilter;
    s.ldapCaFile = m_ldapCaFile;
    s.ldapStartTlsHere = m_ldapStartTlsHere;
    in.ldapPassword = s.ldapBindDn.isEmpty() ? QString() : m_ui->txtLdapPassword->text();
    s.books = m_books;
    if (m_ui->lstBooks->count() > 0) {
        s.books.clear();
        for (int i = 0; i < m_ui->lstBooks->count(); ++i)
            if (m_ui->lstBooks->item(i)->checkState() == Qt::Checked)
                s.books.append(m_ui->lstBooks->item(i)->data(Qt::UserRole).toString());
    }
    s.mail = m_ui->optSmtp->isChecked()         ? SetupSettings::Mail::Smtp
             : m_ui->optMailFolder->isChecked() ? SetupSettings::Mail::Folder
             : m_ui->optMailClient->isChecked() ? SetupSettings::Mail::Client
                                                : SetupSettings::Mail::Sendmail;
    s.mailFolder = m_mailFolder;
    s.sendmailPath = m_sendmailPath;
    s.smtpHost = m_ui->txtSmtpHost->text().trimmed();
    s.smtpPort = m_ui->txtSmtpPort->value();
    s.smtpSecurity = m_ui->cmbSmtpSecurity->currentData().toString();
    s.smtpUser = m_ui->txtSmtpUser->text().trimmed();
    s.mailFrom = m_ui->txtMailFrom->text().trimmed();
    s.mailFromName = m_ui->txtMailFromName->text().trimmed();
    in.cardDavPassword = m_ui->txtCardDavPassword->text();
    in.smtpPassword = m_ui->txtSmtpPassword->text();
    s.saveSentCopy = m_ui->chkSaveSentCopy->isChecked();
    s.imapHost = m_ui->txtImapHost->text().trimmed();
    s.imapPort = m_ui->txtImapPort->value();
    s.imapSecurity = m_ui->cmbImapSecurity->currentData().toString();
    s.imapUser = m_ui->txtImapUser->text().trimmed();
    s.imapCaFile = m_imapCaFile;
    in.imapPassword = m_ui->txtImapPassword->text();
    in.autostart = m_ui->chkAutostart->isChecked();
    // One combination: the first the user pressed.
    const QKeySequence keys = m_ui->txtSummonKey->keySequence();
    in.summonShortcut = keys.isEmpty() ? QString() : QKeySequence(keys[0]).toString(QKeySequence::PortableText);
    return in;
}

void SetupWindow::setInput(const SetupInput& in)
{
    const SetupSettings& s = in.settings;
    (s.addressBook == SetupSettings::AddressBook::CardDav ? m_ui->optCardDav
     : s.addressBook == SetupSettings::AddressBook::Eds   ? m_ui->optEds
     : s.addressBook == SetupSettings::AddressBook::Ldap  ? m_ui->optLdap
                                                          : m_ui->optVCardFolder)
        ->setChecked(true);
    m_edsBooks = s.edsBooks;
    m_ui->txtFolder->setText(s.folder);
    m_ui->txtCardDavUrl->setText(s.cardDavUrl);
    m_ui->txtCardDavUser->setText(s.cardDavUser);
    m_cardDavAddressBook = s.cardDavAddressBook;
    m_ui->txtLdapUrl->setText(s.ldapUrl);
    m_ui->txtLdapBaseDn->setText(s.ldapBaseDn);
    m_ui->txtLdapBindDn->setText(s.ldapBindDn);
    m_ui->txtLdapPassword->setText(in.ldapPassword);
    m_ldapFilter = s.ldapFilter;
    m_ldapCaFile = s.ldapCaFile;
    m_ldapStartTlsHere = s.ldapStartTlsHere;
    m_books = s.books;
    m_ui->optMailFolder->setVisible(s.mail == SetupSettings::Mail::Folder);
    switch (s.mail) {
    case SetupSettings::Mail::Smtp:
        m_ui->optSmtp->setChecked(true);
        break;
    case SetupSettings::Mail::Folder:
        m_ui->optMailFolder->setChecked(true);
        break;
    case SetupSettings::Mail::Sendmail:
        m_ui->optSendmail->setChecked(true);
        break;
    case SetupSettings::Mail::Client:
        m_ui->optMailClient->setChecked(true);
        break;
    }
    m_mailFolder = s.mailFolder;
    m_sendmailPath = s.sendmailPath;
    m_ui->txtSmtpHost->setText(s.smtpHost);
    m_ui->txtSmtpPort->setValue(s.smtpPort);
    m_ui->cmbSmtpSecurity->setCurrentIndex(std::max(0, m_ui->cmbSmtpSecurity->findData(s.smtpSecurity)));
    m_ui->txtSmtpUser->setText(s.smtpUser);
    m_ui->txtMailFrom->setText(s.mailFrom);
    m_ui->txtMailFromName->setText(s.mailFromName);
    m_ui->txtCardDavPassword->setText(in.cardDavPassword);
    m_ui->txtSmtpPassword->setText(in.smtpPassword);
    m_ui->chkSaveSentCopy->setChecked(s.saveSentCopy);
    m_ui->txtImapHost->setText(s.imapHost);
    m_ui->txtImapPort->setValue(s.imapPort);
    m_ui->cmbImapSecurity->setCurrentIndex(std::max(0, m_ui->cmbImapSecurity->findData(s.imapSecurity)));
    m_ui->txtImapUser->setText(s.imapUser);
    m_ui->txtImapPassword->setText(in.imapPassword);
    m_imapCaFile = s.imapCaFile;
    m_ui->lblOutbox->setText(outboxState(
        contactclient::clientSetting(m_store, mail::key::OutboxFolder, mail::defaultOutboxFolder()).trimmed()));
    m_ui->chkAutostart->setChecked(in.autostart);
    m_ui->txtSummonKey->setKeySequence(QKeySequence::fromString(in.summonShortcut, QKeySequence::PortableText));
    updateEnabled();
}

} // namespace setup
