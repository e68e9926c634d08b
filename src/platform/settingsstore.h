#pragma once
// The per-user settings store: text values addressed by application, section and key.

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
    QString fileName() const;

private:
    QSettings& settingsFor(const QString& application) const;
    QString m_fileName;
    mutable QString m_application;
    mutable std::unique_ptr<QSettings> m_settings;
};
