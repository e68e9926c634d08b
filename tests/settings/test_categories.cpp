// The category selector: its entries, filtering the lists to one category, and its refill on save.

#include "support/barfixture.h"
#include "contacts/categoryfilter.h"

#include <QComboBox>
#include <QLineEdit>
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

// A bar with four contacts: Ann (Family), Bob (Business), Cid (none), Dee (Family, Friends).
struct CategoryBar : BarFixture {
    frmMain* bar = nullptr;

    explicit CategoryBar(const QStringList& categories = {})
    {
        client.add(QStringLiteral("Ann"), QStringLiteral("Ann A"), {}, {QStringLiteral("Family")});
        client.add(QStringLiteral("Bob"), QStringLiteral("Bob B"), {}, {QStringLiteral("Business")});
        client.add(QStringLiteral("Cid"), QStringLiteral("Cid C"));
        client.add(QStringLiteral("Dee"), QStringLiteral("Dee D"), {}, {QStringLiteral("family"), QStringLiteral("Friends")});
        if (!categories.isEmpty()) {
            store.values.insert(QStringLiteral("Settings/NumberOfCategories"), QString::number(categories.size()));
            for (int i = 0; i < categories.size(); ++i)
                store.values.insert(QStringLiteral("Categories/%1").arg(i + 1), categories.at(i));
        }
        bar = &load();
        client.clearLog();
    }

    // The user picks an entry of the selector.
    void pick(const QString& name)
    {
        const int i = bar->cmbCategories->findText(name, Qt::MatchExactly);
        QVERIFY2(i >= 0, qPrintable(name));
        bar->cmbCategories->setCurrentIndex(i);
        emit bar->cmbCategories->activated(i);
    }
    QStringList listed() const { return entries(bar->cmbContacts); }
    QStringList calls() const { return client.logOf({QStringLiteral("Items"), QStringLiteral("Restrict")}); }
};

const QStringList kAll = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cid"), QStringLiteral("Dee")};

} // namespace

class TestCategories : public QObject {
    Q_OBJECT

private slots:
    void filterText_data();
    void filterText();
    void selectorIsSortedWithAllContactsOnTop();
    void choosing_data();
    void choosing();
    void statusMessageDuringFiltering();
    void secondCategoryStartsFromAllItems();
    void categorySortingBeforeAllContacts();
    void saveResetsToTheTop();
    void saveAfterTheBarWasClosed();
    void noCategoriesListsAll();
    void failedFilterHidesTheStatus();
};

void TestCategories::filterText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::newRow("plain") << QStringLiteral("Family") << QStringLiteral("[Categories] = \"Family\"");
    QTest::newRow("blanks kept") << QStringLiteral(" a b ") << QStringLiteral("[Categories] = \" a b \"");
    QTest::newRow("empty") << QString() << QStringLiteral("[Categories] = \"\"");
    QTest::newRow("quote doubled") << QStringLiteral("My \"Best\"") << QStringLiteral("[Categories] = \"My \"\"Best\"\"\"");
    QTest::newRow("only a quote") << QStringLiteral("\"") << QStringLiteral("[Categories] = \"\"\"\"");
}

void TestCategories::filterText()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QCOMPARE(CategoryFilter::filterText(name), filter);
}

void TestCategories::selectorIsSortedWithAllContactsOnTop()
{
    CategoryBar f({QStringLiteral("All Contacts"), QStringLiteral("zoo"), QStringLiteral("Golf"),
                   QStringLiteral("family")});
    QCOMPARE(entries(f.bar->cmbCategories), (QStringList{QStringLiteral("All Contacts"), QStringLiteral("family"),
                                                         QStringLiteral("Golf"), QStringLiteral("zoo")}));
    QCOMPARE(f.bar->cmbCategories->currentIndex(), 0);
    QCOMPARE(f.listed(), kAll);
}

// Which contacts each entry lists, and what the contact client was asked.
void TestCategories::choosing_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("calls");
    const QString items = QStringLiteral("Items");
    QTest::newRow("top entry") << QStringLiteral("All Contacts") << (kAll + QStringList{QStringLiteral("Eve")})
                               << QStringList{items};
    QTest::newRow("letter case ignored by the client")
        << QStringLiteral("Family") << QStringList{QStringLiteral("Ann"), QStringLiteral("Dee")}
        << QStringList{items, QStringLiteral("Restrict([Categories] = \"Family\")")};
    QTest::newRow("no contact in it") << QStringLiteral("Golf") << QStringList()
                                      << QStringList{items, QStringLiteral("Restrict([Categories] = \"Golf\")")};
    QTest::newRow("a quote in the name")
        << QStringLiteral("Say \"hi\"") << QStringList{QStringLiteral("Eve")}
        << QStringList{items, QStringLiteral("Restrict([Categories] = \"Say \"\"hi\"\"\")")};
}

void TestCategories::choosing()
{
    QFETCH(QString, category);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, calls);
    CategoryBar f({QStringLiteral("All Contacts"), QStringLiteral("Family"), QStringLiteral("Golf"),
                   QStringLiteral("Say \"hi\"")});
    f.client.add(QStringLiteral("Eve"), QStringLiteral("Eve E"), {}, {QStringLiteral("Say \"hi\"")});
    f.pick(category);
    QCOMPARE(f.listed(), listed);
    QCOMPARE(f.calls(), calls);
    QCOMPARE(f.bar->contactItems->Count(), listed.size());
    QVERIFY(f.bar->txtStatus->isHidden());
}

