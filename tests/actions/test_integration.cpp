// The bar on the real contact client (a vCard folder) on a real display: quick mail lands in the
// mail folder, the e-mail and call actions reach a mailto:/tel: handler through xdg-open. The
// handler is a script registered with xdg-mime in a throw-away XDG_DATA_HOME. Ctrl+N in the box
// adds a contact through the card's edit mode; the lists follow the save.

#include "actions/contacteditform.h"
#include "actions/desktopintegration.h"
#include "contactclient/clientconfig.h"
#include "contactclient/factory.h"
#include "support/barfixture.h"
#include "support/urlhandler.h"

#include <QApplication>
#include <QComboBox>
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

class TestIntegration : public QObject {
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
        // The address book.
        QVERIFY(QDir().mkpath(path(QStringLiteral("contacts"))));
        QVERIFY(testsupport::writeFile(
            path(QStringLiteral("contacts/ann.vcf")),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann Émile\r\nN:Émile;Ann;;;\r\n"
            "EMAIL;TYPE=INTERNET:ann@example.com\r\nEMAIL;TYPE=WORK:ann@work.example\r\n"
            "TEL;TYPE=HOME:+1 555 0303\r\nTEL;TYPE=FAX:+1 555 0404\r\nTEL;TYPE=WORK:+1 555 0202\r\n"
            "TEL;TYPE=CELL:+1 555 0101\r\nORG:Acme & Co\r\nCATEGORIES:Friends,Work\r\n"
            "NOTE:Met at <the> fair\r\nADR;TYPE=HOME:;;1 Main St;Springfield;;12345;\r\nEND:VCARD\r\n"));
        const QString section = contactclient::kClientSection + QLatin1Char('/');
        m_bar.store.values.insert(section + contactclient::key::Folder, path(QStringLiteral("contacts")));
        m_bar.store.values.insert(section + contactclient::key::MailTransport, QStringLiteral("folder"));
        m_bar.store.values.insert(section + contactclient::key::MailFolder, path(QStringLiteral("outbox")));
        m_bar.store.values.insert(section + contactclient::key::MailFrom, QStringLiteral("me@example.org"));

        // A mailto:/tel: handler for xdg-open.
        QVERIFY(m_handler.install(m_tmp.path(), {QStringLiteral("mailto"), QStringLiteral("tel")}));

