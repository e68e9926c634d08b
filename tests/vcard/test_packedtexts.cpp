// The packed text lists the folder snapshot and the contact lists keep their names in.

#include "compacttexts.h"
#include "packedtexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPackedTexts : public QObject {
    Q_OBJECT

private slots:
    void testTextsComeBackAsAdded_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("wide"); // whether CompactTexts ends two bytes a letter
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("ASCII file names") << QStringList{u"a.vcf"_s, u"b.vcf"_s, u"0001-ab.vcf"_s} << false;
        QTest::newRow("empty texts among others") << QStringList{u""_s, u"x"_s, u""_s, u""_s} << false;
        QTest::newRow("Latin-1 beyond ASCII") << QStringList{u"Müller.vcf"_s, u"\u00ff"_s, u"é"_s} << false;
        QTest::newRow("wide from the first") << QStringList{u"Νικολάου"_s, u"a"_s, u""_s} << true;
        QTest::newRow("wide in the middle: the earlier ones move")
            << QStringList{u"a.vcf"_s, u"Ж.vcf"_s, u"ß"_s, u""_s} << true;
        QTest::newRow("wide at the end") << QStringList{u"a"_s, u"b"_s, u"\U0001F600.vcf"_s} << true;
        QTest::newRow("a lone surrogate half") << QStringList{u"x"_s, QString(QChar(0xD800)), u"y"_s} << true;
    }
    void testTextsComeBackAsAdded()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, wide);
        PackedTexts packed;
        CompactTexts compact;
        packed.reserve(1, 1); // less than needed: they grow
        compact.reserve(1, 1);
        for (const QString& t : texts) {
            packed.append(t);
            compact.append(t);
        }
        packed.squeeze();
        compact.squeeze();
        QCOMPARE(packed.count(), texts.size());
        QCOMPARE(compact.count(), texts.size());
        QCOMPARE(packed.toList(), texts);
        QCOMPARE(compact.toList(), texts);
        QCOMPARE(compact.isWide(), wide);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QCOMPARE(packed.view(i), QStringView(texts[i]));
            QCOMPARE(compact.length(i), texts[i].size());
            QVERIFY(compact.equals(i, texts[i]));
            // Neither a neighbour's text nor a text one letter longer or shorter is equal.
            QVERIFY(!compact.equals(i, QString(texts[i] + u'a')));
            if (!texts[i].isEmpty())
                QVERIFY(!compact.equals(i, texts[i].chopped(1)));
        }
    }

    // A text compares as its letters, whether kept one or two bytes a letter: a letter beyond
    // Latin-1 never equals the Latin-1 letter it would be cut to.
    void testEqualsAcrossWidths_data()
    {
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same ASCII") << u"a.vcf"_s << u"a.vcf"_s << true;
        QTest::newRow("letter case counts") << u"a.vcf"_s << u"A.vcf"_s << false;
        QTest::newRow("Latin-1 held, the same asked") << u"é"_s << u"é"_s << true;
        QTest::newRow("Latin-1 held, U+0101 asked") << u"\u00e9"_s << u"\u01e9"_s << false;
        QTest::newRow("U+0100 is not its low byte") << u"\u0001"_s << u"\u0101"_s << false;
    }
    void testEqualsAcrossWidths()
    {
        QFETCH(QString, held);
        QFETCH(QString, asked);
        QFETCH(bool, equal);
        CompactTexts compact;
        compact.append(held);
        QCOMPARE(compact.equals(0, asked), equal);
    }
};

QTEST_GUILESS_MAIN(TestPackedTexts)
#include "test_packedtexts.moc"
