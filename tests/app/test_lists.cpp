// The contact index and the two lists built from an item set.

#include "barfixture.h"
#include "contacts/namesort.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QtTest>

namespace {

QStringList comboEntries(QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

} // namespace

class TestLists : public QObject {
    Q_OBJECT

private slots:
    // Contacts are given as "FileAs|FullName" in delivery order; expected keys as "key=id".
    void index_data()
    {
        QTest::addColumn<QStringList>("contacts");
        QTest::addColumn<QStringList>("keys");

        QTest::newRow("shared filing name")
            << QStringList{QStringLiteral("Smith, John|John Smith"), QStringLiteral("Smith, John|Johnny Smith")}
            << QStringList{QStringLiteral("Smith, John=id1"), QStringLiteral("John Smith=id1"),
                           QStringLiteral("Johnny Smith=id2")};
        QTest::newRow("both names shared")
            << QStringList{QStringLiteral("Smith, John|John Smith"), QStringLiteral("Smith, John|John Smith")}
            << QStringList{QStringLiteral("Smith, John=id1"), QStringLiteral("John Smith=id1")};
        QTest::newRow("full name equals own filing name")
            << QStringList{QStringLiteral("Acme|Acme")} << QStringList{QStringLiteral("Acme=id1")};
        QTest::newRow("full name equals a later filing name")
            << QStringList{QStringLiteral("Adams, Bo|Cole, Al"), QStringLiteral("Cole, Al|Al Cole")}
            << QStringList{QStringLiteral("Adams, Bo=id1"), QStringLiteral("Cole, Al=id1"),
                           QStringLiteral("Al Cole=id2")};
        QTest::newRow("keys keep letter case") << QStringList{QStringLiteral("smith|x"), QStringLiteral("Smith|y")}
                                               << QStringList{QStringLiteral("smith=id1"), QStringLiteral("x=id1"),
                                                              QStringLiteral("Smith=id2"), QStringLiteral("y=id2")};
        QTest::newRow("empty names: the earliest owns the empty key")
            << QStringList{QStringLiteral("|Nobody"), QStringLiteral("Blank|"), QStringLiteral("|")}
            << QStringList{QStringLiteral("=id1"), QStringLiteral("Nobody=id1"), QStringLiteral("Blank=id2")};
    }
    void index()
    {
        QFETCH(QStringList, contacts);
        QFETCH(QStringList, keys);
        BarFixture f;
        for (const QString& c : contacts)
            f.client.add(c.section(QLatin1Char('|'), 0, 0), c.section(QLatin1Char('|'), 1));
        frmMain& form = f.load();

        QCOMPARE(form.session()->contactIndex().Count(), keys.size());
        for (const QString& k : keys) {
            const QString key = k.section(QLatin1Char('='), 0, 0);
            QVERIFY2(form.session()->contactIndex().Exists(key), qPrintable(key));
            QCOMPARE(form.session()->contactIndex().Item(key), k.section(QLatin1Char('='), 1));
        }
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->count(), contacts.size());
        QCOMPARE(form.session()->searchList().count(), 2 * contacts.size());
    }

