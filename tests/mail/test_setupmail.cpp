// Quintel Setup's mail page: the mail program as transport, the IMAP account for the copy in Sent
// (saved, refused when unusable, its password in the keyring, "Test connection" against a real
// dovecot) and the outbox's state.

#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "imapserver.h"
#include "mail/outbox.h"
#include "setup/connectionchecks.h"
#include "setup/keyring.h"
#include "setup/setupapply.h"

#include <QTemporaryDir>
#include <QTest>

using setup::SetupSettings;
Q_DECLARE_METATYPE(setup::SetupSettings)

namespace {

SetupSettings withCopy()
{
    SetupSettings s;
    s.mail = SetupSettings::Mail::Smtp;
    s.smtpHost = QStringLiteral("smtp.example.org");
    s.smtpUser = QStringLiteral("ann");
    s.mailFrom = QStringLiteral("ann@example.org");
    s.saveSentCopy = true;
    s.imapHost = QStringLiteral("imap.example.org");
    s.imapUser = QStringLiteral("ann");
    return s;
}

QMap<QString, QString> mailKeys(const fake::MemorySettingsStore& store)
{
    QMap<QString, QString> keys;
    for (auto it = store.values.cbegin(); it != store.values.cend(); ++it) {
        const QString key = it.key().section(QLatin1Char('/'), 1);
        if (key.startsWith(QStringLiteral("Imap")) || key == QStringLiteral("SaveSentCopy") ||
            key == QStringLiteral("MailTransport"))
            keys.insert(key, it.value());
    }
    return keys;
}

} // namespace

class TestSetupMail : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Saving a vCard address book makes the default folder: in a home of the test's own.
        QVERIFY(m_home.isValid());
        qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
    }

    void saved_data()
    {
        QTest::addColumn<SetupSettings>("settings");
        QTest::addColumn<QStringList>("keys"); // Key=value of the mail transport and IMAP keys

        SetupSettings client;
        client.mail = SetupSettings::Mail::Client;
        QTest::newRow("mail program") << client << QStringList{QStringLiteral("MailTransport=client")};
        QTest::newRow("copy in Sent over TLS")
            << withCopy()
            << QStringList{QStringLiteral("ImapHost=imap.example.org"), QStringLiteral("ImapPort=993"),
                           QStringLiteral("ImapSecurity=tls"),          QStringLiteral("ImapUser=ann"),
                           QStringLiteral("MailTransport=smtp"),        QStringLiteral("SaveSentCopy=imap")};
        SetupSettings starttls = withCopy();
        starttls.imapSecurity = QStringLiteral("starttls");
        starttls.imapPort = 1143;
        QTest::newRow("copy in Sent, STARTTLS on its own port")
            << starttls
            << QStringList{QStringLiteral("ImapHost=imap.example.org"), QStringLiteral("ImapPort=1143"),
                           QStringLiteral("ImapSecurity=starttls"),     QStringLiteral("ImapUser=ann"),
                           QStringLiteral("MailTransport=smtp"),        QStringLiteral("SaveSentCopy=imap")};
    }
    void saved()
    {
        QFETCH(SetupSettings, settings);
        QFETCH(QStringList, keys);
        fake::MemorySettingsStore store;
        settings.save(store);
        QStringList written;
        const QMap<QString, QString> k = mailKeys(store);
        for (auto it = k.cbegin(); it != k.cend(); ++it)
            written.append(it.key() + QLatin1Char('=') + it.value());
        QCOMPARE(written, keys);

        const SetupSettings back = SetupSettings::load(store);
        QCOMPARE(back.mail, settings.mail);
        QCOMPARE(back.saveSentCopy, settings.saveSentCopy);
        QCOMPARE(back.imapSecurity, settings.imapSecurity);
        QCOMPARE(back.effectiveImapPort(), settings.effectiveImapPort());
    }

    void copyTurnedOff()
    {
        fake::MemorySettingsStore store;
        SetupSettings s = withCopy();
        s.save(store);
        s.saveSentCopy = false;
        s.save(store);
        QVERIFY(!SetupSettings::load(store).saveSentCopy);
        QCOMPARE(store.values.value(QStringLiteral("ContactClient/SaveSentCopy")), QString());
    }

    void imapProblems_data()
    {
        QTest::addColumn<SetupSettings>("settings");
        QTest::addColumn<QString>("problem"); // a part of the text; empty: none
        QTest::newRow("usable") << withCopy() << QString();
        SetupSettings s = withCopy();
        s.imapHost.clear();
        QTest::newRow("no host") << s << "IMAP server's host name";
        s = withCopy();
        s.imapHost = QStringLiteral("imap.example.org/x");
        QTest::newRow("host with a path") << s << "not valid";
        s = withCopy();
        s.imapSecurity = QStringLiteral("none");
        QTest::newRow("unencrypted to another host") << s << "without encryption";
        s.imapHost = QStringLiteral("localhost");
        QTest::newRow("unencrypted to this computer") << s << QString();
        s = withCopy();
        s.imapUser.clear();
        QTest::newRow("no user") << s << "IMAP user name";
        s = withCopy();
        s.imapHost.clear();
        s.saveSentCopy = false;
        QTest::newRow("no copy: IMAP fields not needed") << s << QString();
        s.saveSentCopy = true;
        s.mail = SetupSettings::Mail::Client;
        QTest::newRow("mail program: no copy made") << s << QString();
    }
    void imapProblems()
    {
        QFETCH(SetupSettings, settings);
        QFETCH(QString, problem);
        const QString found = settings.problem();
        if (problem.isEmpty())
            QVERIFY2(found.isEmpty(), qPrintable(found));
        else
            QVERIFY2(found.contains(problem), qPrintable(found));
    }

    void imapPasswordInKeyring()
    {
        fake::MemorySettingsStore store;
        FakeKeyring keyring;
        setup::SetupInput input;
        input.settings = withCopy();
        input.imapPassword = QStringLiteral("imap-secret");
        QVERIFY(setup::applySetup(input, store, keyring, QString()).saved());
        QCOMPARE(keyring.entries.value(QStringLiteral("imap:ann@imap.example.org")), QStringLiteral("imap-secret"));
        for (const QString& value : std::as_const(store.values))
            QVERIFY(!value.contains(QStringLiteral("imap-secret")));
    }

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

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestSetupMail)
#include "test_setupmail.moc"
