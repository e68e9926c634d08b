#pragma once
// The bar's persisted settings apart from the window placement: the category list and the
// e-mail preference. One instance for the run, read and written in place by the bar and the
// options dialog.

#include <QString>
#include <QStringList>

class SettingsStore;

namespace modSettings {

inline const QString kApplication = QStringLiteral("Quintel");

extern bool checkEmailAddresses;
extern int NumberOfCategories;
// Entries 1 … NumberOfCategories are the names in list order; entry 0 is never used.
extern QStringList Categories;

// The store every read and write goes to; main() and tests set it.
void setStore(SettingsStore* store);
SettingsStore& store();

void loadSettings();
void saveSettings();
bool addCategory(const QString& name);
bool deleteCategory(const QString& name);
int boolToCheck(bool flag);

} // namespace modSettings
