#pragma once
// A settings store in memory, with every write logged.

#include "settingsstore.h"

#include <QMap>
#include <QStringList>

namespace fake {

class MemorySettingsStore : public SettingsStore {
public:
    QMap<QString, QString> values; // "Section/Key" -> text
    QStringList writes;            // "Section/Key=value", in order

    QString GetSetting(const QString&, const QString& section, const QString& key,
                       const QString& defaultValue) const override
    {
        return values.value(section + QLatin1Char('/') + key, defaultValue);
    }
    void SaveSetting(const QString&, const QString& section, const QString& key, const QString& value) override
    {
        values.insert(section + QLatin1Char('/') + key, value);
        writes.append(section + QLatin1Char('/') + key + QLatin1Char('=') + value);
    }
};

} // namespace fake
