// Quick mail on a bar whose mail items are the real ones: a send that may pass is offered to the
// outbox, what waits goes out at start (asking first about a message that may have gone out),
// and the client transport hands the mail to the desktop's composer as a mailto: URL.

#include "actions/mailserver.h"
#include "actions/quickmail.h"
#include "actions/quickmailoutbox.h"
#include "mail/clientmailitem.h"
#include "mail/outbox.h"
#include "mail/outboxsender.h"
#include "support/barfixture.h"
#include "urlcatcher.h"
#include "window/statusline.h"

#include <QSignalSpy>
#include <QTest>

using Props = QMap<QString, QString>;

namespace {

// The fake address book, with mail items that build and send real messages.
class MailingApplication : public contactclient::Application {
public:
    MailingApplication(std::shared_ptr<contactclient::Application> inner, contactclient::DesktopHooks& desktop,
                       std::function<mail::MailAccount()> account)
        : m_inner(std::move(inner)), m_desktop(desktop), m_account(std::move(account))
    {
    }
    std::shared_ptr<contactclient::NameSpace> GetNamespace(const QString& type) override
    {
        m_ns = m_inner->GetNamespace(type);
        return m_ns;
    }
    std::unique_ptr<contactclient::MailItem> CreateItem(int) override
    {
        return std::make_unique<mail::ClientMailItem>(*m_ns, m_desktop, m_account);
    }

private:
    std::shared_ptr<contactclient::Application> m_inner;
    std::shared_ptr<contactclient::NameSpace> m_ns;
    contactclient::DesktopHooks& m_desktop;
    std::function<mail::MailAccount()> m_account;
};

} // namespace