        m_bar.adjustPlatform = [this](Platform& p) {
            p.createContactClient = [this](contactclient::DesktopHooks& desktop) {
                return contactclient::createApplication(m_bar.store, desktop, nullptr);
            };
        };
        m_bar.load();
        ui<QLineEdit>(*m_bar.form, "txtContact")->setFocus();
        QTest::keyClicks(ui<QLineEdit>(*m_bar.form, "txtContact"), QStringLiteral("Ann"));
        QVERIFY(m_bar.form->session()->currentContact());
        QCOMPARE(m_bar.form->session()->currentContact()->FullName(), QStringLiteral("Ann Émile"));
    }
    void cleanupTestCase() { m_bar.form.reset(); }

    void quickMailIsSent()
    {
        QVERIFY(ui<QToolButton>(*m_bar.form, "cmdQEmailContact")->isEnabled());
        QTest::mouseClick(ui<QToolButton>(*m_bar.form, "cmdQEmailContact"), Qt::LeftButton);
        m_bar.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_bar.form.get()));
        ui<QLineEdit>(*m_bar.form, "txtSubject")->setFocus();
        ui<QLineEdit>(*m_bar.form, "txtSubject")->insert(QStringLiteral("Grüße"));
        ui<QPlainTextEdit>(*m_bar.form, "txtBody")->setFocus();
        QCOMPARE(ui<QLineEdit>(*m_bar.form, "txtSubject")->text(), QStringLiteral("Grüße"));
        QTest::keyClicks(ui<QPlainTextEdit>(*m_bar.form, "txtBody"), QStringLiteral("See you"));
        QTest::mouseClick(ui<QPushButton>(*m_bar.form, "cmdSendMail"), Qt::LeftButton);
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
        QCOMPARE(ui<QLineEdit>(*m_bar.form, "txtSubject")->text(), QStringLiteral("Subject"));
    }

    void handOffsReachTheDesktop()
    {
        QTest::mouseClick(ui<QToolButton>(*m_bar.form, "cmdEMailContact"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(handled(), QByteArray("mailto:ann@example.com\n"), 15000);
        QTest::mouseClick(ui<QToolButton>(*m_bar.form, "cmdDialContact"), Qt::LeftButton);
        CallWindow* dialer =
            m_bar.form->actions()->desktop().dialerFor(m_bar.form->session()->currentContact()->EntryID());
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
        QTest::mouseClick(ui<QToolButton>(*m_bar.form, "cmdViewContact"), Qt::LeftButton);
        ContactCard* card =
            m_bar.form->actions()->desktop().cardFor(m_bar.form->session()->currentContact()->EntryID());
        QVERIFY(card);
        QVERIFY(QTest::qWaitForWindowExposed(card));
        QCOMPARE(card->lblName->text(), QStringLiteral("Ann Émile"));
        QCOMPARE(card->lblFileAs->text(), QStringLiteral("Émile, Ann"));
        QCOMPARE(card->lblOrganization->text(), QStringLiteral("Acme & Co"));
        QStringList values;
        for (const CardRow* row : card->rows())
            values.append(row->value());
        for (const char* expected : {"ann@example.com", "ann@work.example", "+1 555 0101", "+1 555 0202", "+1 555 0303",
                                     "+1 555 0404", "Friends, Work", "Met at <the> fair"})
            QVERIFY2(values.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(values.join(QLatin1Char('|')).contains(QStringLiteral("1 Main St")));
        // The same contact again raises the same window.
        QTest::mouseClick(ui<QToolButton>(*m_bar.form, "cmdViewContact"), Qt::LeftButton);
        QCOMPARE(m_bar.form->actions()->desktop().cardFor(m_bar.form->session()->currentContact()->EntryID()), card);
        QCOMPARE(MessageBox::shownInTest().size(), 0);
    }

    // Ctrl+N in the box: the card opens in edit mode with the text as given and family name;
    // saved, the contact is a new file of the folder and in the bar's lists.
    void addContactFromTheBox()
    {
        auto* box = ui<QLineEdit>(*m_bar.form, "txtContact");
        m_bar.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_bar.form.get()));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("Bo Ek"));
        QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);
        auto newCard = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* card = qobject_cast<ContactCard*>(w); card && card->editing() && card->isVisible())
                    return card;
            return static_cast<ContactCard*>(nullptr);
        };
        QTRY_VERIFY_WITH_TIMEOUT(newCard() != nullptr, 10000);
        ContactCard* card = newCard();
        QCOMPARE(card->editForm->txtGivenName->text(), QStringLiteral("Bo"));
        QCOMPARE(card->editForm->txtFamilyName->text(), QStringLiteral("Ek"));
        QCOMPARE(card->editForm->txtFullName->text(), QStringLiteral("Bo Ek"));
        QVERIFY(card->save());
        QCOMPARE(QDir(path(QStringLiteral("contacts"))).entryList({QStringLiteral("*.vcf")}, QDir::Files).size(), 2);
        auto* names = ui<QComboBox>(*m_bar.form, "cmbContacts");
        QTRY_VERIFY_WITH_TIMEOUT(
            names->findText(QStringLiteral("Ek, Bo")) >= 0 || names->findText(QStringLiteral("Bo Ek")) >= 0, 15000);
        QCOMPARE(MessageBox::shownInTest().size(), 0);
    }
};

QTEST_MAIN(TestIntegration)
#include "test_integration.moc"
