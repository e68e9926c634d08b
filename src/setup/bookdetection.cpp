#include "bookdetection.h"

#include "contactclient/books/bookconfig.h"
#include "contactclient/thunderbird/thunderbirdprofiles.h"
#include "setup/firstrun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace setup {
namespace {

QString readText(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(f.readAll()) : QString();
}

// "~", "~/…", "$VAR" and "${VAR}" expanded, as both tools do.
QString expandPath(QString path, const Places& places)
{
    path = path.trimmed();
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = places.home + path.mid(1);
    static const QRegularExpression variable(QStringLiteral("\\$\\{?([A-Za-z_][A-Za-z0-9_]*)\\}?"));
    QString out;
    qsizetype last = 0;
    for (auto it = variable.globalMatch(path); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += path.mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        out += name == QLatin1String("HOME") ? places.home : qEnvironmentVariable(name.toLocal8Bit().constData());
        last = m.capturedEnd();
    }
    out += path.mid(last);
    return QDir::cleanPath(out);
}

QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

QString shortPath(const QString& path, const Places& places)
{
    if (path == places.home)
        return QStringLiteral("~");
    if (path.startsWith(places.home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(places.home.size());
    return path;
}

FoundBook folderBook(const QString& source, const QString& folder, const Places& places)
{
    return {source, QStringLiteral("vcard:") + folder, shortPath(folder, places), 0};
}

QList<FoundBook> existingFolders(const QString& source, const QStringList& folders, const Places& places)
{
    QList<FoundBook> found;
    for (const QString& f : folders)
        if (QFileInfo(f).isDir())
            found.append(folderBook(source, f, places));
    return found;
}

QList<FoundBook> defaultFolder(const Places& places)
{
    return existingFolders(QCoreApplication::translate("SetupWindow", "Address book folder"),
                           {QDir::cleanPath(places.dataHome + QStringLiteral("/contacts"))}, places);
}

QList<FoundBook> vdirsyncer(const Places& places)
{
    QStringList files;
    const QString env = qEnvironmentVariable("VDIRSYNCER_CONFIG");
    if (!env.isEmpty())
        files.append(env);
    files << places.home + QStringLiteral("/.vdirsyncer/config")
          << places.configHome + QStringLiteral("/vdirsyncer/config");
    for (const QString& file : std::as_const(files))
        if (QFileInfo(file).isFile())
            return existingFolders(QStringLiteral("vdirsyncer"), vdirsyncerFolders(readText(file), places), places);
    return {};
}

QList<FoundBook> khard(const Places& places)
{
    const QString file = places.configHome + QStringLiteral("/khard/khard.conf");
    return existingFolders(QStringLiteral("khard"), khardFolders(readText(file), places), places);
}

QList<FoundBook> kdeContacts(const Places& places)
{
    return existingFolders(QCoreApplication::translate("SetupWindow", "KDE contacts"),
                           {places.dataHome + QStringLiteral("/kpeoplevcard")}, places);
}

QList<FoundBook> thunderbirdProfiles(const Places& places)
{
    QList<FoundBook> found;
    const QStringList roots = {places.home + QStringLiteral("/.thunderbird"),
                               places.home + QStringLiteral("/snap/thunderbird/common/.thunderbird"),
                               places.home + QStringLiteral("/.var/app/org.mozilla.Thunderbird/.thunderbird")};
    for (const QString& root : roots)
        for (const QString& profile : contactclient::thunderbird::profileFolders(root))
            if (!contactclient::thunderbird::addressBookFiles(profile).isEmpty())
                found.append({QStringLiteral("Thunderbird"), QStringLiteral("thunderbird:") + profile,
                              shortPath(profile, places), 0});
    return found;
}

int countContacts(const QString& spec, const SettingsStore& settings)
{
    try {
        const QList<contactclient::BookSpec> specs = contactclient::parseBooks(spec);
        auto store = contactclient::storeOfBooks(contactclient::createBooks(specs.value(0), settings));
        store->open();
        int count = 0;
        store->items()->forEach([&](const contactclient::Item& item) {
            if (item.TypeName() == contactclient::kContactItemType)
                ++count;
        });
        return count;
    } catch (const contactclient::AutomationError&) {
        return -1;
    }
}

} // namespace

QString FoundBook::text() const
{
    const QString count = contacts < 0    ? QCoreApplication::translate("SetupWindow", "cannot be read")
                          : contacts == 1 ? QCoreApplication::translate("SetupWindow", "1 contact")
                                          : QCoreApplication::translate("SetupWindow", "%1 contacts").arg(contacts);
    return QStringLiteral("%1: %2 (%3)").arg(source, location, count);
}

Places Places::user()
{
    Places p;
    p.home = QDir::homePath();
    p.configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (p.configHome.isEmpty() || QDir::isRelativePath(p.configHome))
        p.configHome = p.home + QStringLiteral("/.config");
    p.dataHome = QFileInfo(firstrun::defaultContactsFolder()).path();
    return p;
}

QList<Detector> standardDetectors()
{
    // The EDS address books join here with a detector of their own.
    return {defaultFolder, vdirsyncer, khard, kdeContacts, thunderbirdProfiles};
}

QList<FoundBook> detectBooks(const QList<Detector>& detectors, const Places& places, const SettingsStore& settings)
{
    QList<FoundBook> found;
    QStringList seen;
    for (const Detector& detect : detectors) {
        for (FoundBook book : detect(places)) {
            const QString key = QFileInfo(book.spec.section(QLatin1Char(':'), 1)).canonicalFilePath();
            if (seen.contains(book.spec) || (!key.isEmpty() && seen.contains(key)))
                continue;
            seen << book.spec << key;
            book.contacts = countContacts(book.spec, settings);
            found.append(book);
        }
    }
    return found;
}

QStringList khardFolders(const QString& configText, const Places& places)
{
    // [addressbooks] / [[name]] / path = …
    QStringList folders;
    bool inBooks = false;
    for (const QString& raw : configText.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("[[")))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inBooks = line == QLatin1String("[addressbooks]");
            continue;
        }
        if (!inBooks || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == QLatin1String("path"))
            folders.append(expandPath(unquoted(line.mid(eq + 1)), places));
    }
    return folders;
}

