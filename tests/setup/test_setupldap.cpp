// The company directory in Quintel Setup: what the choice saves and refuses, "Test connection"
// against a real slapd on 127.0.0.1 (past the server's size limit, bound and anonymous, wrong
// password, a base that is not there, a server that is not there, TLS with and without the
// company's CA), the window staying usable while it counts, and the bar's own store opening the
// directory from what the set-up wrote.

#include "../ldap/slapdserver.h"
#include "contactclient/books/bookconfig.h"
#include "contactclient/carddav/credentials.h"
#include "contactclient/ldap/ldapstore.h"
#include "desktop/messagebox.h"
#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "settingsstore.h"
#include "setup/connectionchecks.h"
#include "setup/keyring.h"
#include "setup/setupapply.h"
#include "setup/setupwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using setup::SetupSettings;
Q_DECLARE_METATYPE(setup::SetupSettings)

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

SetupSettings directory(const QString& url, const QString& bindDn = {})
{
    SetupSettings s;
    s.addressBook = SetupSettings::AddressBook::Ldap;
    s.ldapUrl = url;
    s.ldapBaseDn = SlapdServer::kBase;
    s.ldapBindDn = bindDn;
    return s;
}

// The setup's keyring and the contact client's, one and the same memory, as on a desktop.
class SharedKeyring : public contactclient::carddav::Keyring {
public:
    explicit SharedKeyring(FakeKeyring& keys) : m_keys(keys) {}
    Result read(const QString& key) override
    {
        return m_keys.entries.contains(key) ? Result{Status::Found, m_keys.entries.value(key), {}}
                                            : Result{Status::NotFound, {}, {}};
    }
    bool write(const QString& key, const QString& password) override
    {
        m_keys.entries.insert(key, password);
        return true;
    }

private:
    FakeKeyring& m_keys;
};

} // namespace

class TestSetupLdap : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void problems_data();
    void problems();
    void writtenExactly_data();
    void writtenExactly();
    void handSetKeysSurviveASave();
    void passwordGoesToTheKeyring_data();
    void passwordGoesToTheKeyring();
    void testConnection_data();
    void testConnection();
    void secureConnections_data();
    void secureConnections();
    void windowCountsWithoutFreezing();
    void barReadsWhatTheSetupWrote();

private:
    SlapdServer m_server;
    std::unique_ptr<SlapdServer> m_tls; // started by the first test that needs it
    QTemporaryDir m_home;
};

void TestSetupLdap::initTestCase()
{
    qputenv("LDAPNOINIT", "1"); // the machine's ldap.conf and ~/.ldaprc play no part
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CACHE_HOME", m_home.filePath(QStringLiteral("cache")).toUtf8());
    MessageBox::setTestMode(true);
    QVERIFY2(m_server.load(people(kPeople)), qPrintable(m_server.error()));
    QVERIFY2(m_server.start(), qPrintable(m_server.error()));
}

void TestSetupLdap::init()
{
    contactclient::carddav::setKeyring(nullptr);
}

void TestSetupLdap::problems_data()
{
    QTest::addColumn<SetupSettings>("settings");
    QTest::addColumn<QString>("problem"); // a part of the text; empty: none

    QTest::newRow("ldaps") << directory(QStringLiteral("ldaps://ldap.example.com")) << QString();
    QTest::newRow("ldap with a port and a bind DN")
        << directory(QStringLiteral("ldap://ldap.example.com:389"), QStringLiteral("cn=reader,dc=example,dc=com"))
        << QString();
    QTest::newRow("no address") << directory(QString()) << QStringLiteral("Enter the address of the directory");
    QTest::newRow("a web address") << directory(QStringLiteral("https://ldap.example.com"))
                                   << QStringLiteral("is not a directory server address");
    QTest::newRow("no host") << directory(QStringLiteral("ldap://")) << QStringLiteral("names no host");
    QTest::newRow("line break in the address")
        << directory(QStringLiteral("ldap://a.example.com\nldap://b.example.com")) << QStringLiteral("control");
    SetupSettings s = directory(QStringLiteral("ldaps://ldap.example.com"));
    s.ldapBaseDn.clear();
    QTest::newRow("no base") << s << QStringLiteral("Enter the base");
    s.ldapBaseDn = QStringLiteral("example.com");
    QTest::newRow("a domain for a base") << s << QStringLiteral("is not a base");
    s = directory(QStringLiteral("ldaps://ldap.example.com"), QStringLiteral("reader"));
    QTest::newRow("a user name for a bind DN") << s << QStringLiteral("is not a bind DN");

    // The desktop's address book needs no server address.
    SetupSettings eds;
    eds.addressBook = SetupSettings::AddressBook::Eds;
    QTest::newRow("the desktop's address book") << eds << QString();
}

void TestSetupLdap::problems()
{
    QFETCH(SetupSettings, settings);
    QFETCH(QString, problem);
    if (problem.isEmpty())
        QCOMPARE(settings.problem(), QString());
    else
        QVERIFY2(settings.problem().contains(problem), qPrintable(settings.problem()));
}