class TestQuickMailOutbox : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<BarFixture> f;
    mail::MailAccount m_account;

    frmMain& load(const QList<bool>& answers = {})
    {
        f = std::make_unique<BarFixture>();
        MessageBox::setNextAnswers(answers);
        f->client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                      Props{{QStringLiteral("Email1DisplayName"), QStringLiteral("\"Smith, John\" <js@example.com>")},
                            {QStringLiteral("Email1Address"), QStringLiteral("js@example.com")}});
        f->adjustPlatform = [this](Platform& p) {
            auto reader = [this] { return m_account; };
            p.createContactClient = [this, reader](contactclient::DesktopHooks& desktop) {
                return std::make_shared<MailingApplication>(f->client.application(), desktop, reader);
            };
            p.mailAccount = reader;
        };
        frmMain& form = f->load();
        f->choose(f->client.contacts.first().entryId);
        return form;
    }
    mail::Outbox outbox() const { return mail::Outbox(m_account.outboxFolder); }
    QStringList boxes() const
    {
        QStringList texts;
        for (const MessageBox::Shown& s : MessageBox::shownInTest())
            texts.append(s.text);
        return texts;
    }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        m_account = smtpAccount(0);
        m_account.outboxFolder = m_tmp->filePath(QStringLiteral("outbox"));
    }
    void cleanup() { f.reset(); }

    void serverDown_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("kept in the outbox") << true;
        QTest::newRow("not kept") << false;
    }
    void serverDown()
    {
        QFETCH(bool, keep);
        m_account.smtpPort = QString::number(MailServer::closedPort());
        frmMain& form = load();
        QSignalSpy finished(form.quickMail(), &QuickMail::sendFinished);
        setText(form, "txtSubject", QStringLiteral("Hello"));
        ui<QPlainTextEdit>(form, "txtBody")->setPlainText(QStringLiteral("Text"));
        MessageBox::shownInTest().clear();
        MessageBox::setNextAnswers({keep});
        click(form, "cmdSendMail");

        QCOMPARE(finished.size(), 1);
        // One question, no second box on top of it.
        QCOMPARE(boxes().size(), 1);
        QVERIFY2(boxes().first().contains(QStringLiteral("cannot be reached")), qPrintable(boxes().first()));
        QVERIFY(boxes().first().contains(QStringLiteral("Keep it in the outbox?")));
        QCOMPARE(finished.first().first().toBool(), keep);
        QCOMPARE(outbox().count(), keep ? 1 : 0);
        QCOMPARE(ui<QLineEdit>(form, "txtSubject")->text(), keep ? QStringLiteral("Subject") : QStringLiteral("Hello"));
        if (keep) {
            QCOMPARE(form.status()->text(), QStringLiteral("1 message waiting to be sent"));
            QCOMPARE(form.outbox()->plannedRetrySeconds(), 30);
            QString why;
            QVERIFY(mail::readAll(*outbox().read(outbox().ids().first()).message, 1024 * 1024, &why)
                        .value_or(QByteArray())
                        .contains("Subject: Hello"));
        }
    }

    // The copy in Sent cannot be saved: the user is told, and the mail still counts as sent.
    void copyNotSaved()
    {
        MailServer server;
        QVERIFY(server.start());
        m_account.smtpPort = QString::number(server.port);
        m_account.saveSentCopy = QStringLiteral("imap");
        m_account.imapHost = QStringLiteral("127.0.0.1");
        m_account.imapPort = QString::number(MailServer::closedPort());
        m_account.imapSecurity = QStringLiteral("none");
        frmMain& form = load();
        QSignalSpy finished(form.quickMail(), &QuickMail::sendFinished);
        setText(form, "txtSubject", QStringLiteral("Hello"));
        MessageBox::shownInTest().clear();
        click(form, "cmdSendMail");
        QCOMPARE(server.received().size(), 1);
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished.first().first().toBool());
        QCOMPARE(ui<QLineEdit>(form, "txtSubject")->text(), QStringLiteral("Subject"));
        QCOMPARE(boxes().size(), 1);
        QVERIFY2(boxes().first().contains(QStringLiteral("The mail was sent, but no copy")),
                 qPrintable(boxes().first()));
        QVERIFY(boxes().first().contains(QStringLiteral("cannot be reached")));
        QCOMPARE(outbox().count(), 0);
    }

    // What waits goes out when the bar has started; a message that was being sent when the bar
    // stopped is only sent again when the user says so.
    void sentAtStart_data()
    {
        QTest::addColumn<bool>("inDoubt");
        QTest::addColumn<bool>("sendAgain");
        QTest::addColumn<int>("received");
        QTest::newRow("waiting") << false << false << 1;
        QTest::newRow("in doubt, sent again") << true << true << 1;
        QTest::newRow("in doubt, not sent again") << true << false << 0;
    }
    void sentAtStart()
    {
        QFETCH(bool, inDoubt);
        QFETCH(bool, sendAgain);
        QFETCH(int, received);
        MailServer server;
        QVERIFY(server.start());
        m_account.smtpPort = QString::number(server.port);
        const QString id = outbox().keep(QStringLiteral("me@example.org"), {QStringLiteral("js@example.com")},
                                         "To: js@example.com\r\nSubject: x\r\n\r\nText\r\n");
        if (inDoubt)
            outbox().markSending(id);
        load({sendAgain});
        QCOMPARE(server.received().size(), received);
        QCOMPARE(outbox().count(), 0);
        QCOMPARE(MessageBox::shownInTest().isEmpty(), !inDoubt);
        if (inDoubt)
            QVERIFY(boxes().first().contains(QStringLiteral("js@example.com")));
    }

    void clientTransport_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("url");
        QTest::newRow("plain") << "Hello"
                               << "Text" << QByteArray("mailto:js@example.com?subject=Hello&body=Text");
        QTest::newRow("reserved characters")
            << "A&B?C#D+E=F%G"
            << "1,2;3/4:5@6"
            << QByteArray("mailto:js@example.com?subject=A%26B%3FC%23D%2BE%3DF%25G&body=1%2C2%3B3%2F4%3A5%406");
        QTest::newRow("spaces, line breaks, non-ASCII")
            << "Grüße an alle"
            << "Zeile 1\nZeile 2"
            << QByteArray("mailto:js@example.com?subject=Gr%C3%BC%C3%9Fe%20an%20alle&body=Zeile%201%0D%0AZeile%202");
    }
    void clientTransport()
    {
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(QByteArray, url);
        m_account.transport = QStringLiteral("client");
        UrlCatcher catcher({QStringLiteral("mailto")});
        frmMain& form = load();
        QSignalSpy finished(form.quickMail(), &QuickMail::sendFinished);
        setText(form, "txtSubject", subject);
        ui<QPlainTextEdit>(form, "txtBody")->setPlainText(body);
        MessageBox::shownInTest().clear();
        click(form, "cmdSendMail");
        QTRY_COMPARE(catcher.urls.size(), 1); // the desktop is asked for a mail program first
        QCOMPARE(catcher.urls.first().toEncoded(), url);
        // As after a send: the area is cleared and nothing is reported.
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished.first().first().toBool());
        QCOMPARE(ui<QLineEdit>(form, "txtSubject")->text(), QStringLiteral("Subject"));
        QVERIFY(MessageBox::shownInTest().isEmpty());
    }
};

QTEST_MAIN(TestQuickMailOutbox)
#include "test_quickmailoutbox.moc"
