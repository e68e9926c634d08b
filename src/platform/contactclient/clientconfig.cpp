#include "clientconfig.h"

#include "settingsstore.h"

namespace contactclient {

QString clientSetting(const SettingsStore& store, const QString& key, const QString& defaultValue)
{
    return store.GetSetting(kClientApplication, kClientSection, key, defaultValue);
}

} // namespace contactclient
