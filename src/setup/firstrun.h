#pragma once
// The first start: with nothing configured for the contact client and no address book in the
// default place, the set-up window comes before the bar (as the original client asked for a profile
// at logon). Someone who already keeps a vdir address book in the default folder is not asked.

#include <QString>

class SettingsStore;

namespace firstrun {

// The default address-book folder: $XDG_DATA_HOME/contacts, else ~/.local/share/contacts.
QString defaultContactsFolder();

// True when no key of the contact client's section holds a value.
bool nothingConfigured(const SettingsStore& store);

// True when the set-up window must come before the bar.
bool needsSetup(const SettingsStore& store, const QString& defaultFolder = defaultContactsFolder());

// "Use a local address book": creates the folder and writes Backend=vcard (and Folder when it is not
// the default one). Returns an error text, empty on success.
QString useLocalAddressBook(SettingsStore& store, const QString& folder = defaultContactsFolder());

// The first start with nothing configured and no address book in the default folder: when the
// desktop's address book (GNOME) holds contacts, it is used without asking (Backend=eds) and the
// line to show once on the status line is returned; empty otherwise. Waits for the desktop's
// address book at most a few seconds.
QString useDesktopAddressBook(SettingsStore& store);

} // namespace firstrun
