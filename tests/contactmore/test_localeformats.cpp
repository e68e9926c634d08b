// Dates and numbers in the user's locale: the contact count beside the lamp (shown and told to a
// screen reader) and the birthday on the card.

#include "actions/contactcard.h"
#include "contactmore/vcardcontact.h"
#include "support/barfixture.h"

#include <QAccessible>
#include <QLocale>
#include <QTest>

class TestLocaleFormats : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void contactCount_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("contacts");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("number"); // as the screen reader is told it
        QTest::newRow("English") << "en_US" << 1234 << "(1,234)"
                                 << "1,234";
        QTest::newRow("German") << "de_DE" << 1234 << "(1.234)"
                                << "1.234";
        QTest::newRow("French") << "fr_FR" << 1234 << QStringLiteral("(1\u202f234)") << QStringLiteral("1\u202f234");
        QTest::newRow("small count") << "de_DE" << 7 << "(7)"
                                     << "7";
    }
    void contactCount()
    {
        QFETCH(QString, locale);
        QFETCH(int, contacts);
        QFETCH(QString, shown);
        QFETCH(QString, number);
        QLocale::setDefault(QLocale(locale));
        BarFixture f;
        for (int i = 0; i < contacts; ++i)
            f.client.add(QStringLiteral("Name %1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("N %1").arg(i));
        frmMain& form = f.load();
        auto* count = form.findChild<QLabel*>(QStringLiteral("lblContactCount"));
        QTRY_COMPARE(count->text(), shown);
        const QString told = count->accessibleName();
        QVERIFY2(told.startsWith(number + QLatin1Char(' ')), qPrintable(told));
    }

    void birthdayOnTheCard_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("bday");
        QTest::addColumn<QString>("shown");
        QTest::newRow("English (US)") << "en_US"
                                      << "1985-04-12"
                                      << "April 12, 1985";
        QTest::newRow("German") << "de_DE"
                                << "1985-04-12"
                                << "12. April 1985";
        QTest::newRow("Russian, no year") << "ru_RU"
                                          << "--0412" << QStringLiteral("12 апреля");
        QTest::newRow("Spanish, no year") << "es_ES"
                                          << "--0412"
                                          << "12 de abril";
        QTest::newRow("Polish") << "pl_PL"
                                << "19850412"
                                << "12 kwietnia 1985";
    }
    void birthdayOnTheCard()
    {
        QFETCH(QString, locale);
        QFETCH(QString, bday);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(locale));
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*vcardContact(QStringLiteral("FN:Ann\nBDAY:") + bday));
        QCOMPARE(card.rows().size(), 1);
        QCOMPARE(card.rows().first()->lblValue->text(), shown);
    }
};

QTEST_MAIN(TestLocaleFormats)
#include "test_localeformats.moc"