    void emptySetKeepsTheCountLabel()
    {
        BarFixture f;
        frmMain& form = f.load();
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->count(), 0);
        QVERIFY(ui<QComboBox>(form, "cmbContacts")->isEnabled());
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->currentIndex(), -1);
        QCOMPARE(ui<QLabel>(form, "lblContactCount")->text(), QStringLiteral("(....)"));
        QCOMPARE(form.session()->searchList().count(), 0);
        QCOMPARE(form.session()->contactIndex().Count(), 0);
    }

    void otherItemKindsAreSkipped()
    {
        BarFixture f;
        f.client.add(QStringLiteral("Book Club"), QStringLiteral("Book Club")).typeName =
            QStringLiteral("DistListItem");
        f.client.add(QStringLiteral("Ada"), QStringLiteral("Ada Lovelace"));
        f.client.add(QStringLiteral("Note"), QStringLiteral("Note")).typeName = QStringLiteral("contactitem");
        frmMain& form = f.load();
        QCOMPARE(comboEntries(ui<QComboBox>(form, "cmbContacts")), QStringList{QStringLiteral("Ada")});
        QCOMPARE(ui<QLabel>(form, "lblContactCount")->text(), QStringLiteral("(1)"));
        QVERIFY(!form.session()->contactIndex().Exists(QStringLiteral("Book Club")));
    }

    void threeContacts()
    {
        BarFixture f;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"));
        f.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams"));
        f.client.add(QStringLiteral("Brown, Bob"), QStringLiteral("Bob Brown"));
        frmMain& form = f.load();
        QCOMPARE(ui<QLabel>(form, "lblContactCount")->text(), QStringLiteral("(3)"));
        // The search list keeps delivery order: filing name, then full name.
        QCOMPARE(form.session()->searchList().entries(),
                 (QStringList{QStringLiteral("Smith, John"), QStringLiteral("John Smith"), QStringLiteral("Adams, Ann"),
                              QStringLiteral("Ann Adams"), QStringLiteral("Brown, Bob"), QStringLiteral("Bob Brown")}));
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->currentIndex(), 0);
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->currentText(), QStringLiteral("Adams, Ann"));
        // During start-up the selection does not reach the entry box.
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), QString());
        QCOMPARE(ui<QListView>(form, "lstContacts")->model()->rowCount(), 6);
    }

    void reloadStartsAfresh()
    {
        BarFixture f;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"), {}, {QStringLiteral("Business")});
        f.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams"));
        frmMain& form = f.load();
        form.session()->selectCategory(QStringLiteral("Business"));
        QCOMPARE(comboEntries(ui<QComboBox>(form, "cmbContacts")), QStringList{QStringLiteral("Smith, John")});
        QCOMPARE(form.session()->searchList().count(), 2);
        QVERIFY(!form.session()->contactIndex().Exists(QStringLiteral("Adams, Ann")));
        QCOMPARE(ui<QLabel>(form, "lblContactCount")->text(), QStringLiteral("(1)"));
    }

    void sortOrderIsTheCollatorsCompare_data()
    {
        QTest::addColumn<QStringList>("names");
        auto list = [](const char* names) { return QString::fromUtf8(names).split(QLatin1Char('|')); };
        QTest::newRow("letter case and exact ties") << list("beta|Beta|BETA|alpha|Alpha|beta|b|B|");
        QTest::newRow("same first four letters") << list("Smithers|smith|Smithson|SMITH, J|Smith, John|Smit|Smith");
        QTest::newRow("diacritics") << list(
            "Émile|emile|Ärger|Zoë|Åberg|äRGER|Øre|Straße|STRASSE|Groß|İlker|ılker|Ilker");
        QTest::newRow("greek and cyrillic") << list("Σοφία|ΣΟΦΊΑ|σοφία|Ψαράς|ΨΑΡΆΣ|Иванов|иванова|ИВАНОВ|Ёлкин|ёлкин");
        QTest::newRow("beyond the basic plane") << list("𐐀bc|𐐨bc|𠮷田|吉田|𐐨|a𐐀|A𐐨|\xef\xbf\xbd");
        QTest::newRow("digits, blanks, punctuation") << list("O'Brien|OBrien|o brien|10 Downing|9 Elms| Space|~tilde");
    }
    void sortOrderIsTheCollatorsCompare()
    {
        QFETCH(QStringList, names);
        QStringList expected = names;
        // The order of the locale's collator comparing two names at a time, equal ones by exact text:
        // the collation keys made once per name must agree with it.
        const QCollator collator = namesort::collator();
        std::stable_sort(expected.begin(), expected.end(), [&](const QString& a, const QString& b) {
            const int c = collator.compare(a, b);
            return c != 0 ? c < 0 : a < b;
        });
        namesort::sortAlphabetically(names);
        QCOMPARE(names, expected);
    }

    void largeSet()
    {
        // More contacts than a 16-bit count could hold.
        BarFixture f;
        for (int i = 0; i < 40000; ++i)
            f.client.add(QStringLiteral("Name %1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("Full %1").arg(i));
        frmMain& form = f.load();
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->count(), 40000);
        // Grouped as the locale writes numbers (the tests run in C.UTF-8).
        QCOMPARE(ui<QLabel>(form, "lblContactCount")->text(), QStringLiteral("(40,000)"));
        QCOMPARE(form.session()->searchList().count(), 80000);
        QCOMPARE(form.session()->contactIndex().Item(QStringLiteral("Full 39999")), QStringLiteral("id40000"));
    }

    void backgroundReloadKeepsTheTyping()
    {
        BarFixture f;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"), {}, {QStringLiteral("Business")});
        f.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams"));
        frmMain& form = f.load();
        const int business = ui<QComboBox>(form, "cmbCategories")->findText(QStringLiteral("Business"));
        ui<QComboBox>(form, "cmbCategories")->setCurrentIndex(business);
        emit ui<QComboBox>(form, "cmbCategories")->activated(business);
        ui<QLineEdit>(form, "txtContact")->setFocus();
        QTest::keyClicks(ui<QLineEdit>(form, "txtContact"), QStringLiteral("Sm"));
        const QString typed = ui<QLineEdit>(form, "txtContact")->text();
        const int selectionStart = ui<QLineEdit>(form, "txtContact")->selectionStart();
        f.client.add(QStringLiteral("Smythe, Kim"), QStringLiteral("Kim Smythe"), {}, {QStringLiteral("business")});
        f.client.add(QStringLiteral("Young, Al"), QStringLiteral("Al Young"));
        f.client.clearLog();

        form.session()->reload();

        // The chosen category still applies, and the new contact is listed.
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->count(), 2);
        QVERIFY(form.session()->contactIndex().Exists(QStringLiteral("Kim Smythe")));
        QCOMPARE(f.client.logOf({QStringLiteral("Restrict")}).size(), 1);
        // The box is left alone; its contact is read afresh, so a changed card is never offered stale.
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), typed);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectionStart(), selectionStart);
        QCOMPARE(f.client.logOf({QStringLiteral("GetItemFromID")}).size(), 1);
    }
};

QTEST_MAIN(TestLists)
#include "test_lists.moc"
