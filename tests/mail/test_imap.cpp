// The copy of a sent mail in the user's Sent folder: the folder chosen from a LIST answer, and
// real sends through an SMTP server with the copy appended on a dovecot started by the test.

#include "actions/mailserver.h"
#include "clientkeyring.h"
#include "contactclient/clientconfig.h"
#include "contactclient/errors.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingclient.h"
#include "imapserver.h"
#include "mail/clientmailitem.h"
#include "mail/imapclient.h"
#include "mail/mailaccount.h"
#include "mail/sentcopy.h"

#include <QTest>

using contactclient::AutomationError;

class TestImap : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tmp;
    fake::RecordingClient m_client;

private slots:
    void initTestCase() { QVERIFY(makeCertificate(m_tmp)); }

    void sentFolder_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("folder");
        QTest::newRow("marked folder wins over the name")
            << QByteArray("* LIST (\\HasNoChildren) \"/\" Sent\r\n"
                          "* LIST (\\HasNoChildren \\Sent) \"/\" \"Sent Messages\"\r\n"
                          "* LIST () \"/\" INBOX\r\n")
            << QStringLiteral("Sent Messages");
        QTest::newRow("attribute letter case ignored")
            << QByteArray("* LIST (\\sent) \".\" \"INBOX.Gesendet\"\r\n") << QStringLiteral("INBOX.Gesendet");
        QTest::newRow("quoted name with escapes")
            << QByteArray("* LIST (\\Sent) \"/\" \"My \\\"Sent\\\" \\\\ Box\"\r\n")
            << QStringLiteral("My \"Sent\" \\ Box");
        QTest::newRow("no mark: a folder called sent, its spelling kept")
            << QByteArray("* LIST () \"/\" INBOX\r\n* LIST () \"/\" SENT\r\n") << QStringLiteral("SENT");
        QTest::newRow("nothing fits: Sent") << QByteArray("* LIST () \"/\" INBOX\r\n") << QStringLiteral("Sent");
        QTest::newRow("NIL delimiter") << QByteArray("* LIST (\\Sent) NIL Outgoing\r\n") << QStringLiteral("Outgoing");
        QTest::newRow("name sent as a literal is skipped")
            << QByteArray("* LIST (\\Sent) \"/\" {4}\r\n* LIST () \"/\" INBOX\r\n") << QStringLiteral("Sent");
        QTest::newRow("other untagged lines ignored")
            << QByteArray("* OK [CAPABILITY IMAP4rev1] ready\r\n* STATUS Sent (MESSAGES 2)\r\n")
            << QStringLiteral("Sent");
        QTest::newRow("empty answer") << QByteArray() << QStringLiteral("Sent");
    }
    void sentFolder()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, folder);
        QCOMPARE(mail::chooseSentFolder(mail::parseListResponse(answer)), folder);
    }

    void mailboxDisplayName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Sent Messages"
                               << "Sent Messages";
        QTest::newRow("accented") << "Envoy&AOk-s"
                                  << "Envoyés";
        QTest::newRow("ampersand") << "Tom &- Jerry"
                                   << "Tom & Jerry";
        QTest::newRow("non-Latin") << "&BB4EQgQ,BEAEMAQyBDsENQQ9BD0ESwQ1-"
                                   << "Отправленные";
        QTest::newRow("unterminated shift kept") << "A&B"
                                                 << "A&B";
    }
    void mailboxDisplayName()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(mail::displayName(name), shown);
    }

    void imapUrl_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("security");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("url"); // empty: refused
        QTest::newRow("tls default port") << "imap.example.org"
                                          << "tls" << 0 << "imaps://imap.example.org:993/";
        QTest::newRow("starttls default port") << "imap.example.org"
                                               << "starttls" << 0 << "imap://imap.example.org:143/";
        QTest::newRow("plain to loopback") << "127.0.0.1"
                                           << "none" << 1430 << "imap://127.0.0.1:1430/";
        QTest::newRow("plain to another host refused") << "imap.example.org"
                                                       << "none" << 0 << "";
        QTest::newRow("unknown security refused") << "imap.example.org"
                                                  << "ssl" << 0 << "";
        QTest::newRow("host with a path refused") << "evil.org/x"
                                                  << "tls" << 0 << "";
        QTest::newRow("no host refused") << ""
                                         << "tls" << 0 << "";
        QTest::newRow("IPv6 in brackets") << "::1"
                                          << "none" << 143 << "imap://[::1]:143/";
    }
    void imapUrl()
    {
        QFETCH(QString, host);
        QFETCH(QString, security);
        QFETCH(int, port);
        QFETCH(QString, url);
        mail::ImapSettings s;
        s.host = host;
        s.security = security;
        s.port = port;
        try {
            QCOMPARE(mail::ImapClient(s).url(), url);
        } catch (const AutomationError& e) {
            QVERIFY2(url.isEmpty(), qPrintable(e.description()));
        }
    }

    void accountFromSettings()
    {
        fake::MemorySettingsStore store;
        auto set = [&store](const QString& key, const QString& value) {
            store.values.insert(contactclient::kClientSection + QLatin1Char('/') + key, value);
        };
        set(contactclient::key::MailTransport, QStringLiteral("smtp"));
        set(mail::key::SaveSentCopy, QStringLiteral(" IMAP "));
        set(mail::key::ImapHost, QStringLiteral("imap.example.org"));
        set(mail::key::ImapUser, QStringLiteral("me"));
        QMap<QString, QString> keys{{QStringLiteral("imap:me@imap.example.org"), QStringLiteral("pw")}};
        const ClientKeyring keyring(keys);
        const mail::MailAccount a = mail::readMailAccount(store);
        QVERIFY(mail::savesSentCopy(a));
        QCOMPARE(a.imapPassword, QStringLiteral("pw"));
        QCOMPARE(a.imapSecurity, QStringLiteral("tls"));
        QVERIFY(a.outboxFolder.endsWith(QStringLiteral("/Quintel/outbox")));
    }

    void copyInSent_data()
    {
        QTest::addColumn<QString>("serverSent"); // the special-use folder; empty: none
        QTest::addColumn<bool>("tls");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("copyIn"); // folder the copy lands in; empty: none
        QTest::addColumn<QString>("notice"); // part of what the user is told; empty: nothing
        QTest::newRow("special-use folder")
            << "Sent Messages" << false << true << ImapServer::password << "Sent Messages"
            << "";
        QTest::newRow("no Sent folder: Sent") << "" << false << true << ImapServer::password << "Sent"
                                              << "";
        QTest::newRow("over TLS with its own CA")
            << "Sent Messages" << true << true << ImapServer::password << "Sent Messages"
            << "";
        QTest::newRow("wrong password") << "Sent Messages" << false << true << "wrong"
                                        << ""
                                        << "refused the user name or password";
        QTest::newRow("untrusted certificate") << "Sent Messages" << true << false << ImapServer::password << ""
                                               << "not trusted";
    }
    void copyInSent()
    {
        QFETCH(QString, serverSent);
        QFETCH(bool, tls);
        QFETCH(bool, trusted);
        QFETCH(QString, password);
        QFETCH(QString, copyIn);
        QFETCH(QString, notice);

        MailServer smtp;
        QVERIFY(smtp.start());
        ImapServer imap;
        ImapServer::Options options;
        options.sentFolder = serverSent;
        if (tls) {
            options.certificate = m_tmp.filePath(QStringLiteral("cert.pem"));
            options.key = m_tmp.filePath(QStringLiteral("key.pem"));
        }
        QVERIFY(imap.start(options));

        mail::MailAccount account = smtpAccount(smtp.port);
        account.saveSentCopy = QStringLiteral("imap");
        account.imapHost = tls ? QStringLiteral("localhost") : QStringLiteral("127.0.0.1");
        account.imapPort = QString::number(tls ? imap.tlsPort : imap.port);
        account.imapSecurity = tls ? QStringLiteral("tls") : QStringLiteral("none");
        account.imapUser = ImapServer::user;
        account.imapPassword = password;
        if (trusted)
            account.imapCaFile = m_tmp.filePath(QStringLiteral("cert.pem"));

        auto ns = m_client.application()->GetNamespace(QStringLiteral("MAPI"));
        mail::ClientMailItem item(*ns, contactclient::noDesktop(), [account] { return account; });
        item.setTo(QStringLiteral("\"Smith, John\" <js@example.com>"));
        item.setSubject(QStringLiteral("Grüße"));
        item.setBody(QStringLiteral("Line one\nLine two\n"));
        item.Send(); // the mail counts as sent whatever happens to the copy

        QCOMPARE(smtp.received().size(), 1);
        if (notice.isEmpty()) {
            QVERIFY2(item.sendNotice().isEmpty(), qPrintable(item.sendNotice()));
        } else {
            QVERIFY2(item.sendNotice().contains(notice), qPrintable(item.sendNotice()));
            QVERIFY(!item.sendNotice().contains(password));
        }
        const QStringList copies = copyIn.isEmpty() ? QStringList() : imap.messages(copyIn);
        if (copyIn.isEmpty()) {
            QCOMPARE(imap.messages(QStringLiteral("Sent Messages")).size(), 0);
            QCOMPARE(imap.messages(QStringLiteral("Sent")).size(), 0);
            return;
        }
        QCOMPARE(copies.size(), 1);
        // Byte for byte the message the SMTP server took, and marked as read.
        QCOMPARE(ImapServer::read(copies.first()), smtp.message(0));
        QVERIFY2(copies.first().endsWith(QStringLiteral(",S")), qPrintable(copies.first()));
    }

    void sentFolderOfServer()
    {
        ImapServer imap;
        ImapServer::Options options;
        options.sentFolder = QStringLiteral("Envoyés");
        QVERIFY(imap.start(options));
        mail::ImapSettings s;
        s.host = QStringLiteral("127.0.0.1");
        s.port = imap.port;
        s.security = QStringLiteral("none");
        s.user = ImapServer::user;
        s.password = ImapServer::password;
        // The server's own (modified UTF-7) spelling: it is what APPEND must name.
        QCOMPARE(mail::ImapClient(s).sentFolder(), QStringLiteral("Envoy&AOk-s"));
    }
};

QTEST_GUILESS_MAIN(TestImap)
#include "test_imap.moc"
