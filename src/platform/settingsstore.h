#pragma once
// The per-user settings store: text values addressed by application, section and key.

#include <QList>
#include <QString>

#include <memory>

class QSettings;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString GetSetting(const QString& application, const QString& section, const QString& key,
                               const QString& defaultValue) const = 0;
    virtual void SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;

    struct Value {
        QString section;
        QString key;
        QString value;
    };
    // Writes several values as one change: in a file, one write of the whole file, so a failure
    // leaves the file as it was before rather than half changed. Throws as SaveSetting does.
    virtual void SaveSettings(const QString& application, const QList<Value>& values)
    {
        for (const Value& v : values)
            SaveSetting(application, v.section, v.key, v.value);
    }
};

// QSettings in the user scope: ~/.config/<application>/<application>.conf, one group per section.
class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();
    // A store kept in the given file (tests, tools).
    explicit QSettingsStore(const QString& fileName);
    ~QSettingsStore() override;

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) const override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
    void SaveSettings(const QString& application, const QList<Value>& values) override;
    QString fileName() const;

private:
    QSettings& settingsFor(const QString& application) const;
    QString m_fileName;
    mutable QString m_application;
    mutable std::unique_ptr<QSettings> m_settings;
};