void TestSetupLdap::writtenExactly_data()
{
    QTest::addColumn<SetupSettings>("settings");
    QTest::addColumn<QStringList>("directoryKeys"); // the keys written besides Folder and the mail's

    QTest::newRow("anonymous") << directory(QStringLiteral(" ldaps://ldap.example.com "))
                               << QStringList{QStringLiteral("ContactClient/LdapUrl=ldaps://ldap.example.com"),
                                              QStringLiteral("ContactClient/LdapBaseDn=dc=example,dc=com")};
    QTest::newRow("bound") << directory(QStringLiteral("ldap://ldap.example.com"),
                                        QStringLiteral("cn=reader,dc=example,dc=com"))
                           << QStringList{QStringLiteral("ContactClient/LdapUrl=ldap://ldap.example.com"),
                                          QStringLiteral("ContactClient/LdapBaseDn=dc=example,dc=com"),
                                          QStringLiteral("ContactClient/LdapBindDn=cn=reader,dc=example,dc=com")};
}

void TestSetupLdap::writtenExactly()
{
    QFETCH(SetupSettings, settings);
    QFETCH(QStringList, directoryKeys);
    fake::MemorySettingsStore store;
    settings.save(store);
    QStringList expected{QStringLiteral("ContactClient/Backend=ldap"), QStringLiteral("ContactClient/Folder=") +
                                                                           qEnvironmentVariable("XDG_DATA_HOME") +
                                                                           QStringLiteral("/contacts")};
    expected += directoryKeys;
    expected += QStringList{QStringLiteral("ContactClient/MailTransport=sendmail"),
                            QStringLiteral("ContactClient/SendmailPath=/usr/sbin/sendmail")};
    QCOMPARE(store.writes, expected);

    const SetupSettings back = SetupSettings::load(store);
    QCOMPARE(back.addressBook, SetupSettings::AddressBook::Ldap);
    QCOMPARE(back.ldapUrl, settings.ldapUrl.trimmed());
    QCOMPARE(back.ldapBaseDn, settings.ldapBaseDn);
    QCOMPARE(back.ldapBindDn, settings.ldapBindDn);
}

void TestSetupLdap::handSetKeysSurviveASave()
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
    QVERIFY(w.findChild<QRadioButton*>(QStringLiteral("optLdap"))->isChecked());
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("txtLdapUrl"))->text(), QStringLiteral("ldap://127.0.0.1:3389"));
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("txtLdapBaseDn"))->text(),
             QStringLiteral("ou=staff,dc=example,dc=com"));
    QVERIFY(!w.findChild<QLineEdit*>(QStringLiteral("txtLdapPassword"))->isEnabled()); // anonymous: no password to give
    const SetupSettings shown = w.input().settings;
    QCOMPARE(shown.ldapFilter, QStringLiteral("(objectClass=person)"));
    QCOMPARE(shown.ldapCaFile, QStringLiteral("/etc/company-ca.pem"));
    QVERIFY(shown.ldapStartTlsHere);
    QVERIFY(setup::applySetup(w.input(), store, keyring, QStringLiteral("quintel")).saved());
    for (const QString& key : {QStringLiteral("ContactClient/LdapFilter"), QStringLiteral("ContactClient/LdapCaFile"),
                               QStringLiteral("ContactClient/LdapStartTls")})
        QCOMPARE(store.values.value(key), before.values.value(key));
}

void TestSetupLdap::passwordGoesToTheKeyring_data()
{
    QTest::addColumn<QString>("bindDn");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("keyring"); // "key=password"

    QTest::newRow("bound") << QStringLiteral("cn=reader,dc=example,dc=com") << QStringLiteral("s3cret")
                           << QStringList{QStringLiteral("ldap:cn=reader,dc=example,dc=com@ldap.example.com=s3cret")};
    QTest::newRow("bound, password left empty")
        << QStringLiteral("cn=reader,dc=example,dc=com") << QString() << QStringList();
    QTest::newRow("anonymous: a password typed before is not kept")
        << QString() << QStringLiteral("s3cret") << QStringList();
}

void TestSetupLdap::passwordGoesToTheKeyring()
{
    QFETCH(QString, bindDn);
    QFETCH(QString, password);
    QFETCH(QStringList, keyring);
    fake::MemorySettingsStore store;
    FakeKeyring keys;
    setup::SetupInput in;
    in.settings = directory(QStringLiteral("ldaps://ldap.example.com:636"), bindDn);
    in.ldapPassword = password;
    const setup::ApplyOutcome outcome = setup::applySetup(in, store, keys, QStringLiteral("quintel"));
    QVERIFY2(outcome.saved(), qPrintable(outcome.error));
    QVERIFY(outcome.warnings.isEmpty());
    QStringList kept;
    for (auto it = keys.entries.cbegin(); it != keys.entries.cend(); ++it)
        kept.append(it.key() + QLatin1Char('=') + it.value());
    QCOMPARE(kept, keyring);
    for (const QString& value : std::as_const(store.values))
        QVERIFY(!value.contains(QStringLiteral("s3cret")));
}

