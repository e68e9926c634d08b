// The user's language: which translation the locale asks for, what the shipped files hold, and the
// programs' --help in it.

#include "commandline.h"
#include "translations.h"
#include "window/layout.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>
#include <QTest>
#include <QTranslator>

namespace {

const QStringList kShipped = {QStringLiteral("de"), QStringLiteral("en"),    QStringLiteral("es"),
                              QStringLiteral("fr"), QStringLiteral("it"),    QStringLiteral("nl"),
                              QStringLiteral("pl"), QStringLiteral("pt_BR"), QStringLiteral("ru")};

using Environment = QHash<QString, QString>;

Environment env(std::initializer_list<std::pair<const char*, const char*>> values)
{
    Environment e;
    for (const auto& [name, value] : values)
        e.insert(QString::fromLatin1(name), QString::fromUtf8(value));
    return e;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void wantedLanguages_data()
    {
        QTest::addColumn<Environment>("environment");
        QTest::addColumn<QStringList>("wanted");
        QTest::newRow("nothing set") << Environment() << QStringList();
        QTest::newRow("LANG") << env({{"LANG", "de_DE.UTF-8"}}) << QStringList{QStringLiteral("de_DE")};
        QTest::newRow("LC_MESSAGES before LANG")
            << env({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}) << QStringList{QStringLiteral("fr_FR")};
        QTest::newRow("LC_ALL before all")
            << env({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "it_IT.UTF-8@euro"}})
            << QStringList{QStringLiteral("it_IT")};
        QTest::newRow("empty LC_ALL is unset")
            << env({{"LANG", "nl_NL.UTF-8"}, {"LC_ALL", ""}}) << QStringList{QStringLiteral("nl_NL")};
        QTest::newRow("LANGUAGE list first") << env({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:pl::ru"}})
                                             << QStringList{QStringLiteral("pt_BR"), QStringLiteral("pl"),
                                                            QStringLiteral("ru"), QStringLiteral("de_DE")};
        QTest::newRow("C locale ignores LANGUAGE") << env({{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}) << QStringList();
        QTest::newRow("POSIX") << env({{"LC_ALL", "POSIX"}, {"LANGUAGE", "fr"}}) << QStringList();
        QTest::newRow("no doubles") << env({{"LANG", "de"}, {"LANGUAGE", "de:de"}})
                                    << QStringList{QStringLiteral("de")};
    }
    void wantedLanguages()
    {
        QFETCH(Environment, environment);
        QFETCH(QStringList, wanted);
        QCOMPARE(translations::wantedLanguages(
                     [&environment](const char* name) { return environment.value(QString::fromLatin1(name)); }),
                 wanted);
    }

    void choose_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("same name") << QStringList{QStringLiteral("pt_BR")} << QStringLiteral("pt_BR");
        QTest::newRow("language alone") << QStringList{QStringLiteral("de_AT")} << QStringLiteral("de");
        QTest::newRow("another country's variant") << QStringList{QStringLiteral("pt_PT")} << QStringLiteral("pt_BR");
        QTest::newRow("first that fits") << QStringList{QStringLiteral("sv_SE"), QStringLiteral("fr_CA"),
                                                        QStringLiteral("de")}
                                         << QStringLiteral("fr");
        QTest::newRow("English before the others")
            << QStringList{QStringLiteral("en_GB"), QStringLiteral("de_DE")} << QStringLiteral("en");
        QTest::newRow("nothing fits") << QStringList{QStringLiteral("sv_SE"), QStringLiteral("ja")} << QString();
    }
    void choose()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        QCOMPARE(translations::choose(wanted, kShipped), chosen);
    }

    void everyLanguageIsBuiltIn() { QCOMPARE(translations::shipped(), kShipped); }

    // The bar's captions and tool tips live in a table in English; each language has them all.
    void barTextsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : kShipped) {
            if (language != QLatin1String("en"))
                QTest::newRow(qPrintable(language)) << language;
        }
    }
    void barTextsTranslated()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("quintel_") + language, QStringLiteral(":/i18n")));
        int texts = 0;
        for (const layout::Control& control : layout::controls()) {
            const bool caption = control.kind == layout::Kind::TextButton || control.kind == layout::Kind::Button;
            for (const QString& text : {control.accessible, caption ? control.text : QString()}) {
                if (text.isEmpty())
                    continue;
                ++texts;
                const QString translated = translator.translate("layout", text.toUtf8().constData());
                QVERIFY2(!translated.isEmpty(), qPrintable(text));
            }
        }
        QVERIFY(texts >= 12);
    }

    // Plural forms by the language's own rules: Polish and Russian have three.
    void pluralForms_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("en 1") << "en" << 1 << "1 contact";
        QTest::newRow("en 3") << "en" << 3 << "3 contacts";
        QTest::newRow("de 1") << "de" << 1 << "1 Kontakt";
        QTest::newRow("de 2") << "de" << 2 << "2 Kontakte";
        QTest::newRow("pl 1") << "pl" << 1 << "1 kontakt";
        QTest::newRow("pl 3") << "pl" << 3 << "3 kontakty";
        QTest::newRow("pl 5") << "pl" << 5 << "5 kontaktów";
        QTest::newRow("pl 22") << "pl" << 22 << "22 kontakty";
        QTest::newRow("ru 21") << "ru" << 21 << "21 контакт";
        QTest::newRow("ru 3") << "ru" << 3 << "3 контакта";
        QTest::newRow("ru 11") << "ru" << 11 << "11 контактов";
        QTest::newRow("fr 0") << "fr" << 0 << "0 contact";
    }
    void pluralForms()
    {
        QFETCH(QString, language);
        QFETCH(int, count);
        QFETCH(QString, text);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("quintel_") + language, QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&translator);
        const QString shown = QCoreApplication::translate("frmMain", "%Ln contact(s)", nullptr, count);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(shown, text);
    }

    // The programs answer --help in the user's language, Qt's own texts included.
    void helpInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("quintel, German") << QStringLiteral(QUINTEL_BIN) << "de_DE.UTF-8" << QString()
                                         << "Diese Hilfe zeigen und beenden.";
        QTest::newRow("quintel, LANGUAGE first") << QStringLiteral(QUINTEL_BIN) << "de_DE.UTF-8"
                                                 << "ru:de"
                                                 << "Показать эту справку и выйти.";
        QTest::newRow("quintel, C locale") << QStringLiteral(QUINTEL_BIN) << "C.UTF-8"
                                           << "fr"
                                           << "Show this help and exit.";
        QTest::newRow("quintel-setup, French") << QStringLiteral(QUINTEL_SETUP_BIN) << "fr_FR.UTF-8" << QString()
                                               << "Configuration de Quintel : le carnet d'adresses";
        QTest::newRow("quintel-contacts, Polish") << QStringLiteral(QUINTEL_CONTACTS_BIN) << "pl_PL.UTF-8" << QString()
                                                  << "Jeden obiekt JSON na element i wiersz.";
        // QCommandLineParser's own line, from Qt's translations.
        QTest::newRow("quintel-contacts, Qt's own") << QStringLiteral(QUINTEL_CONTACTS_BIN) << "de_DE.UTF-8"
                                                    << QString() << "Zeigt Hilfe zu den Kommandozeilenoptionen an.";
    }
    void helpInTheUsersLanguage()
    {
        QFETCH(QString, program);
        QFETCH(QString, lang);
        QFETCH(QString, language);
        QFETCH(QString, expected);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), lang);
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(program, {QStringLiteral("--help")});
        QVERIFY(process.waitForFinished(30000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(out.contains(expected), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
