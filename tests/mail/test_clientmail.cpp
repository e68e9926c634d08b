// MailTransport=client on a real window system: SEND hands the quick mail to the desktop's mail
// program through xdg-open, as a mailto: URL that a handler registered with xdg-mime records.

#include "app/frmmain.h"
#include "contactclient/clientconfig.h"
#include "contactclient/factory.h"
#include "desktop/messagebox.h"
#include "fakes/fakewindowsystem.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingwordprocessor.h"
#include "settings/modsettings.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

bool writeFile(const QString& path, const QByteArray& data, bool executable = false)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        return false;
    f.close();
    return !executable || f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

class TestClientMail : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tmp;
    fake::MemorySettingsStore m_store;
    fake::FakeWindowSystem m_windowSystem;
    std::unique_ptr<frmMain> m_form;

    QString path(const QString& name) const { return m_tmp.filePath(name); }
    QByteArray handled() const
    {
        QFile f(path(QStringLiteral("handled.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(path(QStringLiteral("contacts"))));
        QVERIFY(writeFile(path(QStringLiteral("contacts/ann.vcf")),
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann Émile\r\nN:Émile;Ann;;;\r\n"
                          "EMAIL;TYPE=INTERNET:ann+news@example.com\r\nEND:VCARD\r\n"));
        const QString section = contactclient::kClientSection + QLatin1Char('/');
        m_store.values.insert(section + contactclient::key::Folder, path(QStringLiteral("contacts")));
        m_store.values.insert(section + contactclient::key::MailTransport, QStringLiteral("client"));

        const QString data = path(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(data + QStringLiteral("/applications")));
        QVERIFY(QDir().mkpath(path(QStringLiteral("config"))));
        QVERIFY(writeFile(
            path(QStringLiteral("handler.sh")),
            "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + path(QStringLiteral("handled.txt")).toUtf8() + "'\n", true));
        QVERIFY(writeFile(data + QStringLiteral("/applications/quintel-test-mailer.desktop"),
                          "[Desktop Entry]\nType=Application\nName=Quintel test mailer\nExec=" +
                              path(QStringLiteral("handler.sh")).toUtf8() +
                              " %u\nMimeType=x-scheme-handler/mailto;\nNoDisplay=true\n"));
        qputenv("XDG_DATA_HOME", data.toUtf8());
        qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("BROWSER");
        QCOMPARE(QProcess::execute(QStringLiteral("xdg-mime"),
                                   {QStringLiteral("default"), QStringLiteral("quintel-test-mailer.desktop"),
                                    QStringLiteral("x-scheme-handler/mailto")}),
                 0);

        MessageBox::setTestMode(true);
        modSettings::setStore(&m_store);
        Platform p;
        p.createContactClient = [this] { return contactclient::createApplication(m_store); };
        p.createWordProcessor = [] { return std::make_shared<fake::RecordingWordProcessor>(); };
        p.windowSystem = &m_windowSystem;
        m_form = std::make_unique<frmMain>(p);
        m_form->Form_Load();
        m_form->txtContact->setFocus();
        QTest::keyClicks(m_form->txtContact, QStringLiteral("Ann"));
        QVERIFY(m_form->session->currentContact());
    }
    void cleanupTestCase()
    {
        m_form.reset();
        modSettings::setStore(nullptr);
    }

    void handedToTheMailProgram()
    {
        QTest::mouseClick(m_form->cmdQEmailContact, Qt::LeftButton);
        m_form->txtSubject->setText(QStringLiteral("Grüße & more?"));
        m_form->txtBody->setPlainText(QStringLiteral("Line 1\n#2 = 50%"));
        QTest::mouseClick(m_form->cmdSendMail, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!handled().isEmpty(), 20000);
        QCOMPARE(handled(), QByteArray("mailto:ann%2Bnews@example.com?subject=Gr%C3%BC%C3%9Fe%20%26%20more%3F"
                                       "&body=Line%201%0D%0A%232%20%3D%2050%25\n"));
        // As after a send: nothing reported, the area cleared.
        QCOMPARE(MessageBox::shownInTest().size(), 0);
        QCOMPARE(m_form->txtSubject->text(), QStringLiteral("Subject"));
    }
};

QTEST_MAIN(TestClientMail)
#include "test_clientmail.moc"
