#include "modsettings.h"

#include "settings/settingsvalues.h"
#include "settingsstore.h"

#include <memory>

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kCategories = QStringLiteral("Categories");
const QString kCheckEmailAddresses = QStringLiteral("checkEmailAddresses");
const QString kNumberOfCategories = QStringLiteral("NumberOfCategories");
const QString kUnnamed = QStringLiteral("<Unnamed>");

QString get(const SettingsStore& from, const QString& section, const QString& key, const QString& defaultValue)
{
    return from.GetSetting(modSettings::kApplication, section, key, defaultValue);
}

// A settings file is read when it is opened and its values are kept from then on, so a file
// edited since (by hand, by Quintel Setup, by a second Quintel) would go unseen and be written
// over by the next save. Loading reads such a file afresh.
std::unique_ptr<SettingsStore> freshReader(const SettingsStore& store)
{
    if (const auto* file = dynamic_cast<const QSettingsStore*>(&store))
        return std::make_unique<QSettingsStore>(file->fileName());
    return nullptr;
}

} // namespace

modSettings::modSettings(SettingsStore& store, QObject* parent) : QObject(parent), m_store(store) {}

// Entry 0 is a placeholder, so that entry i is the i-th name.
void modSettings::resize(int count)
{
    Categories.resize(count + 1);
}

void modSettings::loadSettings()
{
    const std::unique_ptr<SettingsStore> fresh = freshReader(m_store);
    const SettingsStore& from = fresh ? *fresh : m_store;
    checkEmailAddresses =
        settingsvalues::flag(get(from, kSettings, kCheckEmailAddresses, settingsvalues::flagText(false)));
    NumberOfCategories = settingsvalues::categoryCount(get(from, kSettings, kNumberOfCategories, QStringLiteral("0")));
    Categories.clear();
    if (NumberOfCategories == 0) {
        NumberOfCategories = 4;
        Categories = {QString(), kAllContacts, QStringLiteral("Family"), QStringLiteral("Friends"),
                      QStringLiteral("Business")};
        return;
    }
    Categories.reserve(NumberOfCategories + 1);
    Categories.append(QString());
    for (int i = 1; i <= NumberOfCategories; ++i)
        Categories.append(get(from, kCategories, QString::number(i), kUnnamed));
}

void modSettings::saveSettings()
{
    QList<SettingsStore::Value> values;
    values.append({kSettings, kCheckEmailAddresses, settingsvalues::flagText(checkEmailAddresses)});
    values.append({kSettings, kNumberOfCategories, QString::number(NumberOfCategories)});
    for (int i = 1; i <= NumberOfCategories; ++i)
        values.append({kCategories, QString::number(i), Categories.value(i)});
    m_store.SaveSettings(kApplication, values);
    emit saved();
}

bool modSettings::addCategory(const QString& name)
{
    if (NumberOfCategories >= kMaxAddedCategories)
        return false;
    ++NumberOfCategories;
    resize(NumberOfCategories);
    Categories[NumberOfCategories] = name;
    return true;
}

bool modSettings::deleteCategory(const QString& name)
{
    // The exact name first, so that a user's "ALL CONTACTS" can go while "All Contacts" stays.
    int idx = 0;
    for (int i = 1; i <= NumberOfCategories && idx == 0; ++i) {
        if (Categories.value(i) == name)
            idx = i;
    }
    const QString upper = name.toUpper();
    for (int i = 1; i <= NumberOfCategories && idx == 0; ++i) {
        if (Categories.value(i).toUpper() == upper)
            idx = i;
    }
    if (idx == 0 || Categories.value(idx) == kAllContacts)
        return false;
    Categories.removeAt(idx);
    --NumberOfCategories;
    resize(NumberOfCategories);
    return true;
}

int modSettings::boolToCheck(bool flag)
{
    return flag ? 1 : 0;
}
