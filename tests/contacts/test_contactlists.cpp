// The lists of a category taken from the lists of all contacts are the lists built from the
// category's items: the same drop-down order, search list, search answers and name index.

#include "contactclient/automation.h"
#include "contactclient/searchfields.h"
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

class RecordItem : public contactclient::Item, public contactclient::searchfields::Source {
public:
    const Record* r = nullptr;
    QString TypeName() const override
    {
        return r->group ? contactclient::kDistListItemType : contactclient::kContactItemType;
    }
    QString FileAs() const override { return r->fileAs; }
    QString FullName() const override { return r->fullName; }
    QString EntryID() const override { return r->entryId; }
    // Fields that differ from contact to contact, so that a field taken from another shows.
    QString searchFields() const override { return u"e"_s + r->entryId + r->fullName; }
};

// A memo in memory that counts its saves.
class MemoryMemo : public contactclient::ItemsMemo {
public:
    QByteArray load() const override { return bytes; }
    void save(QByteArray b) const override
    {
        bytes = std::move(b);
        ++saves;
    }
    mutable QByteArray bytes;
    mutable int saves = 0;
};

class Records : public contactclient::ItemSet {
public:
    explicit Records(QList<Record> records, std::shared_ptr<const contactclient::ItemsMemo> memo = nullptr)
        : m_records(std::move(records)), m_memo(std::move(memo))
    {
    }
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
    std::shared_ptr<const contactclient::ItemsMemo> memo() const override { return m_memo; }

private:
    QList<Record> m_records;
    std::shared_ptr<const contactclient::ItemsMemo> m_memo;
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
    QCOMPARE(narrowed.fields.count(), built.fields.count());
    for (qsizetype i = 0; i < built.fields.count(); ++i)
        QCOMPARE(narrowed.fields.at(i), built.fields.at(i));
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
    void listsFromTheMemo_data();
    void listsFromTheMemo();
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

void TestContactLists::listsFromTheMemo_data()
{
    // What happens to the memo's bytes between the two builds.
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("used");
    QTest::newRow("as saved") << QString() << true;
    QTest::newRow("empty") << u"empty"_s << false;
    QTest::newRow("cut short") << u"cut"_s << false;
    QTest::newRow("a word more") << u"long"_s << false;
    QTest::newRow("another collation") << u"collation"_s << false;
    QTest::newRow("names' order not a permutation") << u"order"_s << false;
    QTest::newRow("search order out of order") << u"search"_s << false;
    QTest::newRow("orders of other names") << u"other"_s << false;
}

void TestContactLists::listsFromTheMemo()
{
    // Lists taken from the memo are the lists built afresh; a memo that does not fit is rebuilt
    // and saved anew.
    QFETCH(QString, damage);
    QFETCH(bool, used);
    QRandomGenerator rng(20261207);
    for (const int contacts : {0, 1, 2, 60, 3000}) {
        QList<Record> records;
        for (int i = 0; i < contacts; ++i)
            records << Record{word(rng), word(rng), u"c%1.vcf"_s.arg(i), rng.bounded(10) == 0};
        auto memo = std::make_shared<MemoryMemo>();
        const ContactListData built = buildContactLists(Records(records, memo));
        QCOMPARE(memo->saves, 1);
        QByteArray& bytes = memo->bytes;
        const auto word32 = [&bytes](qsizetype at) { return reinterpret_cast<quint32*>(bytes.data() + at); };
        const qsizetype stampEnd = 16 + qsizetype(*word32(12));
        const qsizetype searchAt = stampEnd + 4 + 4 * qsizetype(built.order.size());
        if (damage == u"empty"_s)
            bytes.clear();
        else if (damage == u"cut"_s)
            bytes.chop(4);
        else if (damage == u"long"_s)
            bytes.append(4, '\0');
        else if (damage == u"collation"_s)
            bytes[stampEnd - 1] = char(bytes[stampEnd - 1] ^ 1);
        else if (damage == u"order"_s && built.order.size() > 1)
            *word32(stampEnd + 4) = *word32(stampEnd + 8);
        else if (damage == u"search"_s && built.search.count() > 1)
            std::swap(*word32(searchAt + 4), *word32(searchAt + 8));
        else if (damage == u"other"_s && contacts > 2) {
            // Two contacts' file-as names swapped: the same names, other contacts.
            qsizetype other = 1;
            while (other < records.size() && records[other].fileAs.toCaseFolded() == records[0].fileAs.toCaseFolded())
                ++other;
            QVERIFY(other < records.size());
            std::swap(records[0].fileAs, records[other].fileAs);
        } else if (!damage.isEmpty())
            continue; // too few contacts to damage that way
        const QByteArray given = bytes;
        const ContactListData fromMemo = buildContactLists(Records(records, memo));
        compareLists(fromMemo, buildContactLists(Records(records)), rng);
        // A memo that fits is used as it is; one that does not is replaced.
        QCOMPARE(memo->saves, used ? 1 : 2);
        if (used)
            QCOMPARE(memo->bytes, given);
    }
}

QTEST_GUILESS_MAIN(TestContactLists)
#include "test_contactlists.moc"
