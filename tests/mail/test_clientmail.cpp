// MailTransport=client on a real window system: SEND hands the quick mail to the desktop's mail
// program through xdg-open, as a mailto: URL that a handler registered with xdg-mime records.

#include "contactclient/clientconfig.h"
#include "contactclient/factory.h"
#include "support/barfixture.h"
#include "support/urlhandler.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TestClientMail : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tmp;
    testsupport::RecordingUrlHandler m_handler;
    BarFixture m_bar;

    QString path(const QString& name) const { return m_tmp.filePath(name); }
    QByteArray handled() const { return m_handler.handled(); }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(path(QStringLiteral("contacts"))));
        QVERIFY(testsupport::writeFile(path(QStringLiteral("contacts/ann.vcf")),
                                       "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann Émile\r\nN:Émile;Ann;;;\r\n"
                                       "EMAIL;TYPE=INTERNET:ann+news@example.com\r\nEND:VCARD\r\n"));
        const QString section = contactclient::kClientSection + QLatin1Char('/');
        m_bar.store.values.insert(section + contactclient::key::Folder, path(QStringLiteral("contacts")));
        m_bar.store.values.insert(section + contactclient::key::MailTransport, QStringLiteral("client"));

        QVERIFY(m_handler.install(m_tmp.path(), {QStringLiteral("mailto")}));

        m_bar.adjustPlatform = [this](Platform& p) {
            p.createContactClient = [this](contactclient::DesktopHooks& desktop) {
                return contactclient::createApplication(m_bar.store, desktop, nullptr);
            };
        };
        m_bar.load();
        m_bar.form->findChild<QLineEdit*>(QStringLiteral("txtContact"))->setFocus();
        QTest::keyClicks(m_bar.form->findChild<QLineEdit*>(QStringLiteral("txtContact")), QStringLiteral("Ann"));
        QVERIFY(m_bar.form->session()->currentContact());
    }
    void cleanupTestCase() { m_bar.form.reset(); }

    void handedToTheMailProgram()
    {
        QTest::mouseClick(m_bar.form->findChild<QToolButton*>(QStringLiteral("cmdQEmailContact")), Qt::LeftButton);
        m_bar.form->findChild<QLineEdit*>(QStringLiteral("txtSubject"))->setText(QStringLiteral("Grüße & more?"));
        m_bar.form->findChild<QPlainTextEdit*>(QStringLiteral("txtBody"))
            ->setPlainText(QStringLiteral("Line 1\n#2 = 50%"));
        QTest::mouseClick(m_bar.form->findChild<QPushButton*>(QStringLiteral("cmdSendMail")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!handled().isEmpty(), 20000);
        QCOMPARE(handled(), QByteArray("mailto:ann%2Bnews@example.com?subject=Gr%C3%BC%C3%9Fe%20%26%20more%3F"
                                       "&body=Line%201%0D%0A%232%20%3D%2050%25\n"));
        // As after a send: nothing reported, the area cleared.
        QCOMPARE(MessageBox::shownInTest().size(), 0);
        QCOMPARE(m_bar.form->findChild<QLineEdit*>(QStringLiteral("txtSubject"))->text(), QStringLiteral("Subject"));
    }
};

QTEST_MAIN(TestClientMail)
#include "test_clientmail.moc"