QStringList vdirsyncerFolders(const QString& configText, const Places& places)
{
    // [storage NAME] with type = "filesystem", path = "…", fileext = ".vcf"
    QStringList folders;
    bool inStorage = false;
    QString type, path, ext;
    auto finish = [&] {
        if (inStorage && type == QLatin1String("filesystem") &&
            ext.compare(QLatin1String(".vcf"), Qt::CaseInsensitive) == 0 && !path.isEmpty())
            folders.append(expandPath(path, places));
        type.clear();
        path.clear();
        ext.clear();
    };
    for (const QString& raw : configText.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            finish();
            inStorage = line.startsWith(QLatin1String("[storage "));
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inStorage || eq <= 0 || line.startsWith(QLatin1Char('#')))
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = unquoted(line.mid(eq + 1));
        if (key == QLatin1String("type"))
            type = value;
        else if (key == QLatin1String("path"))
            path = value;
        else if (key == QLatin1String("fileext"))
            ext = value;
    }
    finish();
    return folders;
}

FirstRunPlan planFirstRun(const QList<FoundBook>& found)
{
    FirstRunPlan plan;
    for (const FoundBook& book : found)
        if (book.contacts > 0)
            plan.books.append(book);
    plan.kind = plan.books.isEmpty()     ? FirstRunPlan::Kind::Nothing
                : plan.books.size() == 1 ? FirstRunPlan::Kind::UseOne
                                         : FirstRunPlan::Kind::Choose;
    return plan;
}

QString usedBookNote(const FoundBook& book)
{
    // Short: the bar's status line is narrow.
    return QCoreApplication::translate("SetupWindow", "Using %1").arg(book.text());
}

} // namespace setup
