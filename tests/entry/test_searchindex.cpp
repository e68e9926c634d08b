// The search list's index answers exactly what a scan of the list answers.

#include "contacts/searchlist.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The rule as the list box stated it: the first entry, in list order, beginning with the text,
// letter case ignored; an empty text matches nothing.
qsizetype scan(const QStringList& entries, const QString& text)
{
    if (text.isEmpty())
        return -1;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

SearchList build(const QStringList& entries)
{
    SearchList list;
    for (const QString& e : entries)
        list.append(e);
    list.finish();
    return list;
}

} // namespace

class TestSearchIndex : public QObject {
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void randomListsAgreeWithAScan();
    void appendAfterFinishStillFinds();
};

void TestSearchIndex::examples_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    const QStringList names{QStringLiteral("Smith, Johnny"), QStringLiteral("Johnny Smith"),
                            QStringLiteral("Müller, Hans"), QStringLiteral("Élodie Roux"),
                            QStringLiteral("Дмитрий Петров"), QStringLiteral("Smith, John"),
                            QStringLiteral("Straße, Eva"), QStringLiteral("")};
    QTest::newRow("earliest wins over a later exact entry") << names << QStringLiteral("smith, john") << 0;
    QTest::newRow("umlaut") << names << QStringLiteral("mü") << 2;
    QTest::newRow("umlaut upper") << names << QStringLiteral("MÜLL") << 2;
    QTest::newRow("acute") << names << QStringLiteral("é") << 3;
    QTest::newRow("cyrillic") << names << QStringLiteral("д") << 4;
    QTest::newRow("sharp s is one letter") << names << QStringLiteral("straß") << 6;
    QTest::newRow("sharp s is not ss") << names << QStringLiteral("strass") << -1;
    QTest::newRow("capital sharp s") << names << QStringLiteral("STRAẞ") << 6;
    QTest::newRow("empty text matches nothing") << names << QString() << -1;
    QTest::newRow("longer than every entry") << names << QStringLiteral("Smith, Johnny Walker") << -1;
    QTest::newRow("miss") << names << QStringLiteral("x") << -1;
    QTest::newRow("empty list") << QStringList{} << QStringLiteral("a") << -1;
}

void TestSearchIndex::examples()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QFETCH(int, expected);
    const SearchList list = build(entries);
    QVERIFY(list.isIndexed());
    QCOMPARE(list.findString(text), expected);
    QCOMPARE(scan(entries, text), expected);
}

void TestSearchIndex::randomListsAgreeWithAScan()
{
    // Few letters, so that prefixes are shared and names repeat; letters in both cases, letters
    // outside Latin-1 and outside the basic plane, and names that are empty.
    const QStringList letters{QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("é"),
                              QStringLiteral("É"), QStringLiteral("ü"), QStringLiteral("Ü"), QStringLiteral("ß"),
                              QStringLiteral("ẞ"), QStringLiteral("σ"), QStringLiteral("ς"), QStringLiteral("Σ"),
                              QStringLiteral("д"), QStringLiteral("Д"), QStringLiteral("İ"), QStringLiteral("ı"),
                              QStringLiteral("i"), QStringLiteral("\U00010400"), QStringLiteral("\U00010428"),
                              QStringLiteral(" "), QStringLiteral(",")};
    QRandomGenerator rng(20261206);
    auto word = [&](int maxLength) {
        QString w;
        const int n = static_cast<int>(rng.bounded(maxLength + 1));
        for (int i = 0; i < n; ++i)
            w += letters.at(rng.bounded(letters.size()));
        return w;
    };

    for (int round = 0; round < 3000; ++round) {
        QStringList entries;
        const int count = static_cast<int>(rng.bounded(40));
        for (int i = 0; i < count; ++i) {
            if (!entries.isEmpty() && rng.bounded(5) == 0)
                entries << entries.at(rng.bounded(entries.size())); // a duplicate
            else
                entries << word(6);
        }
        const SearchList list = build(entries);

        QStringList queries;
        for (int q = 0; q < 12; ++q) {
            if (!entries.isEmpty() && rng.bounded(3) != 0) {
                // A prefix of an entry (possibly cutting a surrogate pair), sometimes recased.
                const QString e = entries.at(rng.bounded(entries.size()));
                QString prefix = e.left(rng.bounded(e.size() + 1));
                if (rng.bounded(2))
                    prefix = rng.bounded(2) ? prefix.toUpper() : prefix.toLower();
                queries << prefix;
            } else {
                queries << word(4);
            }
        }
        for (const QString& q : std::as_const(queries)) {
            const qsizetype expected = scan(entries, q);
            if (list.findString(q) != expected) {
                QFAIL(qPrintable(QStringLiteral("entries [%1], text \"%2\": index %3, scan %4")
                                     .arg(entries.join(QStringLiteral("|")), q)
                                     .arg(list.findString(q))
                                     .arg(expected)));
            }
        }
    }
}

void TestSearchIndex::appendAfterFinishStillFinds()
{
    SearchList list = build({QStringLiteral("Bea")});
    list.append(QStringLiteral("Abe"));
    QCOMPARE(list.findString(QStringLiteral("ab")), 1);
    list.finish();
    QCOMPARE(list.findString(QStringLiteral("ab")), 1);
    list.clear();
    list.finish();
    QCOMPARE(list.findString(QStringLiteral("ab")), -1);
}

QTEST_GUILESS_MAIN(TestSearchIndex)
#include "test_searchindex.moc"
