// Which address a mail goes to: the contact's addresses as the menu lists them, and the E-mail and
// Quick e-mail buttons writing to the one picked (a plain click keeps the first).

#include "actions/mailaddresses.h"
#include "actions/quickmail.h"
#include "app/addressmenu.h"
#include "contactmore/menupick.h"
#include "contactmore/vcardcontact.h"
#include "support/barfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Props = QMap<QString, QString>;

namespace {

// John Smith with three addresses (id1), Jane Doe with one (id2).
void addContacts(fake::RecordingClient& client)
{
    client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
               Props{{QStringLiteral("Email1Address"), QStringLiteral("js@home.example")},
                     {QStringLiteral("Email1DisplayName"), QStringLiteral("John Smith <js@home.example>")},
                     {QStringLiteral("Email2Address"), QStringLiteral("john.smith@work.example")},
                     {QStringLiteral("Email3Address"), QStringLiteral("j&s@club.example")}});
    client.add(QStringLiteral("Doe, Jane"), QStringLiteral("Jane Doe"),
               Props{{QStringLiteral("Email1Address"), QStringLiteral("jane@example.com")},
                     {QStringLiteral("Email1DisplayName"), QStringLiteral("Jane Doe <jane@example.com>")}});
}

QAbstractButton* button(frmMain& form, const QString& name)
{
    return qobject_cast<QAbstractButton*>(form.control(name));
}

} // namespace

