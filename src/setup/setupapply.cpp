#include "setupapply.h"

#include "contactclient/errors.h"
#include "setup/autostart.h"
#include "setup/firstrun.h"
#include "setup/keyring.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace setup {
namespace {

// The folder of a vCard address book just saved. The default one is made here, on the user's word;
// any other folder that is not there is only said (the bar does not make it either: a mistyped
// path would become an empty address book). Empty when all is well.
QString prepareFolder(const SetupSettings& s)
{
    if (s.addressBook != SetupSettings::AddressBook::VCardFolder || !s.books.isEmpty())
        return {};
    const QString folder =
        s.folder.trimmed().isEmpty() ? firstrun::defaultContactsFolder() : QDir::cleanPath(s.folder.trimmed());
    if (QFileInfo(folder).isDir())
        return {};
    if (folder == firstrun::defaultContactsFolder()) {
        if (QDir().mkpath(folder))
            return {};
        return QCoreApplication::translate("SetupWindow", "The folder %1 cannot be created.").arg(folder);
    }
    return QCoreApplication::translate("SetupWindow",
                                       "The folder %1 does not exist: the bar shows no contacts until it does. "
                                       "Choose an existing folder, or make this one.")
        .arg(folder);
}

} // namespace

SetupInput currentSetup(const SettingsStore& store)
{
    SetupInput input;
    input.settings = SetupSettings::load(store);
    input.autostart = autostart::isEnabled();
    input.summonShortcut = summon::shortcut(store);
    return input;
}

ApplyOutcome applySetup(const SetupInput& input, SettingsStore& store, Keyring& keyring, const QString& barProgram)
{
    ApplyOutcome outcome;
    const SetupSettings& s = input.settings;
    outcome.error = s.problem();
    if (outcome.error.isEmpty() && !input.summonShortcut.trimmed().isEmpty() &&
        !summon::problem(input.summonShortcut).isEmpty())
        outcome.error = QCoreApplication::translate("SetupWindow", "The summon shortcut %1 cannot be used: %2")
                            .arg(input.summonShortcut.trimmed(), summon::problem(input.summonShortcut));
    if (!outcome.error.isEmpty())
        return outcome;
    try {
        s.save(store);
        summon::setShortcut(store, input.summonShortcut);
    } catch (const contactclient::AutomationError& e) {
        outcome.error = e.description();
        return outcome;
    }

    if (const QString folderWarning = prepareFolder(s); !folderWarning.isEmpty())
        outcome.warnings.append(folderWarning);

    const auto keep = [&](const QString& key, const QString& password, const QString& what) {
        if (password.isEmpty())
            return;
        const QString error = keyring.writePassword(key, password);
        if (!error.isEmpty())
            outcome.warnings.append(
                QCoreApplication::translate("SetupWindow", "The %1 password was not saved: %2 Quintel will ask for it "
                                                           "when it needs it.")
                    .arg(what, error));
    };
    if (s.addressBook == SetupSettings::AddressBook::CardDav)
        keep(cardDavPasswordKey(s.cardDavUser.trimmed(), s.cardDavUrl.trimmed()), input.cardDavPassword,
             QStringLiteral("CardDAV"));
    if (s.addressBook == SetupSettings::AddressBook::Ldap && !s.ldapBindDn.trimmed().isEmpty())
        keep(ldapPasswordKey(s.ldapBindDn, s.ldapUrl), input.ldapPassword, QStringLiteral("directory"));
    if (s.mail == SetupSettings::Mail::Smtp)
        keep(smtpPasswordKey(s.smtpUser.trimmed(), s.smtpHost.trimmed()), input.smtpPassword, QStringLiteral("mail"));
    if (s.mail == SetupSettings::Mail::Smtp && s.saveSentCopy)
        keep(imapPasswordKey(s.imapUser.trimmed(), s.imapHost.trimmed()), input.imapPassword, QStringLiteral("IMAP"));

    if (input.autostart != autostart::isEnabled()) {
        const QString error = autostart::setEnabled(input.autostart, barProgram);
        if (!error.isEmpty())
            outcome.warnings.append(error);
    }
    return outcome;
}

} // namespace setup
