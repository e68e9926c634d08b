// The row that adds the box's text as a new contact: offered only where the address book takes new
// contacts and the text names nobody; its text a whole sentence however long or odd the box's text.

#include "entry/newcontactrow.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestNewContactRow : public QObject {
    Q_OBJECT

private slots:
    void offered_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("namesSomebody");
        QTest::addColumn<bool>("takesNew");
        QTest::addColumn<bool>("offered");
        QTest::newRow("a name of nobody") << u"Bo Ek"_s << false << true << true;
        QTest::newRow("an e-mail address") << u"bo@ek.example"_s << false << true << true;
        QTest::newRow("the name of a contact") << u"Lee, Ann"_s << true << true << false;
        QTest::newRow("a book that takes none") << u"Bo Ek"_s << false << false << false;
        QTest::newRow("blanks only") << u"   "_s << false << true << false;
        QTest::newRow("empty") << QString() << false << true << false;
    }
    void offered()
    {
        QFETCH(QString, text);
        QFETCH(bool, namesSomebody);
        QFETCH(bool, takesNew);
        QFETCH(bool, offered);
        QCOMPARE(newcontactrow::offered(text, namesSomebody, takesNew), offered);
    }

    void label_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label");
        QTest::newRow("as typed") << u"Bo Ek"_s << u"Add “Bo Ek” as a new contact…"_s;
        QTest::newRow("blanks around and inside") << u"  Bo \t Ek "_s << u"Add “Bo Ek” as a new contact…"_s;
        QTest::newRow("pasted line breaks") << u"Bo\nEk\r\n"_s << u"Add “Bo Ek” as a new contact…"_s;
        QTest::newRow("a placeholder stays text") << u"%1 %2"_s << u"Add “%1 %2” as a new contact…"_s;
        QTest::newRow("forty characters whole")
            << QString(40, u'x') << u"Add “"_s + QString(40, u'x') + u"” as a new contact…"_s;
        QTest::newRow("longer: shortened in the middle")
            << QString(26, u'a') + QString(100, u'b') + QString(13, u'c')
            << u"Add “"_s + QString(26, u'a') + u"…"_s + QString(13, u'c') + u"” as a new contact…"_s;
    }
    void label()
    {
        QFETCH(QString, text);
        QFETCH(QString, label);
        QCOMPARE(newcontactrow::label(text), label);
    }

    // A long text of characters outside the basic plane is never cut between the halves of one.
    void longTextKeepsWholeCharacters_data()
    {
        QTest::addColumn<int>("lead");
        for (int lead = 0; lead < 3; ++lead)
            QTest::addRow("%d letters first", lead) << lead;
    }
    void longTextKeepsWholeCharacters()
    {
        QFETCH(int, lead);
        QString text(lead, u'a');
        for (int i = 0; i < 60; ++i)
            text += u"😀"_s;
        const QString shown = newcontactrow::label(text);
        QVERIFY(shown.contains(u'…'));
        QVERIFY(shown.size() < text.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (shown.at(i).isHighSurrogate())
                QVERIFY2(i + 1 < shown.size() && shown.at(i + 1).isLowSurrogate(), qPrintable(shown));
            else
                QVERIFY2(!shown.at(i).isLowSurrogate() || (i > 0 && shown.at(i - 1).isHighSurrogate()),
                         qPrintable(shown));
        }
    }
};

QTEST_GUILESS_MAIN(TestNewContactRow)
#include "test_newcontactrow.moc"
