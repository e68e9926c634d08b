#pragma once
// Saving the set-up: the contact client's section, the passwords in the keyring, the autostart entry,
// the summon shortcut.

#include "setup/setupsettings.h"
#include "window/summonkeys.h"

#include <QString>
#include <QStringList>

class SettingsStore;

namespace setup {

class Keyring;

struct SetupInput {
    SetupSettings settings;
    QString cardDavPassword; // empty: the keyring keeps what it has
    QString smtpPassword;
    QString imapPassword;
    QString ldapPassword; // kept only with a bind DN: an anonymous reader has none
    bool autostart = false;
    QString summonShortcut = summon::defaultShortcut(); // empty: no summon shortcut
};

struct ApplyOutcome {
    QString error;        // nothing was saved
    QStringList warnings; // saved, but something beside the settings did not work
    bool saved() const { return error.isEmpty(); }
};

// What the window shows when it opens: the section as stored and whether autostart is on.
SetupInput currentSetup(const SettingsStore& store);

ApplyOutcome applySetup(const SetupInput& input, SettingsStore& store, Keyring& keyring, const QString& barProgram);

} // namespace setup