// The wait message is on screen while the event loop gets its one turn; the top entry shows none.
void TestCategories::statusMessageDuringFiltering()
{
    CategoryBar f;
    for (const QString& category : {QStringLiteral("Friends"), QStringLiteral("All Contacts")}) {
        bool ran = false;
        QString shown;
        QTimer::singleShot(0, f.bar, [&] {
            ran = true;
            shown = f.bar->txtStatus->isHidden() ? QString() : f.bar->txtStatus->text();
        });
        f.pick(category);
        if (category == QStringLiteral("Friends")) {
            QVERIFY(ran);
            QCOMPARE(shown, QStringLiteral("Please Wait - Filtering Contacts..."));
            QCOMPARE(f.listed(), QStringList{QStringLiteral("Dee")});
        } else {
            QCOMPARE(shown, QString()); // no message
            QCoreApplication::processEvents();
        }
        QVERIFY(f.bar->txtStatus->isHidden());
    }
}

void TestCategories::secondCategoryStartsFromAllItems()
{
    CategoryBar f;
    f.pick(QStringLiteral("Family"));
    f.pick(QStringLiteral("Business"));
    QCOMPARE(f.listed(), QStringList{QStringLiteral("Bob")});
    QCOMPARE(f.calls(), (QStringList{QStringLiteral("Items"), QStringLiteral("Restrict([Categories] = \"Family\")"),
                                     QStringLiteral("Items"), QStringLiteral("Restrict([Categories] = \"Business\")")}));
    // Picking the same entry again filters again.
    f.client.clearLog();
    f.pick(QStringLiteral("Business"));
    QCOMPARE(f.calls().size(), 2);
}

void TestCategories::categorySortingBeforeAllContacts()
{
    CategoryBar f({QStringLiteral("All Contacts"), QStringLiteral("Family"), QStringLiteral("Aardvarks")});
    f.client.add(QStringLiteral("Zed"), QStringLiteral("Zed Z"), {}, {QStringLiteral("All Contacts")});
    QCOMPARE(f.bar->cmbCategories->itemText(0), QStringLiteral("Aardvarks"));
    f.pick(QStringLiteral("Family"));
    f.pick(QStringLiteral("Aardvarks")); // the top entry: everyone
    QCOMPARE(f.listed().size(), 5);
    f.client.clearLog();
    f.pick(QStringLiteral("All Contacts")); // now an ordinary category
    QCOMPARE(f.listed(), QStringList{QStringLiteral("Zed")});
    QCOMPARE(f.calls().last(), QStringLiteral("Restrict([Categories] = \"All Contacts\")"));
}

void TestCategories::saveResetsToTheTop()
{
    CategoryBar f;
    f.pick(QStringLiteral("Family"));
    QVERIFY(modSettings::addCategory(QStringLiteral("Golf")));
    f.client.clearLog();
    modSettings::saveSettings();
    QCOMPARE(entries(f.bar->cmbCategories),
             (QStringList{QStringLiteral("All Contacts"), QStringLiteral("Business"), QStringLiteral("Family"),
                          QStringLiteral("Friends"), QStringLiteral("Golf")}));
    QCOMPARE(f.bar->cmbCategories->currentIndex(), 0);
    QCOMPARE(f.listed(), kAll);
    QCOMPARE(f.calls(), QStringList{QStringLiteral("Items")});
}

void TestCategories::saveAfterTheBarWasClosed()
{
    CategoryBar f;
    f.pick(QStringLiteral("Family"));
    f.bar->close();
    f.client.clearLog();
    QVERIFY(modSettings::addCategory(QStringLiteral("Golf")));
    modSettings::saveSettings();
    QCOMPARE(f.store.values.value(QStringLiteral("Categories/5")), QStringLiteral("Golf"));
    QCOMPARE(f.calls(), QStringList());
    QCOMPARE(f.bar->cmbCategories->currentText(), QStringLiteral("Family"));
}

void TestCategories::noCategoriesListsAll()
{
    CategoryBar f;
    f.pick(QStringLiteral("Family"));
    modSettings::NumberOfCategories = 0;
    modSettings::Categories = {QString()};
    f.bar->populateCatCombo();
    QCOMPARE(f.bar->cmbCategories->count(), 0);
    QCOMPARE(f.bar->cmbCategories->currentIndex(), -1);
    QCOMPARE(f.listed(), kAll);
}

void TestCategories::failedFilterHidesTheStatus()
{
    CategoryBar f;
    f.client.failures.insert(QStringLiteral("Restrict"), QStringLiteral("the address book went away"));
    f.pick(QStringLiteral("Family"));
    QVERIFY(f.bar->txtStatus->isHidden());
    // The bar goes on: the next pick works.
    f.client.failures.clear();
    f.pick(QStringLiteral("Friends"));
    QCOMPARE(f.listed(), QStringList{QStringLiteral("Dee")});
}

QTEST_MAIN(TestCategories)
#include "test_categories.moc"
