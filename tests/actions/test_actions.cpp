// The five contact actions on a bar over the recording contact client and word processor, and the
// mail composer's URL. (Contact card and call window: test_integration, on a real address book.)

#include "actions/callwindow.h"
#include "actions/contactactions.h"
#include "actions/desktopintegration.h"
#include "actions/urllauncher.h"
#include "fakes/recordingclient.h"
#include "mail/clientmailitem.h"
#include "mail/mailaccount.h"
#include "support/barfixture.h"
#include "urlcatcher.h"
#include "window/statusline.h"
#include "window/windowmodes.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using Props = QMap<QString, QString>;

class TestActions : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BarFixture> f;
    frmMain* form = nullptr;

    void choose(const QString& id) { f->choose(id); }

private slots:
    void init()
    {
        f = std::make_unique<BarFixture>();
        f->client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                      Props{{QStringLiteral("Email1DisplayName"), QStringLiteral("\"Smith, John\" <js@example.com>")},
                            {QStringLiteral("Email1Address"), QStringLiteral("js@example.com")},
                            {QStringLiteral("MobileTelephoneNumber"), QStringLiteral("+1 555 0101")},
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
        QTest::newRow("dial") << "id1"
                              << "cmdDialContact" << QStringList{QStringLiteral("Dial(id1)")};
        QTest::newRow("view") << "id1"
                              << "cmdViewContact" << QStringList{QStringLiteral("Display(id1)")};
        QTest::newRow("e-mail to display name")
            << "id1"
            << "cmdEMailContact"
            << QStringList{QStringLiteral("CreateItem(0)"), QStringLiteral("To=\"Smith, John\" <js@example.com>"),
                           QStringLiteral("Display mail")};
        QTest::newRow("e-mail to first address")
            << "id2"
            << "cmdEMailContact"
            << QStringList{QStringLiteral("CreateItem(0)"), QStringLiteral("To=jd@example.com"),
                           QStringLiteral("Display mail")};
        QTest::newRow("e-mail to full name")
            << "id3"
            << "cmdEMailContact"
            << QStringList{QStringLiteral("CreateItem(0)"), QStringLiteral("To=Rick Roe"),
                           QStringLiteral("Display mail")};
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
        form->modes()->setWindowMode(mode);
        choose(QStringLiteral("id1"));
        f->client.clearLog();
        form->actions()->cmdQEmailContact_Click();
        QCOMPARE(form->modeState().rememberedMode, std::optional<int>(mode));
        QCOMPARE(form->modeState().windowMode, 3);
        // Opening the area makes no mail yet; it only reads whom SEND writes to.
        QCOMPARE(f->client.logOf({QStringLiteral("CreateItem"), QStringLiteral("Send"), QStringLiteral("Display")}),
                 QStringList());
    }

    void letter_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("name and mailing address") << "id1"
                                                  << "John Smith\r\n1 Main St\nSpringfield";
        QTest::newRow("empty mailing address") << "id2"
                                               << "Jane Doe\r\n";
    }
    void letter()
    {
        QFETCH(QString, id);
        QFETCH(QString, text);
        choose(id);
        f->word->log.clear();
        form->actions()->cmdWriteContact_Click();
        form->actions()->cmdWriteContact_Click();
        const QStringList one{QStringLiteral("Documents"), QStringLiteral("Add"), QStringLiteral("Content"),
                              QStringLiteral("Text=") + text, QStringLiteral("Visible=true")};
        QCOMPARE(f->word->log, one + one);
        QCOMPARE(f->word->docs.documents.size(), size_t(2));
        // The word processor is slow to show: the line says the letter is on its way.
        QVERIFY(form->status()->isShown());
        QVERIFY2(form->status()->text().startsWith(QStringLiteral("Opening the letter to ")),
                 qPrintable(form->status()->text()));
    }

    // A failing component is reported and the bar goes on.
    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("failure");
        QTest::newRow("no word processor") << "cmdWriteContact"
                                           << "";
        QTest::newRow("dial refused") << "cmdDialContact"
                                      << "Dial";
        QTest::newRow("store refuses the mail item") << "cmdEMailContact"
                                                     << "CreateItem";
        QTest::newRow("no composer") << "cmdEMailContact"
                                     << "Display mail";
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
        form->actions()->cmdViewContact_Click();
        QVERIFY(f->client.log.contains(QStringLiteral("Display(id1)")));
    }

    // The mail item's Display opens the composer with bare addresses and the texts encoded.
    void composerUrl_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("url");
        QTest::newRow("mailbox") << "\"Smith, John\" <js@example.com>"
                                 << ""
                                 << "" << QByteArray("mailto:js@example.com");
        QTest::newRow("full name") << "John Smith"
                                   << "Hi"
                                   << "" << QByteArray("mailto:js@example.com?subject=Hi");
        QTest::newRow("nobody of that name") << "Nobody Known"
                                             << "Hi"
                                             << "" << QByteArray("mailto:?subject=Hi");
        QTest::newRow("special characters")
            << "a@example.com; b+tag@example.com"
            << "a?b&c+d#e f"
            << "Line 1\nLine 2 ü"
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
        mail::ClientMailItem item(*ns, form->actions()->desktop(), [] { return mail::MailAccount{}; });
        item.setTo(to);
        item.setSubject(subject);
        item.setBody(body);
        item.Display();
        QTRY_COMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toEncoded(), url);
    }

    // The desktop is asked for a mail or telephone program before the URL is handed on; without
    // one the user is told, and when the desktop cannot be asked the URL goes on regardless.
    void handOff_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<int>("desktop");
        QTest::addColumn<QString>("said"); // empty: the URL was handed on
        // Both say alike what to do: install, choose, or the command that sets the program.
        const QString noMail = QStringLiteral("xdg-mime default thunderbird.desktop x-scheme-handler/mailto");
        const QString noPhone = QStringLiteral("xdg-mime default org.gnome.Calls.desktop x-scheme-handler/tel");
        QTest::newRow("mail program registered") << "mailto" << int(UrlCatcher::Desktop::Registered) << QString();
        QTest::newRow("no mail program") << "mailto" << int(UrlCatcher::Desktop::NoProgram) << noMail;
        QTest::newRow("mail: desktop cannot be asked") << "mailto" << int(UrlCatcher::Desktop::CannotAsk) << QString();
        QTest::newRow("dialer registered") << "tel" << int(UrlCatcher::Desktop::Registered) << QString();
        QTest::newRow("no dialer") << "tel" << int(UrlCatcher::Desktop::NoProgram) << noPhone;
    }
    void handOff()
    {
        QFETCH(QString, scheme);
        QFETCH(int, desktop);
        QFETCH(QString, said);
        UrlCatcher catcher({scheme}, UrlCatcher::Desktop(desktop));
        choose(QStringLiteral("id1"));
        const UrlLauncher* launcher = nullptr;
        std::unique_ptr<CallWindow> dialer;
        if (scheme == QStringLiteral("mailto")) {
            launcher = &form->actions()->desktop().launcher();
        } else {
            dialer = std::make_unique<CallWindow>();
            dialer->setAttribute(Qt::WA_DeleteOnClose, false);
            dialer->setContact(*form->session()->currentContact());
            dialer->show();
            launcher = dialer->launcher;
        }
        QSignalSpy done(launcher, &UrlLauncher::done);
        if (dialer) {
            dialer->cmdCall_Click();
        } else {
            // The contact client's own mail item, which hands itself to the bar's composer.
            auto ns = f->client.application()->GetNamespace(QStringLiteral("MAPI"));
            mail::ClientMailItem item(*ns, form->actions()->desktop(), [] { return mail::MailAccount{}; });
            item.setTo(QStringLiteral("js@example.com"));
            item.Display();
        }
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done.first().at(1).toBool(), said.isEmpty());
        QCOMPARE(catcher.urls.size(), said.isEmpty() ? 1 : 0);
        QCOMPARE(MessageBox::shownInTest().size(), said.isEmpty() ? 0 : 1);
        if (!said.isEmpty()) {
            QVERIFY2(MessageBox::shownInTest().first().text.contains(said),
                     qPrintable(MessageBox::shownInTest().first().text));
            // One look for one kind of failure: a warning, without an error number.
            QVERIFY(MessageBox::shownInTest().first().icon == MessageBox::Icon::Warning);
            QVERIFY(!MessageBox::shownInTest().first().text.contains(QStringLiteral("Error")));
        } else
            QCOMPARE(catcher.urls.first().scheme(), scheme);
        if (dialer) {
            // The call window says whether the number went on; when it did, it closes itself.
            QCOMPARE(dialer->lblHandedOver->isVisibleTo(dialer.get()), said.isEmpty());
            if (said.isEmpty()) {
                QVERIFY2(dialer->lblHandedOver->text().contains(catcher.urls.first().path()),
                         qPrintable(dialer->lblHandedOver->text()));
                QTRY_VERIFY_WITH_TIMEOUT(!dialer->isVisible(), 10 * CallWindow::kCloseAfterMs);
            }
        }
    }
};

QTEST_MAIN(TestActions)
#include "test_actions.moc"
