#include "settingsstore.h"

#include "contactclient/errors.h"

#include <QSettings>

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(const QString& fileName) : m_fileName(fileName) {}

QSettingsStore::~QSettingsStore() = default;

QSettings& QSettingsStore::settingsFor(const QString& application) const
{
    if (!m_settings || m_application != application) {
        m_application = application;
        m_settings =
            m_fileName.isEmpty()
                // NativeFormat is the same INI text on Linux, kept in <application>.conf
                // (IniFormat would name the file .ini).
                ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application, application)
                : std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
    }
    return *m_settings;
}

QString QSettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                   const QString& defaultValue) const
{
    const QVariant value = settingsFor(application).value(section + QLatin1Char('/') + key);
    // A value written by hand with commas in it (a directory's "dc=example,dc=com") comes back from
    // the file as a list: it reads as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    // Any other value that is not text reads as its text form or the default.
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString();
}

void QSettingsStore::SaveSetting(const QString& application, const QString& section, const QString& key,
                                 const QString& value)
{
    SaveSettings(application, {{section, key, value}});
}

void QSettingsStore::SaveSettings(const QString& application, const QList<Value>& values)
{
    QSettings& settings = settingsFor(application);
    for (const Value& v : values)
        settings.setValue(v.section + QLatin1Char('/') + v.key, v.value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw contactclient::AutomationError(
            contactclient::errStoreUnavailable,
            QStringLiteral("The settings file %1 cannot be written.").arg(settings.fileName()));
}

QString QSettingsStore::fileName() const
{
    return settingsFor(QStringLiteral("Quintel")).fileName();
}
