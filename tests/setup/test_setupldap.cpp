// The company directory in Quintel Setup: keys set by hand kept, "Test connection" against a real slapd on 127.0.0.1
// (past the server's size limit, bound and anonymous, wrong password, a base that is not there, a server that is not
// there, TLS with and without the company's CA), the window staying usable while it counts, and the bar's own store
// opening the directory from what the set-up wrote.

#include "../ldap/slapdserver.h"
#include "clientkeyring.h"
#include "contactclient/books/bookconfig.h"
#include "contactclient/ldap/ldapstore.h"
#include "desktop/messagebox.h"
#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "settingsstore.h"
#include "setup/connectionchecks.h"
#include "setup/keyring.h"
#include "setup/setupapply.h"
#include "setup/setupwindow.h"
#include "setupfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using namespace setuptest;

namespace {

constexpr int kPeople = 620; // past the server's size limit of 500

QByteArray people(int count)
{
    QByteArray ldif;
    for (int i = 1; i <= count; ++i)
        ldif += personLdif(QStringLiteral("u%1").arg(i), QStringLiteral("Given%1").arg(i), QStringLiteral("Family"),
                           QStringLiteral("mail: u%1@example.com\n").arg(i));
    return ldif + "dn: cn=Team,dc=example,dc=com\nobjectClass: groupOfNames\ncn: Team\n"
                  "member: uid=u1,dc=example,dc=com\n\n";
}

} // namespace

