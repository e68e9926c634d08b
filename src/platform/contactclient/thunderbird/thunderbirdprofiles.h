#pragma once
// Where Thunderbird keeps its address books: the profiles listed in profiles.ini, and in each
// profile abook.sqlite (the personal address book) and abook-N.sqlite (the others). The collected
// addresses (history.sqlite) are not contacts and are never listed.

#include <QString>
#include <QStringList>

namespace contactclient::thunderbird {

// Folders that may hold profiles.ini: ~/.thunderbird, and the Snap and Flatpak ones.
QStringList profileRoots();

// The profile folders profiles.ini lists, the default one first (the install's default, else the
// one marked Default=1), the others in the file's order. Folders that do not exist are left out.
QStringList profileFolders(const QString& root);

// The profiles of every root, defaults first.
QStringList allProfiles();

// The profile's address-book files: abook.sqlite first, then abook-N.sqlite in number order.
QStringList addressBookFiles(const QString& profile);

// The names the user gave the profile's address books (prefs.js), by file name; the personal
// address book is "Personal Address Book" when prefs.js does not name it.
QString addressBookName(const QString& profile, const QString& fileName);

} // namespace contactclient::thunderbird
