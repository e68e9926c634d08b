#pragma once
// A desktop's URL handler for tests: a script registered with xdg-mime, in a throw-away
// XDG_DATA_HOME and XDG_CONFIG_HOME, for the schemes given. Every URL xdg-open hands it is
// appended, one per line, to handled.txt in the folder.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testsupport {

inline bool writeFile(const QString& path, const QByteArray& data, bool executable = false)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        return false;
    f.close();
    return !executable || f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

class RecordingUrlHandler {
public:
    // Installs the handler under folder for schemes such as "mailto" and "tel". The environment
    // of this process then points xdg-open at it. False when any step failed.
    bool install(const QString& folder, const QStringList& schemes)
    {
        m_log = folder + QStringLiteral("/handled.txt");
        const QString data = folder + QStringLiteral("/data");
        const QString config = folder + QStringLiteral("/config");
        const QString script = folder + QStringLiteral("/handler.sh");
        if (!QDir().mkpath(data + QStringLiteral("/applications")) || !QDir().mkpath(config))
            return false;
        if (!writeFile(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + m_log.toUtf8() + "'\n", true))
            return false;
        QByteArray mimeTypes;
        for (const QString& scheme : schemes)
            mimeTypes += "x-scheme-handler/" + scheme.toUtf8() + ';';
        if (!writeFile(data + QStringLiteral("/applications/quintel-test-handler.desktop"),
                       "[Desktop Entry]\nType=Application\nName=Quintel test handler\nExec=" + script.toUtf8() +
                           " %u\nMimeType=" + mimeTypes + "\nNoDisplay=true\n"))
            return false;
        qputenv("XDG_DATA_HOME", data.toUtf8());
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("BROWSER");
        for (const QString& scheme : schemes) {
            if (QProcess::execute(QStringLiteral("xdg-mime"),
                                  {QStringLiteral("default"), QStringLiteral("quintel-test-handler.desktop"),
                                   QStringLiteral("x-scheme-handler/") + scheme}) != 0)
                return false;
        }
        return true;
    }

    // What the handler was given so far.
    QByteArray handled() const
    {
        QFile f(m_log);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QString m_log;
};

} // namespace testsupport
