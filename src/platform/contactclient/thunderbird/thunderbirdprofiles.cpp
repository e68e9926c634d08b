#include "thunderbirdprofiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <algorithm>

namespace contactclient::thunderbird {
namespace {

QString profilePath(const QString& root, const QString& path, bool relative)
{
    return QDir::cleanPath(relative ? root + QLatin1Char('/') + path : path);
}

// The number of abook-N.sqlite; -1 for any other name, 0 for abook.sqlite.
int abookNumber(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^abook(?:-(\\d+))?\\.sqlite$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return -1;
    return m.captured(1).isEmpty() ? 0 : m.captured(1).toInt() + 1;
}

} // namespace

QStringList profileRoots()
{
    const QString home = QDir::homePath();
    return {home + QStringLiteral("/.thunderbird"), home + QStringLiteral("/snap/thunderbird/common/.thunderbird"),
            home + QStringLiteral("/.var/app/org.mozilla.Thunderbird/.thunderbird")};
}

QStringList profileFolders(const QString& root)
{
    const QString ini = root + QStringLiteral("/profiles.ini");
    if (!QFileInfo(ini).isFile())
        return {};
    QSettings settings(ini, QSettings::IniFormat);
    QList<std::pair<int, QString>> numbered; // [ProfileN]: N and the folder
    QString markedDefault;
    QString installDefault;
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        if (group.startsWith(QLatin1String("Profile"))) {
            const QString path = settings.value(QStringLiteral("Path")).toString();
            if (!path.isEmpty()) {
                const QString full =
                    profilePath(root, path, settings.value(QStringLiteral("IsRelative"), 1).toInt() != 0);
                numbered.append({QStringView(group).sliced(7).toInt(), full});
                if (settings.value(QStringLiteral("Default")).toInt() == 1)
                    markedDefault = full;
            }
        } else if (group.startsWith(QLatin1String("Install"))) {
            const QString path = settings.value(QStringLiteral("Default")).toString();
            if (!path.isEmpty() && installDefault.isEmpty())
                installDefault = profilePath(root, path, !QDir::isAbsolutePath(path));
        }
        settings.endGroup();
    }
    // childGroups() is sorted as text (Profile10 before Profile2): order by the numbers.
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    // Each folder once, the defaults first; sets keep this linear in the number of profiles.
    QSet<QString> listed;
    listed.reserve(numbered.size());
    for (const auto& entry : std::as_const(numbered))
        listed.insert(entry.second);
    QStringList ordered;
    QSet<QString> taken;
    const auto take = [&](const QString& p) {
        if (!taken.contains(p)) {
            taken.insert(p);
            ordered.append(p);
        }
    };
    for (const QString& first : {installDefault, markedDefault})
        if (!first.isEmpty() && listed.contains(first))
            take(first);
    for (const auto& entry : std::as_const(numbered))
        take(entry.second);
    ordered.erase(
        std::remove_if(ordered.begin(), ordered.end(), [](const QString& p) { return !QFileInfo(p).isDir(); }),
        ordered.end());
    return ordered;
}

QStringList allProfiles()
{
    QStringList profiles;
    for (const QString& root : profileRoots())
        profiles += profileFolders(root);
    return profiles;
}

QStringList addressBookFiles(const QString& profile)
{
    QStringList names = QDir(profile).entryList({QStringLiteral("abook*.sqlite")}, QDir::Files);
    names.erase(std::remove_if(names.begin(), names.end(), [](const QString& n) { return abookNumber(n) < 0; }),
                names.end());
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return abookNumber(a) < abookNumber(b); });
    QStringList files;
    for (const QString& n : std::as_const(names))
        files.append(profile + QLatin1Char('/') + n);
    return files;
}

QString addressBookName(const QString& profile, const QString& fileName)
{
    QFile prefs(profile + QStringLiteral("/prefs.js"));
    if (prefs.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // user_pref("ldap_2.servers.NAME.filename", "abook-1.sqlite");
        // user_pref("ldap_2.servers.NAME.description", "Work");
        static const QRegularExpression line(QStringLiteral(
            "user_pref\\(\"ldap_2\\.servers\\.([^.\"]+)\\.(filename|description)\",\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\)"));
        QHash<QString, QString> files;
        QHash<QString, QString> descriptions;
        const QString text = QString::fromUtf8(prefs.readAll());
        for (auto it = line.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            QString value = m.captured(3);
            value.replace(QStringLiteral("\\\""), QStringLiteral("\""))
                .replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
            (m.captured(2) == QLatin1String("filename") ? files : descriptions).insert(m.captured(1), value);
        }
        for (auto it = files.constBegin(); it != files.constEnd(); ++it)
            if (it.value() == fileName && !descriptions.value(it.key()).isEmpty())
                return descriptions.value(it.key());
    }
    if (fileName == QLatin1String("abook.sqlite"))
        return QStringLiteral("Personal Address Book");
    return QFileInfo(fileName).completeBaseName();
}

} // namespace contactclient::thunderbird
