// The bar on the real contact client (a vCard folder) on a real display: quick mail lands in the
// mail folder, the e-mail and call actions reach a mailto:/tel: handler through xdg-open. The
// handler is a script registered with xdg-mime in a throw-away XDG_DATA_HOME.

#include "actions/desktopintegration.h"
#include "app/frmmain.h"
#include "contactclient/clientconfig.h"
#include "contactclient/factory.h"
#include "desktop/messagebox.h"
#include "fakes/fakewindowsystem.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingwordprocessor.h"
#include "settings/modsettings.h"

#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "actions/contactactions.h"

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

class TestIntegration : public QObject {
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
        // The address book.
        QVERIFY(QDir().mkpath(path(QStringLiteral("contacts"))));
        QVERIFY(writeFile(path(QStringLiteral("contacts/ann.vcf")),
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann Émile\r\nN:Émile;Ann;;;\r\n"
                          "EMAIL;TYPE=INTERNET:ann@example.com\r\nEMAIL;TYPE=WORK:ann@work.example\r\n"
                          "TEL;TYPE=HOME:+1 555 0303\r\nTEL;TYPE=FAX:+1 555 0404\r\nTEL;TYPE=WORK:+1 555 0202\r\n"
                          "TEL;TYPE=CELL:+1 555 0101\r\nORG:Acme & Co\r\nCATEGORIES:Friends,Work\r\n"
                          "NOTE:Met at <the> fair\r\nADR;TYPE=HOME:;;1 Main St;Springfield;;12345;\r\nEND:VCARD\r\n"));
        const QString section = contactclient::kClientSection + QLatin1Char('/');
        m_store.values.insert(section + contactclient::key::Folder, path(QStringLiteral("contacts")));
        m_store.values.insert(section + contactclient::key::MailTransport, QStringLiteral("folder"));
        m_store.values.insert(section + contactclient::key::MailFolder, path(QStringLiteral("outbox")));
        m_store.values.insert(section + contactclient::key::MailFrom, QStringLiteral("me@example.org"));

        // A mailto:/tel: handler for xdg-open.
        const QString data = path(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(data + QStringLiteral("/applications")));
        QVERIFY(QDir().mkpath(path(QStringLiteral("config"))));
        QVERIFY(writeFile(
            path(QStringLiteral("handler.sh")),
            "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + path(QStringLiteral("handled.txt")).toUtf8() + "'\n", true));
        QVERIFY(writeFile(data + QStringLiteral("/applications/quintel-test-handler.desktop"),
                          "[Desktop Entry]\nType=Application\nName=Quintel test handler\nExec=" +
                              path(QStringLiteral("handler.sh")).toUtf8() +
                              " %u\nMimeType=x-scheme-handler/mailto;x-scheme-handler/tel;\nNoDisplay=true\n"));
        qputenv("XDG_DATA_HOME", data.toUtf8());
        qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("BROWSER");
        for (const char* scheme : {"x-scheme-handler/mailto", "x-scheme-handler/tel"}) {
            QCOMPARE(QProcess::execute(QStringLiteral("xdg-mime"),
                                       {QStringLiteral("default"), QStringLiteral("quintel-test-handler.desktop"),
                                        QString::fromLatin1(scheme)}),
                     0);
        }

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
        QCOMPARE(m_form->session->currentContact()->FullName(), QStringLiteral("Ann Émile"));
    }
    void cleanupTestCase()
    {
        m_form.reset();
        modSettings::setStore(nullptr);
    }

    void quickMailIsSent()
    {
        QVERIFY(m_form->cmdQEmailContact->isEnabled());
        QTest::mouseClick(m_form->cmdQEmailContact, Qt::LeftButton);
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        m_form->txtSubject->setFocus();
        m_form->txtSubject->insert(QStringLiteral("Grüße"));
        m_form->txtBody->setFocus();
        QCOMPARE(m_form->txtSubject->text(), QStringLiteral("Grüße"));
        QTest::keyClicks(m_form->txtBody, QStringLiteral("See you"));
        QTest::mouseClick(m_form->cmdSendMail, Qt::LeftButton);
        QCOMPARE(MessageBox::shownInTest().size(), 0);
        const QDir outbox(path(QStringLiteral("outbox")));
        const QStringList files = outbox.entryList({QStringLiteral("*.eml")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile f(outbox.filePath(files.first()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray message = f.readAll();
        QVERIFY2(message.contains("\r\nTo: =?UTF-8?B?QW5uIMOJbWlsZQ==?= <ann@example.com>\r\n"), message.constData());
        QVERIFY2(message.contains("\r\nSubject: =?UTF-8?B?R3LDvMOfZQ==?=\r\n"), message.constData());
        QVERIFY(message.endsWith("\r\n\r\nSee you\r\n"));
        QCOMPARE(m_form->txtSubject->text(), QStringLiteral("Subject"));
    }

    void handOffsReachTheDesktop()
    {
        QTest::mouseClick(m_form->cmdEMailContact, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(handled(), QByteArray("mailto:ann@example.com\n"), 15000);
        QTest::mouseClick(m_form->cmdDialContact, Qt::LeftButton);
        CallWindow* dialer = m_form->actions->desktop().dialerFor(m_form->session->currentContact()->EntryID());
        QVERIFY(dialer);
        QVERIFY(QTest::qWaitForWindowExposed(dialer));
        QStringList rows;
        for (int i = 0; i < dialer->lstNumbers->count(); ++i)
            rows.append(dialer->lstNumbers->item(i)->text());
        QCOMPARE(rows, (QStringList{QStringLiteral("Mobile: +1 555 0101"), QStringLiteral("Business: +1 555 0202"),
                                    QStringLiteral("Home: +1 555 0303")}));
        QTest::mouseClick(dialer->cmdCall, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(handled(), QByteArray("mailto:ann@example.com\ntel:+15550101\n"), 15000);
        QCOMPARE(MessageBox::shownInTest().size(), 0);
    }

    void contactCard()
    {
        QTest::mouseClick(m_form->cmdViewContact, Qt::LeftButton);
        ContactCard* card = m_form->actions->desktop().cardFor(m_form->session->currentContact()->EntryID());
        QVERIFY(card);
        QVERIFY(QTest::qWaitForWindowExposed(card));
        QCOMPARE(card->lblName->text(), QStringLiteral("Ann Émile"));
        QCOMPARE(card->lblFileAs->text(), QStringLiteral("Émile, Ann"));
        QCOMPARE(card->lblOrganization->text(), QStringLiteral("Acme & Co"));
        QStringList values;
        auto* fields = card->findChild<QFormLayout*>();
        for (int row = 0; row < fields->rowCount(); ++row)
            values.append(qobject_cast<QLabel*>(fields->itemAt(row, QFormLayout::FieldRole)->widget())->text());
        for (const char* expected : {"ann@example.com", "ann@work.example", "+1 555 0101", "+1 555 0202", "+1 555 0303",
                                     "+1 555 0404", "Friends, Work", "Met at <the> fair"})
            QVERIFY2(values.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(values.join(QLatin1Char('|')).contains(QStringLiteral("1 Main St")));
        // The same contact again raises the same window.
        QTest::mouseClick(m_form->cmdViewContact, Qt::LeftButton);
        QCOMPARE(m_form->actions->desktop().cardFor(m_form->session->currentContact()->EntryID()), card);
        QCOMPARE(MessageBox::shownInTest().size(), 0);
    }
};

QTEST_MAIN(TestIntegration)
#include "test_integration.moc"