class TestAddressChoice : public QObject {
    Q_OBJECT
private slots:
    void addressesOfACard_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("kinds from the card, in its order")
            << "FN:Ann\nEMAIL;TYPE=work:ann@work.example\nEMAIL;TYPE=HOME:ann@home.example"
            << QStringList{u"ann@work.example (work)"_s, u"ann@home.example (home)"_s};
        QTest::newRow("more than three") << "FN:Ann\nEMAIL:a1@x.example\nEMAIL:a2@x.example\nEMAIL:a3@x.example\n"
                                            "EMAIL:a4@x.example"
                                         << QStringList{u"a1@x.example"_s, u"a2@x.example"_s, u"a3@x.example"_s,
                                                        u"a4@x.example"_s};
        QTest::newRow("the same address once")
            << "FN:Ann\nEMAIL:ann@x.example\nEMAIL:Ann@X.example" << QStringList{u"ann@x.example"_s};
        QTest::newRow("an & shown, not a mnemonic")
            << "FN:Ann\nEMAIL:a&b@x.example" << QStringList{u"a&&b@x.example"_s};
        QTest::newRow("no address") << "FN:Ann" << QStringList{};
    }
    void addressesOfACard()
    {
        QFETCH(QString, lines);
        QFETCH(QStringList, entries);
        const auto contact = vcardContact(lines);
        QVERIFY(contact);
        QStringList shown;
        for (const mailaddresses::Address& a : mailaddresses::of(*contact))
            shown << mailaddresses::menuText(a);
        QCOMPARE(shown, entries);
    }

    void recipient_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("recipient");
        QTest::newRow("name and address") << "FN:Ann Lee\nEMAIL:ann@x.example"
                                          << "ann@x.example"
                                          << "Ann Lee <ann@x.example>";
        QTest::newRow("a name with a comma is quoted") << "FN:Lee\\, Ann\nEMAIL:ann@x.example"
                                                       << "ann@x.example"
                                                       << "\"Lee, Ann\" <ann@x.example>";
    }
    void recipient()
    {
        QFETCH(QString, lines);
        QFETCH(QString, address);
        QFETCH(QString, recipient);
        const auto contact = vcardContact(lines);
        QVERIFY(contact);
        QCOMPARE(mailaddresses::recipient(*contact, address), recipient);
        QVERIFY(mailaddresses::has(*contact, address.toUpper()));
        QVERIFY(!mailaddresses::has(*contact, QStringLiteral("other@x.example")));
    }

    // The composer gets the address picked from the E-mail button's menu; a plain click, the first.
    void emailToThePickedAddress_data()
    {
        QTest::addColumn<int>("pick"); // -1: a plain click
        QTest::addColumn<QString>("to");
        QTest::newRow("plain click: the first") << -1 << "To=John Smith <js@home.example>";
        QTest::newRow("menu, first entry") << 0 << "To=John Smith <js@home.example>";
        QTest::newRow("menu, second entry") << 1 << "To=John Smith <john.smith@work.example>";
        QTest::newRow("menu, an address with &") << 2 << "To=John Smith <j&s@club.example>";
    }
    void emailToThePickedAddress()
    {
        QFETCH(int, pick);
        QFETCH(QString, to);
        BarFixture f;
        addContacts(f.client);
        frmMain& form = f.load();
        f.choose(QStringLiteral("id1"));
        QAbstractButton* email = button(form, QStringLiteral("cmdEMailContact"));
        QVERIFY(email->isEnabled());
        auto* menu = form.findChild<AddressMenu*>();
        QVERIFY(menu);
        f.client.clearLog();
        MenuPick picker;
        if (pick < 0) {
            email->click();
        } else {
            picker.next(pick);
            QVERIFY(menu->popup(email, email->mapToGlobal(QPoint())));
            QCOMPARE(picker.shown,
                     (QStringList{u"js@home.example"_s, u"john.smith@work.example"_s, u"j&&s@club.example"_s}));
        }
        QCOMPARE(f.client.logOf({QStringLiteral("To="), QStringLiteral("Display mail")}),
                 (QStringList{to, u"Display mail"_s}));
        // The picked address was for that mail only.
        f.client.clearLog();
        email->click();
        QCOMPARE(f.client.logOf({QStringLiteral("To=")}), QStringList{u"To=John Smith <js@home.example>"_s});
    }

    void noMenu_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("one address") << "id2";
        QTest::newRow("no contact chosen") << "";
    }
    void noMenu()
    {
        QFETCH(QString, entry);
        BarFixture f;
        addContacts(f.client);
        frmMain& form = f.load();
        if (!entry.isEmpty())
            f.choose(entry);
        auto* menu = form.findChild<AddressMenu*>();
        for (const QString& name : {QStringLiteral("cmdEMailContact"), QStringLiteral("cmdQEmailContact")}) {
            QAbstractButton* b = button(form, name);
            f.client.clearLog();
            QVERIFY(!menu->popup(b, b->mapToGlobal(QPoint())));
            QCOMPARE(f.client.logOf({QStringLiteral("To="), QStringLiteral("Display mail")}), QStringList{});
        }
    }

    // The quick mail goes to the address picked from the Quick e-mail button's menu while its
    // contact stays the chosen one; another contact, or a plain click, writes to the first again.
    void quickMailToThePickedAddress_data()
    {
        QTest::addColumn<int>("pick"); // -1: a plain click
        QTest::addColumn<QString>("chooseBeforeSending");
        QTest::addColumn<QString>("to");
        QTest::newRow("plain click") << -1 << ""
                                     << "To=John Smith <js@home.example>";
        QTest::newRow("second address") << 1 << ""
                                        << "To=John Smith <john.smith@work.example>";
        QTest::newRow("another contact chosen meanwhile") << 1 << "id2"
                                                          << "To=Jane Doe <jane@example.com>";
    }
    void quickMailToThePickedAddress()
    {
        QFETCH(int, pick);
        QFETCH(QString, chooseBeforeSending);
        QFETCH(QString, to);
        BarFixture f;
        addContacts(f.client);
        frmMain& form = f.load();
        f.choose(QStringLiteral("id1"));
        QAbstractButton* quick = button(form, QStringLiteral("cmdQEmailContact"));
        MenuPick picker;
        if (pick < 0) {
            quick->click();
        } else {
            picker.next(pick);
            QVERIFY(form.findChild<AddressMenu*>()->popup(quick, quick->mapToGlobal(QPoint())));
        }
        QCOMPARE(WindowMode(form.modeState().windowMode), WindowMode::QuickMail);
        auto* send = form.findChild<QPushButton*>(QStringLiteral("cmdSendMail"));
        // SEND says whom it writes to.
        QCOMPARE(send->accessibleDescription(), pick == 1
                                                    ? QStringLiteral("Send to John Smith <john.smith@work.example>")
                                                    : QStringLiteral("Send to John Smith <js@home.example>"));
        if (!chooseBeforeSending.isEmpty())
            f.choose(chooseBeforeSending);
        f.client.clearLog();
        send->click();
        QCOMPARE(f.client.logOf({QStringLiteral("To=")}), QStringList{to});

        // Once sent, the next quick mail to the contact goes to its first address again.
        f.choose(QStringLiteral("id1"));
        form.modes()->setWindowMode(WindowMode::QuickMail);
        f.client.clearLog();
        send->click();
        QCOMPARE(f.client.logOf({QStringLiteral("To=")}), QStringList{u"To=John Smith <js@home.example>"_s});
    }
};

QTEST_MAIN(TestAddressChoice)
#include "test_addresschoice.moc"
