#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace translations {

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("quintel_");

// "de_DE.UTF-8@euro" -> "de_DE"; "C", "POSIX" and empty -> empty.
QString languageOf(QString locale)
{
    locale = locale.trimmed();
    const qsizetype cut = locale.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        locale.truncate(cut);
    locale.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    return locale;
}

QString baseOf(const QString& language)
{
    return language.section(QLatin1Char('_'), 0, 0);
}

} // namespace

QStringList wantedLanguages(const std::function<QString(const char*)>& environment)
{
    QString locale = environment("LC_ALL");
    if (locale.isEmpty())
        locale = environment("LC_MESSAGES");
    if (locale.isEmpty())
        locale = environment("LANG");
    const QString own = languageOf(locale);
    if (own.isEmpty())
        return {};
    QStringList wanted;
    const QStringList listed = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& entry : listed) {
        const QString language = languageOf(entry);
        if (!language.isEmpty() && !wanted.contains(language))
            wanted.append(language);
    }
    if (!wanted.contains(own))
        wanted.append(own);
    return wanted;
}

QString choose(const QStringList& wanted, const QStringList& shipped)
{
    for (const QString& language : wanted) {
        if (shipped.contains(language))
            return language;
        const QString base = baseOf(language);
        if (shipped.contains(base))
            return base;
        for (const QString& candidate : shipped) {
            if (baseOf(candidate) == base)
                return candidate;
        }
    }
    return {};
}

QStringList shipped()
{
    QStringList out;
    const QStringList files = QDir(kFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        out.append(file.mid(kPrefix.size()).chopped(3));
    return out;
}

QString install(QCoreApplication& app)
{
    QString language = choose(wantedLanguages([](const char* name) { return qEnvironmentVariable(name); }), shipped());
    // English is the sources' own language; its file holds only the plural forms ("1 contact").
    if (language.isEmpty())
        language = QStringLiteral("en");
    auto* own = new QTranslator(&app);
    if (!own->load(kPrefix + language, kFolder)) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    if (language == QLatin1String("en"))
        return language;
    // Qt's own texts (the buttons of message boxes, the command line's --help): "qtbase_pt_BR",
    // else "qtbase_pt".
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace translations
