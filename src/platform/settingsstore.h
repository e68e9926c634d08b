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
    // Something the user should know about the store (its file could not be read and was kept
    // aside, say); empty when all is well.
    virtual QString notice() const { return {}; }
};

// ~/.config/<application>/<application>.conf through QSettings, one group per section, in a
// format whose values are plain text (settingsformat.h). A file that is not a regular file is
// not used (nothing is saved into it, and saving says so); one that cannot be parsed is kept
// aside as <file>.unreadable, reported by notice(), and the settings start afresh.
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
    QString notice() const override;

private:
    // The QSettings of the application's file; null when the file is not used (m_unusable says why).
    QSettings* settingsFor(const QString& application) const;
    void keepAside() const;
    QString m_fileName;
    mutable QString m_application;
    mutable QString m_path;
    mutable std::unique_ptr<QSettings> m_settings;
    mutable QString m_unusable; // why the file is not used; empty when it is
    mutable QString m_notice;
};