class TestSetupLdap : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("LDAPNOINIT", "1"); // the machine's ldap.conf and ~/.ldaprc play no part
        MessageBox::setTestMode(true);
        QVERIFY2(m_server.load(people(kPeople)), qPrintable(m_server.error()));
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
    }

    void init() { contactclient::carddav::setKeyring(nullptr); }

    void handSetKeysSurviveASave()
    {
        // The filter, the company's CA and StartTLS here are set by hand; the window neither shows nor loses them.
        fake::MemorySettingsStore store;
        const auto set = [&store](const QString& key, const QString& value) {
            store.values.insert(QStringLiteral("ContactClient/") + key, value);
        };
        set(QStringLiteral("Backend"), QStringLiteral("ldap"));
        set(QStringLiteral("LdapUrl"), QStringLiteral("ldap://127.0.0.1:3389"));
        set(QStringLiteral("LdapBaseDn"), QStringLiteral("ou=staff,dc=example,dc=com"));
        set(QStringLiteral("LdapFilter"), QStringLiteral("(objectClass=person)"));
        set(QStringLiteral("LdapCaFile"), QStringLiteral("/etc/company-ca.pem"));
        set(QStringLiteral("LdapStartTls"), QStringLiteral("yes"));
        fake::MemorySettingsStore before = store;

        FakeKeyring keyring;
        setup::SetupWindow w(store, keyring);
        QVERIFY(ui<QRadioButton>(w, "optLdap")->isChecked());
        QCOMPARE(ui<QLineEdit>(w, "txtLdapUrl")->text(), QStringLiteral("ldap://127.0.0.1:3389"));
        QCOMPARE(ui<QLineEdit>(w, "txtLdapBaseDn")->text(), QStringLiteral("ou=staff,dc=example,dc=com"));
        QVERIFY(!ui<QLineEdit>(w, "txtLdapPassword")->isEnabled()); // anonymous: no password to give
        const SetupSettings shown = w.input().settings;
        QCOMPARE(shown.ldapFilter, QStringLiteral("(objectClass=person)"));
        QCOMPARE(shown.ldapCaFile, QStringLiteral("/etc/company-ca.pem"));
        QVERIFY(shown.ldapStartTlsHere);
        QVERIFY(setup::applySetup(w.input(), store, keyring, QStringLiteral("quintel")).saved());
        for (const QString& key :
             {QStringLiteral("ContactClient/LdapFilter"), QStringLiteral("ContactClient/LdapCaFile"),
              QStringLiteral("ContactClient/LdapStartTls")})
            QCOMPARE(store.values.value(key), before.values.value(key));
    }

    void testConnection_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("bindDn");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message"); // a part of it

        const QString everyone = QStringLiteral("Connected: found %1 entries.").arg(kPeople + 1);
        const QString url = m_server.url();
        const QString base = SlapdServer::kBase;
        const QString reader = SlapdServer::kReaderDn;
        QTest::newRow("anonymous, past the size limit") << url << base << QString() << QString() << true << everyone;
        QTest::newRow("bound") << url << base << reader << SlapdServer::kReaderPassword << true << everyone;
        QTest::newRow("one entry") << url << QStringLiteral("uid=u7,dc=example,dc=com") << QString() << QString()
                                   << true << QStringLiteral("Connected: found 1 entry.");
        QTest::newRow("nobody below the base") << url << QStringLiteral("cn=reader,dc=example,dc=com") << QString()
                                               << QString() << true << QStringLiteral("no people or groups were found");
        QTest::newRow("wrong password") << url << base << reader << QStringLiteral("guess") << false
                                        << QStringLiteral("refused the name or password of cn=reader");
        QTest::newRow("no password") << url << base << reader << QString() << false
                                     << QStringLiteral("Enter the password of cn=reader");
        QTest::newRow("base not there") << url << QStringLiteral("dc=example,dc=org") << QString() << QString() << false
                                        << QStringLiteral("has no entry dc=example,dc=org: check the base");
        // A port nobody listens on.
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const QString nobody = QStringLiteral("ldap://127.0.0.1:%1").arg(probe.serverPort());
        probe.close();
        QTest::newRow("server not reachable")
            << nobody << base << QString() << QString() << false << QStringLiteral("cannot be reached");
    }
    void testConnection()
    {
        QFETCH(QString, url);
        QFETCH(QString, base);
        QFETCH(QString, bindDn);
        QFETCH(QString, password);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        SetupSettings s = directory(url, bindDn);
        s.ldapBaseDn = base;
        const setup::CheckResult result = setup::testLdapConnection(s, password);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(result.ok, ok);
    }

    void secureConnections_data()
    {
        QTest::addColumn<bool>("ldaps");
        QTest::addColumn<bool>("withCa");
        QTest::addColumn<bool>("ok");
        QTest::newRow("ldaps with the company's CA") << true << true << true;
        QTest::newRow("ldaps, certificate not trusted") << true << false << false;
        QTest::newRow("StartTLS with the company's CA") << false << true << true;
        QTest::newRow("StartTLS, certificate not trusted") << false << false << false;
    }
    void secureConnections()
    {
        QFETCH(bool, ldaps);
        QFETCH(bool, withCa);
        QFETCH(bool, ok);
        if (!m_tls) {
            m_tls = std::make_unique<SlapdServer>(SlapdServer::Options{500, true, true});
            QVERIFY2(m_tls->load(personLdif(QStringLiteral("ada"), QStringLiteral("Ada"), QStringLiteral("Lovelace"))),
                     qPrintable(m_tls->error()));
            QVERIFY2(m_tls->start(), qPrintable(m_tls->error()));
        }
        const SlapdServer& tls = *m_tls;
        SetupSettings s = directory(ldaps ? tls.ldapsUrl() : tls.url());
        s.ldapStartTlsHere = !ldaps; // StartTLS is asked for on this computer
        if (withCa)
            s.ldapCaFile = tls.caFile();
        const setup::CheckResult result = setup::testLdapConnection(s, QString());
        QCOMPARE(result.ok, ok);
        if (ok)
            QCOMPARE(result.message, QStringLiteral("Connected: found 1 entry."));
        else
            QVERIFY2(result.message.contains(QStringLiteral("secure connection")), qPrintable(result.message));
    }

    void windowCountsWithoutFreezing()
    {
        fake::MemorySettingsStore store;
        FakeKeyring keyring;
        keyring.entries.insert(setup::ldapPasswordKey(SlapdServer::kReaderDn, m_server.url()),
                               SlapdServer::kReaderPassword);
        setup::SetupWindow w(store, keyring);
        w.show();
        QSignalSpy finished(&w, &setup::SetupWindow::checkFinished);

        click(w, "optLdap");
        QVERIFY(ui<QLineEdit>(w, "txtLdapUrl")->isEnabled());
        QVERIFY(!ui<QLineEdit>(w, "txtCardDavUrl")->isEnabled());
        setText(w, "txtLdapUrl", m_server.url());
        setText(w, "txtLdapBaseDn", SlapdServer::kBase);
        setText(w, "txtLdapBindDn", SlapdServer::kReaderDn);
        QVERIFY(ui<QLineEdit>(w, "txtLdapPassword")->isEnabled());
        // The password field is empty: the keyring's is used.
        click(w, "cmdTestConnection");
        QCOMPARE(ui<QLabel>(w, "lblAddressBookResult")->text(), QStringLiteral("Connecting…"));
        QVERIFY(
            !ui<QPushButton>(w, "cmdTestConnection")->isEnabled()); // one check at a time; the window goes on answering
        QVERIFY(finished.wait(30000));
        QCOMPARE(ui<QLabel>(w, "lblAddressBookResult")->text(),
                 QStringLiteral("Connected: found %1 entries.").arg(kPeople + 1));
        QVERIFY(ui<QPushButton>(w, "cmdTestConnection")->isEnabled());
        QVERIFY(store.writes.isEmpty()); // checking saves nothing

        // A password typed in the window is the one tried.
        setText(w, "txtLdapPassword", QStringLiteral("guess"));
        click(w, "cmdTestConnection");
        QVERIFY(finished.wait(30000));
        QVERIFY2(ui<QLabel>(w, "lblAddressBookResult")->text().contains(QStringLiteral("refused")),
                 qPrintable(ui<QLabel>(w, "lblAddressBookResult")->text()));

        // Saving keeps the typed password in the keyring, never in the settings.
        setText(w, "txtLdapPassword", QStringLiteral("new password"));
        MessageBox::shownInTest().clear();
        click(w, "cmdSave");
        QVERIFY2(MessageBox::shownInTest().isEmpty(), qPrintable(MessageBox::shownInTest().value(0).text));
        QCOMPARE(store.values.value(QStringLiteral("ContactClient/Backend")), QStringLiteral("ldap"));
        QCOMPARE(store.values.value(QStringLiteral("ContactClient/LdapBindDn")), SlapdServer::kReaderDn);
        QCOMPARE(keyring.entries.value(QStringLiteral("ldap:%1@127.0.0.1").arg(SlapdServer::kReaderDn)),
                 QStringLiteral("new password"));
    }

    void barReadsWhatTheSetupWrote()
    {
        QTemporaryDir config;
        QSettingsStore store(config.filePath(QStringLiteral("Quintel.conf")));
        FakeKeyring keys;
        const ClientKeyring shared(keys.entries); // the setup's keyring is the bar's
        setup::SetupInput in;
        in.settings = directory(m_server.url(), SlapdServer::kReaderDn);
        in.ldapPassword = SlapdServer::kReaderPassword;
        QVERIFY(setup::applySetup(in, store, keys, QStringLiteral("quintel")).saved());

        // The bar's contact client, from the same file and keyring.
        QSettingsStore reread(config.filePath(QStringLiteral("Quintel.conf")));
        const std::shared_ptr<contactclient::Store> directoryStore =
            contactclient::createConfiguredStore(reread, nullptr);
        directoryStore->open();
        QCOMPARE(directoryStore->items()->Count(), kPeople + 1);
    }

private:
    SlapdServer m_server;
    std::unique_ptr<SlapdServer> m_tls; // started by the first test that needs it
    Home m_home;
};

QTEST_MAIN(TestSetupLdap)
#include "test_setupldap.moc"
