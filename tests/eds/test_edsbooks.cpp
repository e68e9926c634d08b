// Which of the desktop's address books are read, in which order, and how an item's identifier
// names its book and contact.

#include "contactclient/eds/edsbooks.h"

#include <QTest>

using namespace contactclient::eds;
using namespace Qt::StringLiterals;

namespace {

// "uid=Name" items; a leading "*" marks the default book.
QList<BookInfo> books(const QStringList& specs)
{
    QList<BookInfo> result;
    for (QString spec : specs) {
        BookInfo b;
        b.isDefault = spec.startsWith(QLatin1Char('*'));
        if (b.isDefault)
            spec.remove(0, 1);
        b.uid = spec.section(QLatin1Char('='), 0, 0);
        b.name = spec.section(QLatin1Char('='), 1);
        result.append(b);
    }
    return result;
}

QStringList ids(const char* commaSeparated)
{
    return QString::fromLatin1(commaSeparated).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QStringList uids(const QList<BookInfo>& list)
{
    QStringList result;
    for (const BookInfo& b : list)
        result.append(b.uid);
    return result;
}

} // namespace

class TestEdsBooks : public QObject {
    Q_OBJECT

private slots:
    void testChoice_data()
    {
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("unknown");

        const QStringList three{u"w=Work"_s, u"*p=Personal"_s, u"a=archive"_s};
        QTest::newRow("empty: all, default first, then by name") << three << QString() << ids("p,a,w") << ids("");
        QTest::newRow("star: all") << three << u" * "_s << ids("p,a,w") << ids("");
        QTest::newRow("blank entries ignored") << three << u" ; ;"_s << ids("p,a,w") << ids("");
        QTest::newRow("by name, letter case aside, in the setting's order")
            << three << u"work;PERSONAL"_s << ids("w,p") << ids("");
        QTest::newRow("by UID") << three << u"a"_s << ids("a") << ids("");
        QTest::newRow("UID before a name that spells it")
            << QStringList{u"x=a"_s, u"a=Other"_s} << u"a"_s << ids("a") << ids("");
        QTest::newRow("listed twice, read once") << three << u"Work;w;work"_s << ids("w") << ids("");
        QTest::newRow("unknown names kept for a note") << three << u"Nope;Work;Gone"_s << ids("w") << ids("Nope,Gone");
        QTest::newRow("nothing known") << three << u"Nope"_s << ids("") << ids("Nope");
        QTest::newRow("no books at all") << ids("") << QString() << ids("") << ids("");
        QTest::newRow("same name twice: the first in order")
            << QStringList{u"z=Team"_s, u"b=Team"_s} << u"team"_s << ids("b") << ids("");
        QTest::newRow("non-ASCII name") << QStringList{u"k=Kontakte Ä"_s} << u"kontakte ä"_s << ids("k") << ids("");
    }
    void testChoice()
    {
        QFETCH(QStringList, enabled);
        QFETCH(QString, setting);
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, unknown);
        const BookChoice choice = chooseBooks(books(enabled), setting);
        QCOMPARE(uids(choice.books), chosen);
        QCOMPARE(choice.unknown, unknown);
    }

    void testEntryId_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("contact");
        QTest::newRow("plain") << u"system-address-book/pas-id-1"_s << true << u"system-address-book"_s
                               << u"pas-id-1"_s;
        QTest::newRow("slash in the contact's UID") << u"b/https://x/y.vcf"_s << true << u"b"_s << u"https://x/y.vcf"_s;
        QTest::newRow("no slash") << u"pas-id-1"_s << false << QString() << QString();
        QTest::newRow("no book") << u"/pas-id-1"_s << false << QString() << QString();
        QTest::newRow("no contact") << u"book/"_s << false << QString() << QString();
        QTest::newRow("empty") << QString() << false << QString() << QString();
        QTest::newRow("a vCard file's identifier") << u"ann.vcf#2"_s << false << QString() << QString();
    }
    void testEntryId()
    {
        QFETCH(QString, id);
        QFETCH(bool, valid);
        QFETCH(QString, book);
        QFETCH(QString, contact);
        QString b;
        QString c;
        QCOMPARE(parseEntryId(id, b, c), valid);
        if (valid) {
            QCOMPARE(b, book);
            QCOMPARE(c, contact);
            QCOMPARE(entryId(b, c), id);
        }
    }
};

QTEST_APPLESS_MAIN(TestEdsBooks)
#include "test_edsbooks.moc"
