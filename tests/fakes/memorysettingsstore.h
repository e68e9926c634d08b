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
    int saves = 0;                 // calls of SaveSetting and SaveSettings

    QString GetSetting(const QString&, const QString& section, const QString& key,
                       const QString& defaultValue) const override
    {
        return values.value(section + QLatin1Char('/') + key, defaultValue);
    }
    void SaveSetting(const QString&, const QString& section, const QString& key, const QString& value) override
    {
        values.insert(section + QLatin1Char('/') + key, value);
        writes.append(section + QLatin1Char('/') + key + QLatin1Char('=') + value);
        ++saves;
    }
    // One save, whatever number of values (a store that fails in SaveSetting fails here too).
    void SaveSettings(const QString& application, const QList<Value>& list) override
    {
        const int before = saves;
        for (const Value& v : list)
            SaveSetting(application, v.section, v.key, v.value);
        saves = before + 1;
    }
};

} // namespace fake
