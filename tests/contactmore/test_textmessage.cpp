// Text messages from the call window: offered for mobile numbers only, handed to the desktop's
// program for sms: links, and a word to the user when the desktop has none.

#include "actions/callwindow.h"
#include "actions/dialnumbers.h"
#include "actions/urllauncher.h"
#include "support/barfixture.h"
#include "support/urlcatcher.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

using Props = QMap<QString, QString>;

class TestTextMessage : public QObject {
    Q_OBJECT
private slots:
    void smsUrl_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("url");
        QTest::newRow("spaces go") << "+1 555 0101"
                                   << "sms:+15550101";
        QTest::newRow("separators kept") << "+49 (30) 1234-56"
                                         << "sms:+49(30)1234-56";
        QTest::newRow("nothing to send to") << "n/a"
                                            << "";
    }
    void smsUrl()
    {
        QFETCH(QString, number);
        QFETCH(QString, url);
        QCOMPARE(QString::fromUtf8(dialing::smsUrl(number).toEncoded()), url);
    }

    void offeredForMobileNumbersOnly_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("offered");
        QTest::newRow("mobile") << 0 << true;
        QTest::newRow("business") << 1 << false;
    }
    void offeredForMobileNumbersOnly()
    {
        QFETCH(int, row);
        QFETCH(bool, offered);
        BarFixture f;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                     Props{{QStringLiteral("MobileTelephoneNumber"), QStringLiteral("+1 555 0101")},
                           {QStringLiteral("BusinessTelephoneNumber"), QStringLiteral("+1 555 0102")}});
        frmMain& form = f.load();
        f.choose(QStringLiteral("id1"));
        CallWindow window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.setContact(*form.session()->currentContact());
        QCOMPARE(window.lstNumbers->count(), 2);
        window.lstNumbers->setCurrentRow(row);
        QCOMPARE(window.cmdSms->isEnabled(), offered);
    }

    void handOff_data()
    {
        QTest::addColumn<int>("desktop");
        QTest::addColumn<QString>("said");
        QTest::newRow("messaging program registered") << int(UrlCatcher::Desktop::Registered) << QString();
        QTest::newRow("no messaging program") << int(UrlCatcher::Desktop::NoProgram)
                                              << QStringLiteral("No messaging program could be opened for sms: links.");
    }
    void handOff()
    {
        QFETCH(int, desktop);
        QFETCH(QString, said);
        BarFixture f;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                     Props{{QStringLiteral("MobileTelephoneNumber"), QStringLiteral("+1 555 0101")}});
        frmMain& form = f.load();
        MessageBox::shownInTest().clear();
        UrlCatcher catcher({QStringLiteral("sms")}, UrlCatcher::Desktop(desktop));
        f.choose(QStringLiteral("id1"));
        CallWindow window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.setContact(*form.session()->currentContact());
        QVERIFY(window.cmdSms->isEnabled());
        QSignalSpy done(window.launcher, &UrlLauncher::done);
        window.cmdSms->click();
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done.first().at(1).toBool(), said.isEmpty());
        if (said.isEmpty()) {
            QCOMPARE(catcher.urls.size(), 1);
            QCOMPARE(catcher.urls.first(), QUrl(QStringLiteral("sms:+15550101")));
        } else {
            QCOMPARE(catcher.urls.size(), 0);
            QCOMPARE(MessageBox::shownInTest().size(), 1);
            QCOMPARE(MessageBox::shownInTest().first().text, said);
        }
    }
};

QTEST_MAIN(TestTextMessage)
#include "test_textmessage.moc"
