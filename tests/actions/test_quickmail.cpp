// The quick-mail area on a bar over the recording contact client: placeholder words, Clear,
// Send and Cancel with the return to the remembered mode, and what a refused send keeps.

#include "actions/contactactions.h"
#include "actions/quickmail.h"
#include "fakes/manualbackground.h"
#include "support/barfixture.h"
#include "window/statusline.h"
#include "window/windowmodes.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using Props = QMap<QString, QString>;

namespace {

// Adds Jane Doe (after any contact the test added) and starts the bar; with a background, quick
// mail's sends wait there until the test runs them.
frmMain& loadJane(BarFixture& f, fake::ManualBackground* background = nullptr)
{
    f.client.add(QStringLiteral("Doe, Jane"), QStringLiteral("Jane Doe"),
                 Props{{QStringLiteral("Email1Address"), QStringLiteral("jd@example.com")}});
    frmMain& form = f.create();
    if (background)
        form.quickMail()->setBackground(background->runner());
    form.Form_Load();
    return form;
}

} // namespace

class TestQuickMail : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BarFixture> f;
    frmMain* form = nullptr;

    void choose(const QString& id) { f->choose(id); }
    QString subject() const { return ui<QLineEdit>(*form, "txtSubject")->text(); }
    QString body() const { return ui<QPlainTextEdit>(*form, "txtBody")->toPlainText(); }

