// The category selector: its entries, filtering the lists to one category, and its refill on save.

#include "settings/frmoptions.h"
#include "support/barfixture.h"
#include "support/storedcategories.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

namespace {

QStringList entries(const QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

QStringList list(const char* names)
{
    return QString::fromUtf8(names).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// A bar with Ann (Family), Bob (Business), Cid (none), Dee (family, Friends), Eve (Say "hi").
struct CategoryBar : BarFixture {
    frmMain* bar = nullptr;

    explicit CategoryBar(const QStringList& categories = {})
    {
        client.add(QStringLiteral("Ann"), QStringLiteral("Ann A"), {}, list("Family"));
        client.add(QStringLiteral("Bob"), QStringLiteral("Bob B"), {}, list("Business"));
        client.add(QStringLiteral("Cid"), QStringLiteral("Cid C"));
        client.add(QStringLiteral("Dee"), QStringLiteral("Dee D"), {}, list("family,Friends"));
        client.add(QStringLiteral("Eve"), QStringLiteral("Eve E"), {}, list("Say \"hi\",All Contacts"));
        storeCategories(store, categories);
        bar = &load();
        client.clearLog();
    }
    // The user picks an entry of the selector.
    void pick(const QString& name)
    {
        const int i = ui<QComboBox>(*bar, "cmbCategories")->findText(name, Qt::MatchExactly);
        QVERIFY2(i >= 0, qPrintable(name));
        ui<QComboBox>(*bar, "cmbCategories")->setCurrentIndex(i);
        emit ui<QComboBox>(*bar, "cmbCategories")->activated(i);
    }
    QStringList listed() const { return entries(ui<QComboBox>(*bar, "cmbContacts")); }
    QStringList calls() const { return client.logOf({QStringLiteral("Items"), QStringLiteral("Restrict")}); }
};

const QStringList kAll = list("Ann,Bob,Cid,Dee,Eve");

} // namespace

class TestCategories : public QObject {
    Q_OBJECT

private slots:
    // The default list plus a name with a quote and one sorting before "All Contacts".
    void choosing_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("the top entry lists all") << "Aardvarks" << kAll << list("Items");
        QTest::newRow("All Contacts is a category below the top")
            << "All Contacts" << list("Eve") << list("Items,Restrict([Categories] = \"All Contacts\")");
        QTest::newRow("letter case is the client's business")
            << "Family" << list("Ann,Dee") << list("Items,Restrict([Categories] = \"Family\")");
        QTest::newRow("no contact in it") << "Golf" << QStringList() << list("Items,Restrict([Categories] = \"Golf\")");
        QTest::newRow("a quote in the name")
            << "Say \"hi\"" << list("Eve") << list("Items,Restrict([Categories] = \"Say \"\"hi\"\"\")");
    }
    void choosing()
    {
        QFETCH(QString, category);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, calls);
        CategoryBar f(list("All Contacts,Family,Golf,Say \"hi\",Aardvarks"));
        QCOMPARE(entries(ui<QComboBox>(*f.bar, "cmbCategories")),
                 list("Aardvarks,All Contacts,Family,Golf,Say \"hi\""));
        QCOMPARE(ui<QComboBox>(*f.bar, "cmbCategories")->currentIndex(), 0);
        f.pick(category);
        QCOMPARE(f.listed(), listed);
        QCOMPARE(f.calls(), calls);
        QVERIFY(ui<QLineEdit>(*f.bar, "txtStatus")->isHidden());
    }

    // The wait message is on screen while the event loop gets its one turn; the top entry shows none.
    void waitMessageDuringFiltering()
    {
        CategoryBar f(list("All Contacts,Friends"));
        for (const char* category : {"Friends", "All Contacts"}) {
            QString shown;
            QTimer::singleShot(0, f.bar, [&] {
                shown = ui<QLineEdit>(*f.bar, "txtStatus")->isHidden() ? QString()
                                                                       : ui<QLineEdit>(*f.bar, "txtStatus")->text();
            });
            f.pick(QString::fromLatin1(category));
            QCOMPARE(shown, qstrcmp(category, "Friends") == 0 ? QStringLiteral("Please Wait - Filtering Contacts...")
                                                              : QString());
            QCoreApplication::processEvents();
            QVERIFY(ui<QLineEdit>(*f.bar, "txtStatus")->isHidden());
        }
    }

