#include "autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace autostart {
namespace {

// Quotes a word for sh: inside single quotes nothing is special but the quote itself.
QString shellQuote(const QString& word)
{
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// Escapes an argument for a quoted Exec argument of a desktop entry: ", `, $ and \ take a
// backslash, and the backslash itself is doubled once more by the string escaping of the file.
QString execQuote(const QString& argument)
{
    QString escaped;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

QString filePath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/autostart/quintel.desktop"));
}

bool isEnabled()
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.compare(QStringLiteral("Hidden=true"), Qt::CaseInsensitive) == 0 ||
            line.compare(QStringLiteral("X-GNOME-Autostart-enabled=false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return true;
}

QString desktopEntry(const QString& program)
{
    const QString script = QStringLiteral("sleep %1; exec %2").arg(kDelaySeconds).arg(shellQuote(program));
    QString entry;
    entry += QStringLiteral("[Desktop Entry]\n");
    entry += QStringLiteral("Type=Application\n");
    entry += QStringLiteral("Name=Quintel\n");
    entry += QStringLiteral("Comment=Contact bar: find a contact and mail, call or write to it\n");
    entry += QStringLiteral("Icon=org.quintel.Quintel\n");
    entry += QStringLiteral("Exec=sh -c %1\n").arg(execQuote(script));
    entry += QStringLiteral("Terminal=false\n");
    entry += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return entry;
}

QString setEnabled(bool enabled, const QString& program)
{
    const QString path = filePath();
    if (!enabled) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            return QCoreApplication::translate("SetupWindow", "%1 cannot be removed.").arg(path);
        return {};
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("SetupWindow", "The folder %1 cannot be created.")
            .arg(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QCoreApplication::translate("SetupWindow", "%1 cannot be written: %2").arg(path, file.errorString());
    }
    file.write(desktopEntry(program).toUtf8());
    if (!file.commit())
        return QCoreApplication::translate("SetupWindow", "%1 cannot be written: %2").arg(path, file.errorString());
    return {};
}

QString barProgram()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/quintel");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStringLiteral("quintel");
}

} // namespace autostart