private slots:
    void init()
    {
        f = std::make_unique<BarFixture>();
        f->client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                      Props{{QStringLiteral("Email1DisplayName"), QStringLiteral("\"Smith, John\" <js@example.com>")},
                            {QStringLiteral("Email1Address"), QStringLiteral("js@example.com")}});
        f->client.add(QStringLiteral("Doe, Jane"), QStringLiteral("Jane Doe"),
                      Props{{QStringLiteral("Email1Address"), QStringLiteral("jd@example.com")}});
        f->client.add(QStringLiteral("Nomail, Nora"), QStringLiteral("Nora Nomail"));
        form = &f->load();
        MessageBox::shownInTest().clear();
    }
    void cleanup() { f.reset(); }

    void placeholders_data()
    {
        QTest::addColumn<bool>("isSubject");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gotFocus");
        QTest::addColumn<QString>("expected");
        QTest::newRow("subject placeholder emptied") << true << "Subject" << true << "";
        QTest::newRow("subject placeholder with spaces") << true << "  Subject  " << true << "";
        QTest::newRow("subject lower case stays") << true << "subject" << true << "subject";
        QTest::newRow("subject with more text stays") << true << "Subject line" << true << "Subject line";
        QTest::newRow("empty subject gets placeholder") << true << "" << false << "Subject";
        QTest::newRow("spaces in subject stay") << true << "   " << false << "   ";
        QTest::newRow("typed subject stays") << true << "Hello" << false << "Hello";
        QTest::newRow("designed body emptied") << false << "Body\n" << true << "";
        QTest::newRow("body starting with Body emptied") << false << "Body text" << true << "";
        QTest::newRow("body lower case stays") << false << "body text" << true << "body text";
        QTest::newRow("empty body gets placeholder") << false << "" << false << "Body";
        QTest::newRow("spaces in body stay") << false << "  " << false << "  ";
    }
    void placeholders()
    {
        QFETCH(bool, isSubject);
        QFETCH(QString, text);
        QFETCH(bool, gotFocus);
        QFETCH(QString, expected);
        QuickMail& q = *form->quickMail();
        if (isSubject) {
            setText(*form, "txtSubject", text);
            gotFocus ? q.txtSubject_GotFocus() : q.txtSubject_LostFocus();
            QCOMPARE(subject(), expected);
        } else {
            ui<QPlainTextEdit>(*form, "txtBody")->setPlainText(text);
            gotFocus ? q.txtBody_GotFocus() : q.txtBody_LostFocus();
            QCOMPARE(body(), expected);
        }
    }

    void clearResetsBothAndStaysOpen()
    {
        form->modes()->setWindowMode(3);
        setText(*form, "txtSubject", QStringLiteral("typed"));
        ui<QPlainTextEdit>(*form, "txtBody")->setPlainText(QStringLiteral("typed\ntext"));
        QTest::mouseClick(ui<QPushButton>(*form, "cmdClearMail"), Qt::LeftButton);
        QCOMPARE(subject(), QStringLiteral("Subject"));
        QCOMPARE(body(), QStringLiteral("Body"));
        QCOMPARE(form->modeState().windowMode, 3);
    }

    void send_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("startMode");
        QTest::addColumn<QString>("to");
        QTest::newRow("display name") << "id1" << 1 << "\"Smith, John\" <js@example.com>";
        QTest::newRow("first address") << "id2" << 2 << "js@example.com";
        QTest::newRow("from mode 3") << "id1" << 3 << "\"Smith, John\" <js@example.com>";
    }
    void send()
    {
        QFETCH(QString, id);
        QFETCH(int, startMode);
        QFETCH(QString, to);
        if (id == QLatin1String("id2"))
            to = QStringLiteral("jd@example.com");
        form->modes()->setWindowMode(startMode);
        choose(id);
        form->actions()->cmdQEmailContact_Click();
        QCOMPARE(form->modeState().windowMode, 3);
        setText(*form, "txtSubject", QStringLiteral(" Hi  "));
        ui<QPlainTextEdit>(*form, "txtBody")->setPlainText(QStringLiteral("Line 1\nLine 2\n"));
        f->client.clearLog();
        QTest::mouseClick(ui<QPushButton>(*form, "cmdSendMail"), Qt::LeftButton);
        QCOMPARE(
            f->client.logOf({QStringLiteral("CreateItem"), QStringLiteral("Subject="), QStringLiteral("Body="),
                             QStringLiteral("To="), QStringLiteral("Send")}),
            (QStringList{QStringLiteral("CreateItem(0)"), QStringLiteral("Subject= Hi  "),
                         QStringLiteral("Body=Line 1\nLine 2\n"), QStringLiteral("To=") + to, QStringLiteral("Send")}));
        QCOMPARE(form->modeState().windowMode, startMode);
        QCOMPARE(subject(), QStringLiteral("Subject"));
        QCOMPARE(body(), QStringLiteral("Body"));
        QVERIFY(MessageBox::shownInTest().isEmpty());
    }

    // Untouched boxes send their placeholders; after a Clear the body is "Body" alone.
    void untouchedBoxesSendPlaceholders()
    {
        choose(QStringLiteral("id1"));
        const QString designed = body();
        QVERIFY(designed.startsWith(QStringLiteral("Body")) && designed.size() > 4);
        form->quickMail()->cmdSendMail_Click();
        form->quickMail()->cmdSendMail_Click();
        QCOMPARE(f->client.mails.size(), 2);
        QCOMPARE(f->client.mails.at(0).subject, QStringLiteral("Subject"));
        QCOMPARE(f->client.mails.at(0).body, designed);
        QCOMPARE(f->client.mails.at(1).body, QStringLiteral("Body"));
    }

    void cancel()
    {
        form->modes()->setWindowMode(2);
        choose(QStringLiteral("id1"));
        form->actions()->cmdQEmailContact_Click();
        setText(*form, "txtSubject", QStringLiteral("typed"));
        f->client.clearLog();
        QTest::mouseClick(ui<QPushButton>(*form, "cmdCancelMail"), Qt::LeftButton);
        QVERIFY(f->client.logOf({QStringLiteral("CreateItem"), QStringLiteral("Send")}).isEmpty());
        QCOMPARE(form->modeState().windowMode, 2);
        QCOMPARE(subject(), QStringLiteral("Subject"));
        QCOMPARE(body(), QStringLiteral("Body"));
    }

    // A refused send: a message with the reason; texts, area and mode as they were.
    void refusedSendKeepsEverything_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("server refuses") << "id1"
                                        << "The mail server refused the mail."
                                        << "refused the mail";
        QTest::newRow("no contact chosen") << ""
                                           << ""
                                           << "Choose a contact";
    }
    void refusedSendKeepsEverything()
    {
        QFETCH(QString, id);
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        form->modes()->setWindowMode(1);
        if (!id.isEmpty())
            choose(id);
        form->actions()->cmdQEmailContact_Click();
        if (id.isEmpty())
            form->session()->chooseEntry(QString());
        if (!failure.isEmpty())
            f->client.failures.insert(QStringLiteral("Send"), failure);
        setText(*form, "txtSubject", QStringLiteral("Über"));
        ui<QPlainTextEdit>(*form, "txtBody")->setPlainText(QStringLiteral("Dear John,\n\nsee you.\n"));
        f->client.clearLog();
        QTest::mouseClick(ui<QPushButton>(*form, "cmdSendMail"), Qt::LeftButton);
        QCOMPARE(MessageBox::shownInTest().size(), 1);
        QVERIFY2(MessageBox::shownInTest().first().text.contains(reason),
                 qPrintable(MessageBox::shownInTest().first().text));
        QCOMPARE(subject(), QStringLiteral("Über"));
        QCOMPARE(body(), QStringLiteral("Dear John,\n\nsee you.\n"));
        QCOMPARE(form->modeState().windowMode, 3);
        QCOMPARE(form->modeState().rememberedMode, std::optional<int>(1));
        if (id.isEmpty())
            QVERIFY(f->client.logOf({QStringLiteral("CreateItem")}).isEmpty());
        QVERIFY(form->isVisible());
    }
};

