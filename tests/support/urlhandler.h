#pragma once
// A desktop's URL handler for tests: a script registered as xdg-mime would, in a throw-away
// XDG_DATA_HOME and XDG_CONFIG_HOME, for the schemes given. Every URL xdg-open hands it is
// appended, one per line, to handled.txt in the folder.

#include "testfiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace testsupport {

// Makes the desktop entry named `entry` (running exec with the URL) the handler of the schemes, in
// the throw-away data and config folders that XDG_DATA_HOME and XDG_CONFIG_HOME name.
inline bool registerUrlHandler(const QString& data, const QString& config, const QString& entry, const QByteArray& exec,
                               const QStringList& schemes)
{
    QByteArray mimeTypes;
    QByteArray defaults = "[Default Applications]\n";
    for (const QString& scheme : schemes) {
        mimeTypes += "x-scheme-handler/" + scheme.toUtf8() + ';';
        defaults += "x-scheme-handler/" + scheme.toUtf8() + '=' + entry.toUtf8() + '\n';
    }
    return writeFile(data + QStringLiteral("/applications/") + entry,
                     "[Desktop Entry]\nType=Application\nName=Quintel test handler\nExec=" + exec +
                         " %u\nMimeType=" + mimeTypes + "\nNoDisplay=true\n") &&
           writeFile(config + QStringLiteral("/mimeapps.list"), defaults);
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
        if (!writeFile(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + m_log.toUtf8() + "'\n", true) ||
            !registerUrlHandler(data, config, QStringLiteral("quintel-test-handler.desktop"), script.toUtf8(), schemes))
            return false;
        qputenv("XDG_DATA_HOME", data.toUtf8());
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("BROWSER");
        return true;
    }

    // What the handler was given so far.
    QByteArray handled() const { return readFile(m_log); }

private:
    QString m_log;
};

} // namespace testsupport
