#pragma once
// The bar's persisted settings apart from the window placement: the category list and the
// e-mail preference. One object for the run, made by main() over the settings store and handed
// to the parts that read it (the bar's category selector and action buttons, the options
// dialog), which read and write it in place.
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

class modSettings : public QObject {
    Q_OBJECT

public:
    // Every read and write goes to the store, which outlives the settings.
    explicit modSettings(SettingsStore& store, QObject* parent = nullptr);

    static inline const QString kApplication = QStringLiteral("Quintel");
    static inline const QString kAllContacts = QStringLiteral("All Contacts");
    // Adding stops once the list holds this many names; loading takes whatever the store holds
    // (up to settingsvalues::kMaxLoadedCategories).
    static constexpr int kMaxAddedCategories = 14;

    bool checkEmailAddresses = false;
    int NumberOfCategories = 0;
    // Entries 1 … NumberOfCategories are the names in list order; entry 0 is never used.
    QStringList Categories;

    SettingsStore& store() const { return m_store; }

    // Replaces the in-memory state with the store's; a first run gets the default list
    // ("All Contacts", "Family", "Friends", "Business"), in memory only.
    void loadSettings();
    // Writes the flag, the count and the names 1 … N as one change, then emits saved() (the bar
    // refills its category selector, when it is still open).
    void saveSettings();
    // Appends the name unless the list already holds kMaxAddedCategories names.
    bool addCategory(const QString& name);
    // Removes the entry of that exact name, else the first whose name differs only in letter case.
    // Refuses (false) when there is none or the entry found is the protected "All Contacts".
    bool deleteCategory(const QString& name);
    static int boolToCheck(bool flag);

signals:
    // The settings were written to the store.
    void saved();

private:
    void resize(int count);

    SettingsStore& m_store;
};
