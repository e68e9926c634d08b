#pragma once
// The contact client's own configuration: which address book and which mail account. It lives in
// its own section of the settings store, apart from the bar's settings.

#include <QString>

class SettingsStore;

namespace contactclient {

inline const QString kClientApplication = QStringLiteral("Quintel");
inline const QString kClientSection = QStringLiteral("ContactClient");

// Reads one key of the section; the default when it is missing.
QString clientSetting(const SettingsStore& store, const QString& key, const QString& defaultValue = {});

} // namespace contactclient
