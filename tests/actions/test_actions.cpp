// The five contact actions on a bar over the recording contact client and word processor, and
// the desktop's side of them: contact card, call window, mail composer.

#include "actions/contactactions.h"
#include "actions/desktopintegration.h"
#include "fakes/recordingclient.h"
#include "mail/clientmailitem.h"
#include "mail/mailaccount.h"
#include "support/barfixture.h"
#include "urlcatcher.h"
#include "window/windowmodes.h"

#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using Props = QMap<QString, QString>;
using contactclient::CardDetails;

namespace {

// A contact with a full card, for the windows.
class CardContact : public contactclient::ContactItem {
public:
    Props p;
    CardDetails card;
    QString TypeName() const override { return contactclient::kContactItemType; }
    QString FileAs() const override { return p.value(QStringLiteral("FileAs")); }
    QString FullName() const override { return p.value(QStringLiteral("FullName")); }
    QString EntryID() const override { return p.value(QStringLiteral("EntryID")); }
    QString Email1Address() const override { return {}; }
    QString Email2Address() const override { return {}; }
    QString Email3Address() const override { return {}; }
    QString Email1DisplayName() const override { return {}; }
    QString MobileTelephoneNumber() const override { return p.value(QStringLiteral("Mobile")); }
    QString BusinessTelephoneNumber() const override { return p.value(QStringLiteral("Business")); }
    QString Business2TelephoneNumber() const override { return {}; }
    QString HomeTelephoneNumber() const override { return p.value(QStringLiteral("Home")); }
    QString Home2TelephoneNumber() const override { return {}; }
    QString HomeAddress() const override { return {}; }
    QString BusinessAddress() const override { return {}; }
    QString OtherAddress() const override { return {}; }
    QString MailingAddress() const override { return {}; }
    QStringList Categories() const override { return card.categories; }
    CardDetails details() const override { return card; }
    void Display() override {}
};

CardContact ann()
{
    CardContact c;
    c.p = {{QStringLiteral("FullName"), QStringLiteral("Ann Émile")}, {QStringLiteral("FileAs"), QStringLiteral("Émile, Ann")},
           {QStringLiteral("EntryID"), QStringLiteral("ann.vcf")}, {QStringLiteral("Home"), QStringLiteral("030 1234 5678")},
           {QStringLiteral("Mobile"), QStringLiteral("+49 170 555 0101")}, {QStringLiteral("Business"), QStringLiteral("+49 (30) 999")}};
    c.card.organization = QStringLiteral("Acme & Co");
    c.card.emails = {{QStringLiteral("work"), QStringLiteral("ann@acme.example")}, {QString(), QStringLiteral("ann@home.example")}};
    c.card.phones = {{QStringLiteral("cell"), QStringLiteral("+49 170 555 0101")}, {QStringLiteral("fax"), QStringLiteral("030 999 1")},
                     {QStringLiteral("voice"), QStringLiteral("0800 111")}};
    c.card.addresses = {{QStringLiteral("home"), QStringLiteral("Hauptstr. 1\n10115 Berlin")}};
    c.card.categories = {QStringLiteral("Friends"), QStringLiteral("Work")};
    c.card.note = QStringLiteral("Met at <the> fair");
    return c;
}

QStringList fieldTexts(QWidget* card)
{
    QStringList texts;
    auto* form = card->findChild<QFormLayout*>();
    for (int row = 0; row < form->rowCount(); ++row) {
        auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        auto* field = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::FieldRole)->widget());
        texts.append(label->text() + QLatin1Char(' ') + field->text());
    }
    return texts;
}

} // namespace

class TestActions : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BarFixture> f;
    frmMain* form = nullptr;

    void choose(const QString& id) { form->currentContact = form->outlookNamespace->GetItemFromID(id); }

