#pragma once
// The bar's persisted settings apart from the window placement: the category list and the
// e-mail preference. One instance for the run, read and written in place by the bar and the
// options dialog.
//
// Store layout (application "Quintel"):
//   Settings/checkEmailAddresses  "True" or "False"
//   Settings/NumberOfCategories   N, decimal
//   Categories/1 … Categories/N   the names in list order, exactly as typed
// Keys above N that a longer list wrote earlier stay in the store and are never read.

#include <QObject>
#include <QString>
#include <QStringList>

class SettingsStore;

namespace modSettings {

// Tells whoever shows the settings (the bar's category selector) that they were saved.
class Notifier : public QObject {
    Q_OBJECT

signals:
    void saved();
};
Notifier& notifier();

inline const QString kApplication = QStringLiteral("Quintel");
inline const QString kAllContacts = QStringLiteral("All Contacts");
// Adding stops once the list holds this many names; loading takes whatever the store holds
// (up to settingsvalues::kMaxLoadedCategories).
inline constexpr int kMaxAddedCategories = 14;

extern bool checkEmailAddresses;
extern int NumberOfCategories;
// Entries 1 … NumberOfCategories are the names in list order; entry 0 is never used.
extern QStringList Categories;

// The store every read and write goes to; main() and tests set it.
void setStore(SettingsStore* store);
SettingsStore& store();

// Replaces the in-memory state with the store's; a first run gets the default list
// ("All Contacts", "Family", "Friends", "Business"), in memory only.
void loadSettings();
// Writes the flag, the count and the names 1 … N as one change, then emits notifier().saved()
// (the bar refills its category selector, when it is still open).
void saveSettings();
// Appends the name unless the list already holds kMaxAddedCategories names.
bool addCategory(const QString& name);
// Removes the entry of that exact name, else the first whose name differs only in letter case.
// Refuses (false) when there is none or the entry found is the protected "All Contacts".
bool deleteCategory(const QString& name);
int boolToCheck(bool flag);

} // namespace modSettings
