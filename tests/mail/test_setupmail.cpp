// Quintel Setup's mail page against a real dovecot: "Test connection" of the IMAP account for
// the copy in Sent; and the outbox's state as the page shows it.

#include "imapserver.h"
#include "mail/outbox.h"
#include "setup/connectionchecks.h"
#include "setupfixture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace setuptest;

class TestSetupMail : public QObject {
    Q_OBJECT

private slots:
    void testConnection_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message");
        QTest::newRow("names the Sent folder") << ImapServer::password << true << "\"Sent Messages\"";
        QTest::newRow("wrong password") << "wrong" << false << "refused the user name or password";
    }
    void testConnection()
    {
        QFETCH(QString, password);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        ImapServer imap;
        QVERIFY(imap.start({}));
        SetupSettings s = withCopy();
        s.imapHost = QStringLiteral("127.0.0.1");
        s.imapPort = imap.port;
        s.imapSecurity = QStringLiteral("none");
        s.imapUser = ImapServer::user;
        const setup::CheckResult result = setup::testImapConnection(s, password);
        QCOMPARE(result.ok, ok);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
    }

    void outboxState()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("outbox"));
        QCOMPARE(setup::outboxState(folder), QStringLiteral("Outbox: no mail is waiting to be sent."));
        mail::Outbox(folder).keep(QString(), {QStringLiteral("a@example.org")}, "Subject: x\r\n\r\nx\r\n");
        QVERIFY(setup::outboxState(folder).startsWith(QStringLiteral("Outbox: 1 message waiting to be sent")));
    }
};

QTEST_GUILESS_MAIN(TestSetupMail)
#include "test_setupmail.moc"