void TestSetupLdap::testConnection_data()
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
    QTest::newRow("one entry") << url << QStringLiteral("uid=u7,dc=example,dc=com") << QString() << QString() << true
                               << QStringLiteral("Connected: found 1 entry.");
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

void TestSetupLdap::testConnection()
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

void TestSetupLdap::secureConnections_data()
{
    QTest::addColumn<bool>("ldaps");
    QTest::addColumn<bool>("withCa");
    QTest::addColumn<bool>("ok");
    QTest::newRow("ldaps with the company's CA") << true << true << true;
    QTest::newRow("ldaps, certificate not trusted") << true << false << false;
    QTest::newRow("StartTLS with the company's CA") << false << true << true;
    QTest::newRow("StartTLS, certificate not trusted") << false << false << false;
}

void TestSetupLdap::secureConnections()
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

void TestSetupLdap::windowCountsWithoutFreezing()
{
    fake::MemorySettingsStore store;
    FakeKeyring keyring;
    keyring.entries.insert(setup::ldapPasswordKey(SlapdServer::kReaderDn, m_server.url()),
                           SlapdServer::kReaderPassword);
    setup::SetupWindow w(store, keyring);
    w.show();
    QSignalSpy finished(&w, &setup::SetupWindow::checkFinished);

    w.findChild<QRadioButton*>(QStringLiteral("optLdap"))->click();
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("txtLdapUrl"))->isEnabled());
    QVERIFY(!w.findChild<QLineEdit*>(QStringLiteral("txtCardDavUrl"))->isEnabled());
    w.findChild<QLineEdit*>(QStringLiteral("txtLdapUrl"))->setText(m_server.url());
    w.findChild<QLineEdit*>(QStringLiteral("txtLdapBaseDn"))->setText(SlapdServer::kBase);
    w.findChild<QLineEdit*>(QStringLiteral("txtLdapBindDn"))->setText(SlapdServer::kReaderDn);
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("txtLdapPassword"))->isEnabled());
    // The password field is empty: the keyring's is used.
    w.findChild<QPushButton*>(QStringLiteral("cmdTestConnection"))->click();
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblAddressBookResult"))->text(), QStringLiteral("Connecting…"));
    QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("cmdTestConnection"))
                 ->isEnabled()); // one check at a time; the window goes on answering
    QVERIFY(finished.wait(30000));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblAddressBookResult"))->text(),
             QStringLiteral("Connected: found %1 entries.").arg(kPeople + 1));
    QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmdTestConnection"))->isEnabled());
    QVERIFY(store.writes.isEmpty()); // checking saves nothing

    // A password typed in the window is the one tried.
    w.findChild<QLineEdit*>(QStringLiteral("txtLdapPassword"))->setText(QStringLiteral("guess"));
    w.findChild<QPushButton*>(QStringLiteral("cmdTestConnection"))->click();
    QVERIFY(finished.wait(30000));
    QVERIFY2(w.findChild<QLabel*>(QStringLiteral("lblAddressBookResult"))->text().contains(QStringLiteral("refused")),
             qPrintable(w.findChild<QLabel*>(QStringLiteral("lblAddressBookResult"))->text()));

    // Saving keeps the typed password in the keyring, never in the settings.
    w.findChild<QLineEdit*>(QStringLiteral("txtLdapPassword"))->setText(QStringLiteral("new password"));
    MessageBox::shownInTest().clear();
    w.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    QVERIFY2(MessageBox::shownInTest().isEmpty(), qPrintable(MessageBox::shownInTest().value(0).text));
    QCOMPARE(store.values.value(QStringLiteral("ContactClient/Backend")), QStringLiteral("ldap"));
    QCOMPARE(store.values.value(QStringLiteral("ContactClient/LdapBindDn")), SlapdServer::kReaderDn);
    QCOMPARE(keyring.entries.value(QStringLiteral("ldap:%1@127.0.0.1").arg(SlapdServer::kReaderDn)),
             QStringLiteral("new password"));
}

void TestSetupLdap::barReadsWhatTheSetupWrote()
{
    QTemporaryDir config;
    QSettingsStore store(config.filePath(QStringLiteral("Quintel.conf")));
    FakeKeyring keys;
    contactclient::carddav::setKeyring(std::make_shared<SharedKeyring>(keys));
    setup::SetupInput in;
    in.settings = directory(m_server.url(), SlapdServer::kReaderDn);
    in.ldapPassword = SlapdServer::kReaderPassword;
    QVERIFY(setup::applySetup(in, store, keys, QStringLiteral("quintel")).saved());

    // The bar's contact client, from the same file and keyring.
    QSettingsStore reread(config.filePath(QStringLiteral("Quintel.conf")));
    const std::shared_ptr<contactclient::Store> directoryStore = contactclient::createConfiguredStore(reread, nullptr);
    directoryStore->open();
    QCOMPARE(directoryStore->items()->Count(), kPeople + 1);
    contactclient::carddav::setKeyring(nullptr);
}

QTEST_MAIN(TestSetupLdap)
#include "test_setupldap.moc"