// The send runs on a worker: until its result is in, the area shows it is sending and cannot be
// sent, cleared or changed; the result then acts as a send at once would.
class TestQuickMailOnWorker : public QObject {
    Q_OBJECT

private slots:
    void resultArrivesLater_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("sent") << QString();
        QTest::newRow("refused by the server") << QStringLiteral("The server said no.");
    }
    void resultArrivesLater()
    {
        QFETCH(QString, failure);
        BarFixture f;
        fake::ManualBackground background;
        frmMain& form = loadJane(f, &background);
        MessageBox::shownInTest().clear();
        form.modes()->setWindowMode(1);
        f.choose(QStringLiteral("id1"));
        form.actions()->cmdQEmailContact_Click();
        setText(form, "txtSubject", QStringLiteral("Lunch"));
        if (!failure.isEmpty())
            f.client.failures.insert(QStringLiteral("Send"), failure);
        QSignalSpy finished(form.quickMail(), &QuickMail::sendFinished);

        QTest::mouseClick(ui<QPushButton>(form, "cmdSendMail"), Qt::LeftButton);
        QCOMPARE(background.pending(), 1);
        QVERIFY(form.quickMail()->isSending());
        QVERIFY(!ui<QPushButton>(form, "cmdSendMail")->isEnabled() &&
                !ui<QPushButton>(form, "cmdClearMail")->isEnabled() &&
                !ui<QPushButton>(form, "cmdCancelMail")->isEnabled());
        QVERIFY(ui<QLineEdit>(form, "txtSubject")->isReadOnly());
        // The line names whom the mail goes to, as SEND's tip and description do.
        QCOMPARE(form.status()->text(), QStringLiteral("Sending the mail to Jane Doe <jd@example.com>..."));
        QCOMPARE(ui<QPushButton>(form, "cmdSendMail")->toolTip(), QStringLiteral("Send to Jane Doe <jd@example.com>"));
        QCOMPARE(ui<QPushButton>(form, "cmdSendMail")->accessibleDescription(),
                 QStringLiteral("Send to Jane Doe <jd@example.com>"));
        QVERIFY(form.status()->isShown());
        QTest::mouseClick(ui<QPushButton>(form, "cmdSendMail"),
                          Qt::LeftButton); // a second click sends nothing more
        QCOMPARE(background.pending(), 1);
        QCOMPARE(finished.size(), 0);

        QVERIFY(background.runNext());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), failure.isEmpty());
        QVERIFY(ui<QPushButton>(form, "cmdSendMail")->isEnabled() && !ui<QLineEdit>(form, "txtSubject")->isReadOnly());
        QVERIFY(!form.status()->isShown());
        if (failure.isEmpty()) {
            QCOMPARE(ui<QLineEdit>(form, "txtSubject")->text(), QStringLiteral("Subject"));
            QCOMPARE(form.modeState().windowMode, 1);
            QVERIFY(MessageBox::shownInTest().isEmpty());
        } else {
            QCOMPARE(ui<QLineEdit>(form, "txtSubject")->text(), QStringLiteral("Lunch"));
            QCOMPARE(form.modeState().windowMode, 3);
            QCOMPARE(MessageBox::shownInTest().size(), 1);
            QVERIFY(MessageBox::shownInTest().first().text.contains(failure));
        }
    }

    void barClosedWhileSending()
    {
        fake::ManualBackground background;
        BarFixture f;
        frmMain& form = loadJane(f, &background);
        f.choose(QStringLiteral("id1"));
        form.quickMail()->cmdSendMail_Click();
        f.form.reset();
        // The mail still goes out; its result reaches no window.
        QVERIFY(background.runNext());
        QCOMPARE(f.client.logOf({QStringLiteral("Send")}), QStringList{QStringLiteral("Send")});
    }

    // With the area open, another contact chosen: SEND names the new one when pointed at or reached.
    void sendNamesTheContactNowChosen_data()
    {
        QTest::addColumn<int>("how"); // QEvent::ToolTip or QEvent::FocusIn
        QTest::newRow("pointed at") << int(QEvent::ToolTip);
        QTest::newRow("reached with Tab") << int(QEvent::FocusIn);
    }
    void sendNamesTheContactNowChosen()
    {
        QFETCH(int, how);
        BarFixture f;
        f.client.add(QStringLiteral("Roe, Rick"), QStringLiteral("Rick Roe"),
                     Props{{QStringLiteral("Email1Address"), QStringLiteral("rr@example.com")}});
        frmMain& form = loadJane(f);
        f.choose(QStringLiteral("id2"));
        form.actions()->cmdQEmailContact_Click();
        auto* send = ui<QPushButton>(form, "cmdSendMail");
        QCOMPARE(send->toolTip(), QStringLiteral("Send to Jane Doe <jd@example.com>"));
        f.choose(QStringLiteral("id1"));
        if (how == int(QEvent::ToolTip)) {
            QHelpEvent pointed(QEvent::ToolTip, send->rect().center(), send->mapToGlobal(send->rect().center()));
            QApplication::sendEvent(send, &pointed);
        } else {
            QFocusEvent reached(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(send, &reached);
        }
        QCOMPARE(send->toolTip(), QStringLiteral("Send to Rick Roe <rr@example.com>"));
        QCOMPARE(send->accessibleDescription(), QStringLiteral("Send to Rick Roe <rr@example.com>"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestQuickMail a;
    TestQuickMailOnWorker b;
    return QTest::qExec(&a, argc, argv) | QTest::qExec(&b, argc, argv);
}
#include "test_quickmail.moc"
