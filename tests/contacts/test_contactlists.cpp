// The lists of a category taken from the lists of all contacts are the lists built from the
// category's items: the same drop-down order, search list, search answers and name index.

#include "contactclient/automation.h"
#include "contacts/contactindex.h"
#include "contacts/contactlistdata.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Record {
    QString fileAs;
    QString fullName;
    QString entryId;
    bool group = false;
};

class RecordItem : public contactclient::Item {
public:
    const Record* r = nullptr;
    QString TypeName() const override
    {
        return r->group ? contactclient::kDistListItemType : contactclient::kContactItemType;
    }
    QString FileAs() const override { return r->fileAs; }
    QString FullName() const override { return r->fullName; }
    QString EntryID() const override { return r->entryId; }
};

class Records : public contactclient::ItemSet {
public:
    explicit Records(QList<Record> records) : m_records(std::move(records)) {}
    void forEach(const std::function<void(const contactclient::Item&)>& visit) const override
    {
        RecordItem item;
        for (const Record& r : m_records) {
            item.r = &r;
            visit(item);
        }
    }
    int Count() const override { return int(m_records.size()); }
    std::shared_ptr<contactclient::ItemSet> Restrict(const QString&) const override { return nullptr; }

private:
    QList<Record> m_records;
};

// Few letters, so that names repeat, differ only in letter case, or are empty.
QString word(QRandomGenerator& rng)
{
    static const QStringList letters = u"a A b é É ß σ Σ ς , \U00010400 \U00010428"_s.split(u' ') << u" "_s;
    QString w;
    for (int n = int(rng.bounded(5)); n > 0; --n)
        w += letters.at(rng.bounded(letters.size()));
    return w;
}

void compareLists(const ContactListData& narrowed, const ContactListData& built, QRandomGenerator& rng)
{
    QCOMPARE(narrowed.contactCount, built.contactCount);
    QCOMPARE(narrowed.sortedNames(), built.sortedNames());
    QCOMPARE(narrowed.order, built.order);
    QCOMPARE(narrowed.entryIds.toList(), built.entryIds.toList());
    QCOMPARE(narrowed.search.entries(), built.search.entries());
    QVERIFY(narrowed.search.isIndexed());
    const ContactIndex a(narrowed);
    const ContactIndex b(built);
    QCOMPARE(a.Count(), b.Count());
    for (int q = 0; q < 20; ++q) {
        QString text = word(rng);
        if (built.search.count() > 0 && rng.bounded(2)) {
            const QString e = built.search.at(rng.bounded(built.search.count()));
            text = rng.bounded(2) ? e : e.left(rng.bounded(e.size() + 1)).toUpper();
        }
        QCOMPARE(narrowed.search.findString(text), built.search.findString(text));
        QCOMPARE(a.Item(text), b.Item(text));
    }
}

} // namespace

Q_DECLARE_METATYPE(Record)

class TestContactLists : public QObject {
    Q_OBJECT

private slots:
    void categoryListsFromAllContacts_data();
    void categoryListsFromAllContacts();
    void itemsNotPartOfTheLists_data();
    void itemsNotPartOfTheLists();
};

void TestContactLists::categoryListsFromAllContacts_data()
{
    QTest::addColumn<int>("contacts");
    QTest::addColumn<int>("keepOneIn"); // 0: none kept
    QTest::newRow("nobody") << 0 << 1;
    QTest::newRow("none kept") << 50 << 0;
    QTest::newRow("all kept") << 50 << 1;
    QTest::newRow("half") << 60 << 2;
    QTest::newRow("a tenth of many") << 2000 << 10;
}

void TestContactLists::categoryListsFromAllContacts()
{
    QFETCH(int, contacts);
    QFETCH(int, keepOneIn);
    QRandomGenerator rng(20261207);
    for (int round = 0; round < 20; ++round) {
        QList<Record> all;
        QList<Record> kept;
        for (int i = 0; i < contacts; ++i) {
            // Now and then a card of several contacts, or a contact group.
            Record r{word(rng), word(rng), u"c%1.vcf"_s.arg(i), rng.bounded(10) == 0};
            all << r;
            if (keepOneIn > 0 && rng.bounded(keepOneIn) == 0)
                kept << r;
        }
        const ContactListData lists = buildContactLists(Records(all));
        const std::optional<ContactListData> narrowed = narrowContactLists(lists, Records(kept));
        QVERIFY(narrowed);
        compareLists(*narrowed, buildContactLists(Records(kept)), rng);
    }
}

void TestContactLists::itemsNotPartOfTheLists_data()
{
    QTest::addColumn<QList<Record>>("items");
    const Record a{u"Adams, Ann"_s, u"Ann Adams"_s, u"a.vcf"_s};
    const Record b{u"Brown, Bo"_s, u"Bo Brown"_s, u"b.vcf"_s};
    QTest::newRow("a contact the lists do not hold") << QList<Record>{a, {u"Cole, Cy"_s, u"Cy Cole"_s, u"c.vcf"_s}};
    QTest::newRow("renamed since") << QList<Record>{{u"Adams, Anne"_s, u"Ann Adams"_s, u"a.vcf"_s}};
    QTest::newRow("full name changed") << QList<Record>{{u"Adams, Ann"_s, u"Ann B. Adams"_s, u"a.vcf"_s}};
    QTest::newRow("in another order") << QList<Record>{b, a};
}

void TestContactLists::itemsNotPartOfTheLists()
{
    // Such lists are built afresh by the caller.
    QFETCH(QList<Record>, items);
    const ContactListData lists = buildContactLists(
        Records({{u"Adams, Ann"_s, u"Ann Adams"_s, u"a.vcf"_s}, {u"Brown, Bo"_s, u"Bo Brown"_s, u"b.vcf"_s}}));
    QVERIFY(!narrowContactLists(lists, Records(items)));
}

QTEST_GUILESS_MAIN(TestContactLists)
#include "test_contactlists.moc"
