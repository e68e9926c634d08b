// The order of the drop-down lists and the category lists: alphabetical for the locale, letter
// case ignored, equal names kept; filing one name at a time agrees with sorting the whole list.

#include "contacts/namesort.h"

#include <QTest>

namespace {

QStringList list(const char* names)
{
    return QString::fromUtf8(names).split(QLatin1Char('|'));
}

} // namespace

class TestNameSort : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void order_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("accented letters among their own (English)")
            << "en_US" << list("Zeta|Éluard|Ärzte|Ödland|apple|Eber") << list("apple|Ärzte|Eber|Éluard|Ödland|Zeta");
        QTest::newRow("C locale: alphabetical, not by code point")
            << "C" << list("Zeta|Éluard|Ärzte|Ödland|apple|Eber") << list("apple|Ärzte|Eber|Éluard|Ödland|Zeta");
        QTest::newRow("German files umlauts with their vowels")
            << "de_DE" << list("Ozon|Öl|Ofen|Zug") << list("Ofen|Öl|Ozon|Zug");
        QTest::newRow("Swedish files Ä and Ö after Z")
            << "sv_SE" << list("Ödland|Zeta|Ärzte|Apfel") << list("Apfel|Zeta|Ärzte|Ödland");
        QTest::newRow("letter case ignored, equal names kept, exact text breaks ties")
            << "en_US" << list("b|B|a|B|A") << list("A|a|B|B|b");
        QTest::newRow("family names with commas")
            << "en_US" << list("Smith, John|Smith, Anne|Smithers, Al") << list("Smith, Anne|Smith, John|Smithers, Al");
        QTest::newRow("empty name first") << "en_US" << list("b||a") << list("|a|b");
        QTest::newRow("other scripts after Latin")
            << "en_US" << list("Ωmega|Борис|Zoe|Анна") << list("Zoe|Ωmega|Анна|Борис");
    }
    void order()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        QLocale::setDefault(QLocale(locale));
        QStringList all = names;
        namesort::sortAlphabetically(all);
        QCOMPARE(all, sorted);
        // Filing the names one by one, after equal ones, gives the same list.
        QStringList filed;
        for (const QString& name : std::as_const(names)) {
            qsizetype row = 0;
            while (row < filed.size() && !namesort::sortsBefore(name, filed.at(row)))
                ++row;
            filed.insert(row, name);
        }
        QCOMPARE(filed, sorted);
    }
};

QTEST_GUILESS_MAIN(TestNameSort)
#include "test_namesort.moc"
