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
#include "setupfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

using namespace setuptest;

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
    void initTestCase()
    {
        MessageBox::setTestMode(true);
        QVERIFY(m_radicale.start());
        QCOMPARE(m_radicale.createAddressBook(QStringLiteral("/alice/contacts/"),
                                              test::card(QStringLiteral("dee"), QStringLiteral("Dee Dunn"))),
                 201);
        QVERIFY(m_plain.start());
        QVERIFY(m_auth.start({QStringLiteral("--auth"), kUser, kPassword}));
    }

    void cardDav_data()
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
    void cardDav()
    {
        QFETCH(QString, path);
        QFETCH(QString, password);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        const setup::CheckResult result =
            setup::testCardDavConnection(davAccount(m_radicale.url(path), kUser), password);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(result.ok, ok);
    }

    void testMessage_data()
    {
        QTest::addColumn<bool>("authenticated"); // the server asks for alice's password
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("ok");
        QTest::newRow("no password needed") << false << QString() << true;
        QTest::newRow("right password") << true << kPassword << true;
        QTest::newRow("wrong password") << true << QStringLiteral("guess") << false;
    }
    // "Send a test message to myself": the message arrives, to the sender, or the reason is said.
    void testMessage()
    {
        QFETCH(bool, authenticated);
        QFETCH(QString, password);
        QFETCH(bool, ok);
        MailServer& server = authenticated ? m_auth : m_plain;
        const int before = server.received().size();
        const setup::CheckResult result =
            setup::sendTestMessage(smtpAccount(server.port, authenticated ? kUser : QString()), password);
        QCOMPARE(result.ok, ok);
        QCOMPARE(server.received().size(), before + (ok ? 1 : 0));
        if (!ok) {
            QVERIFY2(result.message.startsWith(QStringLiteral("The test message was not sent: ")),
                     qPrintable(result.message));
            return;
        }
        QCOMPARE(result.message, QStringLiteral("A test message was sent to alice@example.org."));
        const QByteArray message = server.message(before);
        QVERIFY(message.contains("Subject: Quintel test message\r\n"));
        QVERIFY(message.contains("From: Alice Archer <alice@example.org>\r\n"));
        QVERIFY(message.contains("To: Alice Archer <alice@example.org>\r\n"));
        QCOMPARE(server.envelope(before).split('\n').value(1).trimmed(), QByteArray("alice@example.org"));
    }

    void windowTestsWithTheKeyringPassword()
    {
        fake::MemorySettingsStore store;
        FakeKeyring keyring;
        keyring.entries.insert(setup::cardDavPasswordKey(kUser, m_radicale.url().toString()), kPassword);
        keyring.entries.insert(setup::smtpPasswordKey(kUser, QStringLiteral("127.0.0.1")), kPassword);
        setup::SetupWindow w(store, keyring);
        w.show();
        QSignalSpy finished(&w, &setup::SetupWindow::checkFinished);

        click(w, "optCardDav");
        setText(w, "txtCardDavUrl", m_radicale.url().toString());
        setText(w, "txtCardDavUser", kUser);
        click(w, "cmdTestConnection");
        QVERIFY(!ui<QPushButton>(w, "cmdTestConnection")->isEnabled()); // one check at a time
        QVERIFY(finished.wait(30000));
        QVERIFY2(ui<QLabel>(w, "lblAddressBookResult")->text().startsWith(QStringLiteral("Connected")),
                 qPrintable(ui<QLabel>(w, "lblAddressBookResult")->text()));
        QVERIFY(ui<QPushButton>(w, "cmdTestConnection")->isEnabled());

        const int before = m_auth.received().size();
        click(w, "optSmtp");
        setText(w, "txtSmtpHost", QStringLiteral("127.0.0.1"));
        ui<QSpinBox>(w, "txtSmtpPort")->setValue(m_auth.port);
        ui<QComboBox>(w, "cmbSmtpSecurity")
            ->setCurrentIndex(ui<QComboBox>(w, "cmbSmtpSecurity")->findData(QStringLiteral("none")));
        setText(w, "txtSmtpUser", kUser);
        setText(w, "txtMailFrom", QStringLiteral("alice@example.org"));
        click(w, "cmdSendTest");
        QVERIFY(finished.wait(30000));
        QCOMPARE(ui<QLabel>(w, "lblMailResult")->text(),
                 QStringLiteral("A test message was sent to alice@example.org."));
        QCOMPARE(m_auth.received().size(), before + 1);
        QVERIFY(store.writes.isEmpty()); // checking saves nothing
    }

private:
    test::RadicaleServer m_radicale{kUser, kPassword};
    MailServer m_plain;
    MailServer m_auth;
};

QTEST_MAIN(TestSetupChecks)
#include "test_setupchecks.moc"