    void categoriesAfterAnother()
    {
        CategoryBar f(list("All Contacts,Family,Business"));
        f.pick(QStringLiteral("Family"));
        f.pick(QStringLiteral("Business")); // starts again from all items
        QCOMPARE(f.listed(), list("Bob"));
        QCOMPARE(f.calls(),
                 list("Items,Restrict([Categories] = \"Family\"),Items,Restrict([Categories] = \"Business\")"));
        f.client.clearLog();
        f.pick(QStringLiteral("Business")); // the same entry again filters again
        QCOMPARE(f.calls().size(), 2);
    }

    void saveResetsToTheTop()
    {
        CategoryBar f;
        f.pick(QStringLiteral("Family"));
        QVERIFY(f.settings.addCategory(QStringLiteral("Golf")));
        f.client.clearLog();
        f.settings.saveSettings();
        QCOMPARE(entries(ui<QComboBox>(*f.bar, "cmbCategories")), list("All Contacts,Business,Family,Friends,Golf"));
        QCOMPARE(ui<QComboBox>(*f.bar, "cmbCategories")->currentIndex(), 0);
        QCOMPARE(f.listed(), kAll);
        QCOMPARE(f.calls(), list("Items"));
    }

    void noCategoriesListsAll()
    {
        CategoryBar f;
        f.pick(QStringLiteral("Family"));
        f.settings.NumberOfCategories = 0;
        f.settings.Categories = {QString()};
        f.bar->populateCatCombo();
        QCOMPARE(ui<QComboBox>(*f.bar, "cmbCategories")->count(), 0);
        QCOMPARE(ui<QComboBox>(*f.bar, "cmbCategories")->currentIndex(), -1);
        QCOMPARE(f.listed(), kAll);
    }

    void failedFilterHidesTheWaitMessage()
    {
        CategoryBar f;
        f.client.failures.insert(QStringLiteral("Restrict"), QStringLiteral("the address book went away"));
        f.pick(QStringLiteral("Family"));
        QVERIFY(ui<QLineEdit>(*f.bar, "txtStatus")->isHidden());
        f.client.failures.clear();
        f.pick(QStringLiteral("Friends")); // the bar goes on
        QCOMPARE(f.listed(), list("Dee"));
    }

    // The contact drop-down, the category selector and the options' list put the same names in the
    // same order: alphabetical for the locale.
    void sameOrderEverywhere_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("accents among their letters")
            << "C" << list("Zeta,Éluard,Ärzte,Ödland,apple") << list("apple,Ärzte,Éluard,Ödland,Zeta");
        QTest::newRow("Swedish") << "sv_SE" << list("Zeta,Ärzte,Ödland,apple") << list("apple,Zeta,Ärzte,Ödland");
        QTest::newRow("letter case ignored") << "C" << list("b,a,B,A") << list("A,a,B,b");
    }
    void sameOrderEverywhere()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        QLocale::setDefault(QLocale(locale));
        BarFixture f;
        for (const QString& name : std::as_const(names))
            f.client.add(name, name + QStringLiteral(" X"));
        storeCategories(f.store, names);
        frmMain& bar = f.load();
        frmOptions* options = frmOptions::showDialog(f.settings);
        QStringList inOptions;
        for (int i = 0; i < options->lstCats->count(); ++i)
            inOptions << options->lstCats->item(i)->text();
        options->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QLocale::setDefault(QLocale::system());
        QCOMPARE(entries(ui<QComboBox>(bar, "cmbContacts")), sorted);
        QCOMPARE(entries(ui<QComboBox>(bar, "cmbCategories")), sorted);
        QCOMPARE(inOptions, sorted);
    }
};

QTEST_MAIN(TestCategories)
#include "test_categories.moc"