private slots:
    void init()
    {
        f = std::make_unique<BarFixture>();
        f->client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                      Props{{QStringLiteral("Email1DisplayName"), QStringLiteral("\"Smith, John\" <js@example.com>")},
                            {QStringLiteral("Email1Address"), QStringLiteral("js@example.com")},
                            {QStringLiteral("MailingAddress"), QStringLiteral("1 Main St\nSpringfield")}});
        f->client.add(QStringLiteral("Doe, Jane"), QStringLiteral("Jane Doe"),
                      Props{{QStringLiteral("Email1Address"), QStringLiteral("jd@example.com")}});
        f->client.add(QStringLiteral("Roe, Rick"), QStringLiteral("Rick Roe"),
                      Props{{QStringLiteral("Email2Address"), QStringLiteral("rr@example.com")}});
        form = &f->load();
        MessageBox::shownInTest().clear();
        f->client.clearLog();
    }
    void cleanup() { f.reset(); }

    void dialViewAndEmail_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("dial") << "id1" << "cmdDialContact" << QStringList{QStringLiteral("Dial(id1)")};
        QTest::newRow("view") << "id1" << "cmdViewContact" << QStringList{QStringLiteral("Display(id1)")};
        QTest::newRow("e-mail to display name")
            << "id1" << "cmdEMailContact"
            << QStringList{QStringLiteral("CreateItem(0)"), QStringLiteral("To=\"Smith, John\" <js@example.com>"),
                           QStringLiteral("Display mail")};
        QTest::newRow("e-mail to first address")
            << "id2" << "cmdEMailContact"
            << QStringList{QStringLiteral("CreateItem(0)"), QStringLiteral("To=jd@example.com"), QStringLiteral("Display mail")};
        QTest::newRow("e-mail to full name")
            << "id3" << "cmdEMailContact"
            << QStringList{QStringLiteral("CreateItem(0)"), QStringLiteral("To=Rick Roe"), QStringLiteral("Display mail")};
    }
    void dialViewAndEmail()
    {
        QFETCH(QString, id);
        QFETCH(QString, button);
        QFETCH(QStringList, calls);
        choose(id);
        f->client.clearLog();
        auto* b = qobject_cast<QAbstractButton*>(form->control(button));
        b->setEnabled(true);
        b->click();
        QCOMPARE(f->client.logOf({QStringLiteral("Dial"), QStringLiteral("Display"), QStringLiteral("CreateItem"),
                                  QStringLiteral("To=")}),
                 calls);
        QVERIFY(MessageBox::shownInTest().isEmpty());
    }

    void quickEmailRemembersTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("mode 1") << 1;
        QTest::newRow("mode 2") << 2;
        QTest::newRow("mode 3") << 3;
    }
    void quickEmailRemembersTheMode()
    {
        QFETCH(int, mode);
        form->modes->setWindowMode(mode);
        choose(QStringLiteral("id1"));
        f->client.clearLog();
        form->actions->cmdQEmailContact_Click();
        QCOMPARE(form->rememberedMode, std::optional<int>(mode));
        QCOMPARE(form->windowMode, 3);
        QVERIFY(f->client.log.isEmpty());
    }

    void letter_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("name and mailing address") << "id1" << "John Smith\r\n1 Main St\nSpringfield";
        QTest::newRow("empty mailing address") << "id2" << "Jane Doe\r\n";
    }
    void letter()
    {
        QFETCH(QString, id);
        QFETCH(QString, text);
        choose(id);
        f->word->log.clear();
        form->actions->cmdWriteContact_Click();
        form->actions->cmdWriteContact_Click();
        const QStringList one{QStringLiteral("Documents"), QStringLiteral("Add"), QStringLiteral("Content"),
                              QStringLiteral("Text=") + text, QStringLiteral("Visible=true")};
        QCOMPARE(f->word->log, one + one);
        QCOMPARE(f->word->docs.documents.size(), size_t(2));
    }

    // A failing component is reported and the bar goes on.
    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("failure");
        QTest::newRow("no word processor") << "cmdWriteContact" << "";
        QTest::newRow("dial refused") << "cmdDialContact" << "Dial";
        QTest::newRow("store refuses the mail item") << "cmdEMailContact" << "CreateItem";
        QTest::newRow("no composer") << "cmdEMailContact" << "Display mail";
    }
    void failuresAreReported()
    {
        QFETCH(QString, button);
        QFETCH(QString, failure);
        choose(QStringLiteral("id1"));
        f->word->failVisible = QStringLiteral("No word processor is installed.");
        if (!failure.isEmpty())
            f->client.failures.insert(failure, QStringLiteral("refused by the store"));
        auto* b = qobject_cast<QAbstractButton*>(form->control(button));
        b->setEnabled(true);
        b->click();
        QCOMPARE(MessageBox::shownInTest().size(), 1);
        QVERIFY(form->isVisible());
        f->client.failures.clear();
        form->actions->cmdViewContact_Click();
        QVERIFY(f->client.log.contains(QStringLiteral("Display(id1)")));
    }

    void contactCard()
    {
        DesktopIntegration& desktop = form->actions->desktop();
        CardContact c = ann();
        contactclient::desktopHooks().showContactCard(c);
        ContactCard* card = desktop.cardFor(QStringLiteral("ann.vcf"));
        QVERIFY(card && card->isVisible());
        QCOMPARE(card->lblName->text(), QStringLiteral("Ann Émile"));
        QCOMPARE(card->lblFileAs->text(), QStringLiteral("Émile, Ann"));
        QCOMPARE(card->lblOrganization->text(), QStringLiteral("Acme & Co"));
        QCOMPARE(fieldTexts(card),
                 (QStringList{QStringLiteral("E-mail (work): ann@acme.example"), QStringLiteral("E-mail: ann@home.example"),
                              QStringLiteral("Phone (cell): +49 170 555 0101"), QStringLiteral("Phone (fax): 030 999 1"),
                              QStringLiteral("Phone (voice): 0800 111"),
                              QStringLiteral("Address (home): Hauptstr. 1\n10115 Berlin"),
                              QStringLiteral("Categories: Friends, Work"), QStringLiteral("Note: Met at <the> fair")}));
        // The same contact again raises its window, with what the card says now.
        c.card.note = QStringLiteral("Changed");
        contactclient::desktopHooks().showContactCard(c);
        QCOMPARE(desktop.cardFor(QStringLiteral("ann.vcf")), card);
        QVERIFY(fieldTexts(card).contains(QStringLiteral("Note: Changed")));
    }

    void callWindow()
    {
        UrlCatcher catcher({QStringLiteral("tel")});
        CardContact c = ann();
        contactclient::desktopHooks().showDialer(c);
        CallWindow* w = form->actions->desktop().dialerFor(QStringLiteral("ann.vcf"));
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->lblName->text(), QStringLiteral("Ann Émile"));
        QStringList rows;
        for (int i = 0; i < w->lstNumbers->count(); ++i)
            rows.append(w->lstNumbers->item(i)->text());
        QCOMPARE(rows, (QStringList{QStringLiteral("Mobile: +49 170 555 0101"), QStringLiteral("Business: +49 (30) 999"),
                                    QStringLiteral("Home: 030 1234 5678"), QStringLiteral("Voice: 0800 111")}));
        QTest::mouseClick(w->cmdCall, Qt::LeftButton);
        w->lstNumbers->setCurrentRow(1);
        QTest::mouseClick(w->cmdCall, Qt::LeftButton);
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl(QStringLiteral("tel:+491705550101")),
                                             QUrl::fromEncoded("tel:+49(30)999")}));
        QTest::mouseClick(w->cmdClose, Qt::LeftButton);
        QTRY_VERIFY(!form->actions->desktop().dialerFor(QStringLiteral("ann.vcf")));
    }

    void callWindowWithoutNumbers()
    {
        CardContact c;
        c.p = {{QStringLiteral("FullName"), QStringLiteral("No Phone")}, {QStringLiteral("EntryID"), QStringLiteral("np")}};
        contactclient::desktopHooks().showDialer(c);
        QVERIFY(!form->actions->desktop().dialerFor(QStringLiteral("np"))->cmdCall->isEnabled());
    }

    // The mail item's Display opens the composer with bare addresses and the texts encoded.
    void composerUrl_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("url");
        QTest::newRow("mailbox") << "\"Smith, John\" <js@example.com>" << "" << "" << QByteArray("mailto:js@example.com");
        QTest::newRow("full name") << "John Smith" << "Hi" << "" << QByteArray("mailto:js@example.com?subject=Hi");
        QTest::newRow("special characters")
            << "a@example.com; b+tag@example.com" << "a?b&c+d#e f" << "Line 1\nLine 2 ü"
            << QByteArray("mailto:a@example.com,b%2Btag@example.com?subject=a%3Fb%26c%2Bd%23e%20f"
                          "&body=Line%201%0D%0ALine%202%20%C3%BC");
    }
    void composerUrl()
    {
        QFETCH(QString, to);
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(QByteArray, url);
        UrlCatcher catcher({QStringLiteral("mailto")});
        fake::RecordingClient client;
        client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                   Props{{QStringLiteral("Email1Address"), QStringLiteral("js@example.com")}});
        auto ns = client.application()->GetNamespace(QStringLiteral("MAPI"));
        mail::ClientMailItem item(*ns, [] { return mail::MailAccount{}; });
        item.setTo(to);
        item.setSubject(subject);
        item.setBody(body);
        item.Display();
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toEncoded(), url);
    }
};

QTEST_MAIN(TestActions)
#include "test_actions.moc"
