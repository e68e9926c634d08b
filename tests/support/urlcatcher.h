#pragma once
// Catches the URLs the program hands to the desktop (QDesktopServices::setUrlHandler), for the
// offscreen platform that cannot open any. The desktop that is asked first whether a program
// takes the scheme (xdg-mime) sees private folders, with a program registered for the schemes
// or none, or cannot be asked at all.

#include "urlhandler.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QList>
#include <QObject>
#include <QTemporaryDir>
#include <QUrl>

#include <optional>

class UrlCatcher : public QObject {
    Q_OBJECT

public:
    enum class Desktop { Registered, NoProgram, CannotAsk };

    explicit UrlCatcher(const QStringList& schemes, Desktop desktop = Desktop::Registered) : m_schemes(schemes)
    {
        const QString data = m_dir.filePath(QStringLiteral("data"));
        const QString config = m_dir.filePath(QStringLiteral("config"));
        QDir().mkpath(config);
        setEnv("XDG_DATA_HOME", data);
        setEnv("XDG_CONFIG_HOME", config);
        setEnv("XDG_DATA_DIRS", m_dir.filePath(QStringLiteral("system-data")));
        setEnv("XDG_CONFIG_DIRS", m_dir.filePath(QStringLiteral("system-config")));
        for (const char* name :
             {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "BROWSER"})
            setEnv(name, std::nullopt);
        if (desktop == Desktop::CannotAsk)
            setEnv("PATH", m_dir.filePath(QStringLiteral("no-programs")));
        if (desktop == Desktop::Registered)
            testsupport::registerUrlHandler(data, config, QStringLiteral("quintel-catcher.desktop"), "/bin/true",
                                            m_schemes);
        for (const QString& s : m_schemes)
            QDesktopServices::setUrlHandler(s, this, "handle");
    }
    ~UrlCatcher() override
    {
        for (const QString& s : m_schemes)
            QDesktopServices::unsetUrlHandler(s);
        for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
            if (it->second)
                qputenv(it->first, *it->second);
            else
                qunsetenv(it->first);
        }
    }
    QList<QUrl> urls;

public slots:
    void handle(const QUrl& url) { urls.append(url); }

private:
    void setEnv(const char* name, const std::optional<QString>& value)
    {
        m_saved.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        if (value)
            qputenv(name, value->toUtf8());
        else
            qunsetenv(name);
    }
    QTemporaryDir m_dir;
    QStringList m_schemes;
    QList<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};
