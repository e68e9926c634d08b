#include "modsettings.h"

#include "settingsstore.h"
#include "window/frmmain.h"

namespace modSettings {

bool checkEmailAddresses = false;
int NumberOfCategories = 0;
QStringList Categories;

namespace {
SettingsStore* s_store = nullptr;
}

void setStore(SettingsStore* store)
{
    s_store = store;
}

SettingsStore& store()
{
    static QSettingsStore defaultStore;
    return s_store ? *s_store : defaultStore;
}

void loadSettings()
{
    checkEmailAddresses = false;
    NumberOfCategories = 4;
    Categories = {QString(), QStringLiteral("All Contacts"), QStringLiteral("Family"), QStringLiteral("Friends"),
                  QStringLiteral("Business")};
}

void saveSettings()
{
    if (frmMain* form = frmMain::instance())
        form->populateCatCombo();
}

bool addCategory(const QString&)
{
    return false;
}

bool deleteCategory(const QString&)
{
    return false;
}

int boolToCheck(bool flag)
{
    return flag ? 1 : 0;
}

} // namespace modSettings
