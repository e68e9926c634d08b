// The categories offered when a category is added to the bar: those the address book's contacts
// carry, each once whatever its letter case, in the bar's order, without those listed already.

#include "contactclient/searchfields.h"
#include "contacts/bookcategories.h"
#include "contacts/contactlistdata.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using contactclient::searchfields::Builder;
using contactclient::searchfields::Kind;

namespace {

// Lists of contacts carrying these categories (one string per contact, "|" between categories),
// with a name field and an e-mail address beside them that are no categories.
ContactListData listsWith(const QStringList& contacts)
{
    ContactListData lists;
    for (const QString& contact : contacts) {
        Builder b;
        b.add(Kind::Name, u"Ann");
        for (const QString& category : contact.split(u'|', Qt::SkipEmptyParts))
            b.add(Kind::Category, category);
        b.add(Kind::Email, u"work@example.org");
        lists.fields.append(b.text());
        ++lists.contactCount;
    }
    return lists;
}

} // namespace

class TestBookCategories : public QObject {
    Q_OBJECT

private slots:
    void fromTheLists_data()
    {
        QTest::addColumn<QStringList>("contacts");
        QTest::addColumn<QStringList>("categories");
        QTest::newRow("none") << QStringList{u""_s, u""_s} << QStringList{};
        QTest::newRow("each once, in order")
            << QStringList{u"Work|Family"_s, u"Family"_s, u"Golf"_s} << QStringList{u"Family"_s, u"Golf"_s, u"Work"_s};
        QTest::newRow("letter case ignored, first spelling kept")
            << QStringList{u"golf"_s, u"Golf|GOLF"_s} << QStringList{u"golf"_s};
        QTest::newRow("alphabet, not code points")
            << QStringList{u"zoo|Émile|apple"_s} << QStringList{u"apple"_s, u"Émile"_s, u"zoo"_s};
        QTest::newRow("blank categories left out") << QStringList{u"   |Club"_s} << QStringList{u"Club"_s};
        QTest::newRow("e-mail and names are no categories") << QStringList{u"Work"_s} << QStringList{u"Work"_s};
    }
    void fromTheLists()
    {
        QFETCH(QStringList, contacts);
        QFETCH(QStringList, categories);
        QCOMPARE(bookcategories::of(listsWith(contacts)), categories);
    }

    void offered_data()
    {
        QTest::addColumn<QStringList>("book");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("offered");
        const QStringList book{u"Club"_s, u"Family"_s, u"Work"_s};
        QTest::newRow("nothing listed") << book << QStringList{} << book;
        QTest::newRow("listed ones left out")
            << book << QStringList{u"Work"_s, u"Friends"_s} << QStringList{u"Club"_s, u"Family"_s};
        QTest::newRow("whatever their letter case")
            << book << QStringList{u"family"_s, u"CLUB "_s} << QStringList{u"Work"_s};
        QTest::newRow("all listed") << book << book << QStringList{};
    }
    void offered()
    {
        QFETCH(QStringList, book);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, offered);
        QCOMPARE(bookcategories::notYetListed(book, listed), offered);
    }
};

QTEST_GUILESS_MAIN(TestBookCategories)
#include "test_bookcategories.moc"
