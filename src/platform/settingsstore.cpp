#include "settingsstore.h"

#include "contactclient/errors.h"
#include "safefile.h"
#include "settingsformat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>

namespace {

// A settings file is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxSettingsFile = 4LL * 1024 * 1024;

QString defaultFileName(const QString& application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + application +
           QLatin1Char('/') + application + QStringLiteral(".conf");
}

} // namespace

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(const QString& fileName) : m_fileName(fileName) {}

QSettingsStore::~QSettingsStore() = default;

QSettings* QSettingsStore::settingsFor(const QString& application) const
{
    if (m_application.isNull() || m_application != application) {
        m_application = application;
        m_unusable.clear();
        m_settings.reset();
        m_path = m_fileName.isEmpty() ? defaultFileName(application) : m_fileName;
        // The file is looked at before QSettings opens it (QSettings reads it at once): a FIFO
        // would block the start, a device be read without end. A link to a regular file (a dotfile
        // manager's) is fine.
        QString why;
        int error = 0;
        safefile::FileInfo info;
        const QString target = QFileInfo(m_path).canonicalFilePath();
        const safefile::Fd fd = target.isEmpty() ? safefile::Fd()
                                                 : safefile::openRegularFile(-1, QFile::encodeName(target),
                                                                             kMaxSettingsFile, &info, &why, &error);
        if (!target.isEmpty() && !fd.isOpen()) {
            m_unusable = QStringLiteral("The settings file %1 is not used: %2.").arg(m_path, why);
            qWarning("%s", qPrintable(m_unusable));
            return nullptr;
        }
        m_settings = std::make_unique<QSettings>(m_path, settingsformat::format());
        (void)m_settings->allKeys(); // the file is read by now
        if (m_settings->status() == QSettings::FormatError)
            keepAside();
    }
    return m_settings.get();
}

void QSettingsStore::keepAside() const
{
    const QString& path = m_path;
    // What cannot be parsed is not thrown away: it is kept beside a fresh file, and said so.
    QString aside = path + QStringLiteral(".unreadable");
    if (QFileInfo::exists(aside))
        aside += QLatin1Char('-') + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    m_settings.reset();
    if (!QFile::rename(path, aside)) {
        m_unusable = QStringLiteral("The settings file %1 cannot be read, and cannot be kept aside.").arg(path);
        return;
    }
    m_notice =
        QStringLiteral("The settings file %1 could not be read; it was kept as %2 and the settings start afresh.")
            .arg(path, aside);
    qWarning("%s", qPrintable(m_notice));
    m_settings = std::make_unique<QSettings>(path, settingsformat::format());
}

QString QSettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                   const QString& defaultValue) const
{
    QSettings* settings = settingsFor(application);
    if (!settings)
        return defaultValue;
    const QVariant value = settings->value(section + QLatin1Char('/') + key);
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
    QSettings* settings = settingsFor(application);
    if (!settings)
        throw contactclient::AutomationError(contactclient::errStoreUnavailable,
                                             m_unusable + QStringLiteral(" The settings were not saved."));
    for (const Value& v : values)
        settings->setValue(v.section + QLatin1Char('/') + v.key, v.value);
    settings->sync();
    if (settings->status() != QSettings::NoError)
        throw contactclient::AutomationError(
            contactclient::errStoreUnavailable,
            QStringLiteral("The settings file %1 cannot be written.").arg(settings->fileName()));
}

QString QSettingsStore::fileName() const
{
    settingsFor(m_application.isNull() ? QStringLiteral("Quintel") : m_application);
    return m_path;
}

QString QSettingsStore::notice() const
{
    settingsFor(m_application.isNull() ? QStringLiteral("Quintel") : m_application);
    return m_unusable.isEmpty() ? m_notice : m_unusable;
}
