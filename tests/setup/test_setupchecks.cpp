// "Test connection" against a real Radicale and "Send a test message to myself" against a real
// aiosmtpd, both on 127.0.0.1; from the window, the password comes from the keyring when the
// field is empty.

#include "../actions/mailserver.h"
#include "../carddav/radicaleserver.h"
#include "desktop/messagebox.h"
#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "setup/connectionchecks.h"
#include "setup/setupwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

using setup::SetupSettings;

namespace {

const QString kUser = QStringLiteral("alice");
const QString kPassword = QStringLiteral("wonder land");

SetupSettings davAccount(const QUrl& url, const QString& user)
{
    SetupSettings s;
    s.addressBook = SetupSettings::AddressBook::CardDav;
    s.cardDavUrl = url.toString();
    s.cardDavUser = user;
    return s;
}

SetupSettings smtpAccount(int port, const QString& user = {})
{
    SetupSettings s;
    s.mail = SetupSettings::Mail::Smtp;
    s.smtpHost = QStringLiteral("127.0.0.1");
    s.smtpPort = port;
    s.smtpSecurity = QStringLiteral("none");
    s.smtpUser = user;
    s.mailFrom = QStringLiteral("alice@example.org");
    s.mailFromName = QStringLiteral("Alice Archer");
    return s;
}

} // namespace

class TestSetupChecks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cardDav_data();
    void cardDav();
    void testMessageArrives();
    void testMessageWithAuthentication_data();
    void testMessageWithAuthentication();
    void windowTestsWithTheKeyringPassword();

private:
    test::RadicaleServer m_radicale{kUser, kPassword};
    MailServer m_plain;
    MailServer m_auth;
};

void TestSetupChecks::initTestCase()
{
    MessageBox::setTestMode(true);
    QVERIFY(m_radicale.start());
    QCOMPARE(m_radicale.createAddressBook(QStringLiteral("/alice/contacts/"),
                                          test::card(QStringLiteral("dee"), QStringLiteral("Dee Dunn"))),
             201);
    QVERIFY(m_plain.start());
    QVERIFY(m_auth.start({QStringLiteral("--auth"), kUser, kPassword}));
}

void TestSetupChecks::cardDav_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");

    QTest::newRow("server root") << QStringLiteral("/") << kPassword << true << QStringLiteral("Connected");
    QTest::newRow("the address book itself")
        << QStringLiteral("/alice/contacts/") << kPassword << true << QStringLiteral("Connected");
    QTest::newRow("wrong password") << QStringLiteral("/") << QStringLiteral("guess") << false
                                    << QStringLiteral("refused the user name or password");
}

void TestSetupChecks::cardDav()
{
    QFETCH(QString, path);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    QFETCH(QString, message);
    const setup::CheckResult result = setup::testCardDavConnection(davAccount(m_radicale.url(path), kUser), password);
    QVERIFY2(result.message.contains(message), qPrintable(result.message));
    QCOMPARE(result.ok, ok);
}

void TestSetupChecks::testMessageArrives()
{
    const int before = m_plain.received().size();
    const setup::CheckResult result = setup::sendTestMessage(smtpAccount(m_plain.port), QString());
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.message, QStringLiteral("A test message was sent to alice@example.org."));
    QCOMPARE(m_plain.received().size(), before + 1);
    const QByteArray message = m_plain.message(before);
    QVERIFY(message.contains("Subject: Quintel test message\r\n"));
    QVERIFY(message.contains("From: Alice Archer <alice@example.org>\r\n"));
    QVERIFY(message.contains("To: Alice Archer <alice@example.org>\r\n"));
    QCOMPARE(m_plain.envelope(before).split('\n').value(1).trimmed(), QByteArray("alice@example.org"));
}

void TestSetupChecks::testMessageWithAuthentication_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::newRow("right password") << kPassword << true;
    QTest::newRow("wrong password") << QStringLiteral("guess") << false;
}

void TestSetupChecks::testMessageWithAuthentication()
{
    QFETCH(QString, password);
    QFETCH(bool, ok);
    const int before = m_auth.received().size();
    const setup::CheckResult result = setup::sendTestMessage(smtpAccount(m_auth.port, kUser), password);
    QCOMPARE(result.ok, ok);
    QCOMPARE(m_auth.received().size(), before + (ok ? 1 : 0));
    if (!ok)
        QVERIFY2(result.message.startsWith(QStringLiteral("The test message was not sent: ")),
                 qPrintable(result.message));
}

void TestSetupChecks::windowTestsWithTheKeyringPassword()
{
    fake::MemorySettingsStore store;
    FakeKeyring keyring;
    keyring.entries.insert(setup::cardDavPasswordKey(kUser, m_radicale.url().toString()), kPassword);
    keyring.entries.insert(setup::smtpPasswordKey(kUser, QStringLiteral("127.0.0.1")), kPassword);
    setup::SetupWindow w(store, keyring);
    w.show();
    QSignalSpy finished(&w, &setup::SetupWindow::checkFinished);

    w.findChild<QRadioButton*>(QStringLiteral("optCardDav"))->click();
    w.findChild<QLineEdit*>(QStringLiteral("txtCardDavUrl"))->setText(m_radicale.url().toString());
    w.findChild<QLineEdit*>(QStringLiteral("txtCardDavUser"))->setText(kUser);
    w.findChild<QPushButton*>(QStringLiteral("cmdTestConnection"))->click();
    QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("cmdTestConnection"))->isEnabled()); // one check at a time
    QVERIFY(finished.wait(30000));
    QVERIFY2(
        w.findChild<QLabel*>(QStringLiteral("lblAddressBookResult"))->text().startsWith(QStringLiteral("Connected")),
        qPrintable(w.findChild<QLabel*>(QStringLiteral("lblAddressBookResult"))->text()));
    QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmdTestConnection"))->isEnabled());

    const int before = m_auth.received().size();
    w.findChild<QRadioButton*>(QStringLiteral("optSmtp"))->click();
    w.findChild<QLineEdit*>(QStringLiteral("txtSmtpHost"))->setText(QStringLiteral("127.0.0.1"));
    w.findChild<QSpinBox*>(QStringLiteral("txtSmtpPort"))->setValue(m_auth.port);
    w.findChild<QComboBox*>(QStringLiteral("cmbSmtpSecurity"))
        ->setCurrentIndex(w.findChild<QComboBox*>(QStringLiteral("cmbSmtpSecurity"))->findData(QStringLiteral("none")));
    w.findChild<QLineEdit*>(QStringLiteral("txtSmtpUser"))->setText(kUser);
    w.findChild<QLineEdit*>(QStringLiteral("txtMailFrom"))->setText(QStringLiteral("alice@example.org"));
    w.findChild<QPushButton*>(QStringLiteral("cmdSendTest"))->click();
    QVERIFY(finished.wait(30000));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblMailResult"))->text(),
             QStringLiteral("A test message was sent to alice@example.org."));
    QCOMPARE(m_auth.received().size(), before + 1);
    QVERIFY(store.writes.isEmpty()); // checking saves nothing
}

QTEST_MAIN(TestSetupChecks)
#include "test_setupchecks.moc"
