// Copying the chosen contact as "Name <address>": the form address fields take, and the key on
// the bar that puts it on the clipboard.

#include "actions/contactcopy.h"
#include "support/barfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using Props = QMap<QString, QString>;

class TestContactCopy : public QObject {
    Q_OBJECT
private slots:
    void mailbox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("mailbox");
        QTest::newRow("plain name") << "John Smith"
                                    << "js@example.com"
                                    << "John Smith <js@example.com>";
        QTest::newRow("comma quoted") << "Smith, John"
                                      << "js@example.com"
                                      << "\"Smith, John\" <js@example.com>";
        QTest::newRow("quote escaped") << "John \"JJ\" Smith"
                                       << "js@example.com"
                                       << "\"John \\\"JJ\\\" Smith\" <js@example.com>";
        QTest::newRow("dot quoted") << "J. Smith"
                                    << "js@example.com"
                                    << "\"J. Smith\" <js@example.com>";
        QTest::newRow("no name") << ""
                                 << "js@example.com"
                                 << "js@example.com";
        QTest::newRow("spaces trimmed") << "  Ann   Lee "
                                        << " al@example.com "
                                        << "Ann Lee <al@example.com>";
        QTest::newRow("no address") << "John Smith"
                                    << ""
                                    << "";
        QTest::newRow("non-ASCII name as it is") << "Jürgen Groß"
                                                 << "jg@example.de"
                                                 << "Jürgen Groß <jg@example.de>";
    }
    void mailbox()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, mailbox);
        QCOMPARE(contactcopy::mailbox(name, address), mailbox);
    }

    void keyCopiesTheChosenContact_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("first address") << "id1"
                                       << "John Smith <js@example.com>";
        QTest::newRow("second address when the first is empty") << "id2"
                                                                << "Rick Roe <rr@example.com>";
        QTest::newRow("no address: nothing copied") << "id3"
                                                    << "before";
        QTest::newRow("no contact chosen") << ""
                                           << "before";
    }
    void keyCopiesTheChosenContact()
    {
        QFETCH(QString, entry);
        QFETCH(QString, clipboard);
        BarFixture f;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                     Props{{QStringLiteral("Email1Address"), QStringLiteral("js@example.com")}});
        f.client.add(QStringLiteral("Roe, Rick"), QStringLiteral("Rick Roe"),
                     Props{{QStringLiteral("Email2Address"), QStringLiteral("rr@example.com")}});
        f.client.add(QStringLiteral("Doe, Jane"), QStringLiteral("Jane Doe"));
        frmMain& form = f.load();
        if (!entry.isEmpty())
            f.choose(entry);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* box = form.findChild<QLineEdit*>(QStringLiteral("txtContact"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }
};

QTEST_MAIN(TestContactCopy)
#include "test_contactcopy.moc"
