// The form of the card's edit mode without widgets: checks, a new contact from the box's text, the
// properties quintel-contacts sets, the full name following the name parts, and the user's changes
// carried onto a contact changed elsewhere.

#include "contactclient/contactform.h"

#include <QTest>

using namespace contactclient;

namespace {

FormEntry entry(const char* kind, const char* value, int origin, bool preferred = false)
{
    return FormEntry{QString::fromUtf8(kind), QString::fromUtf8(value), preferred, origin};
}

} // namespace

class TestContactForm : public QObject {
    Q_OBJECT

private slots:
    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("family");
        QTest::newRow("address") << QStringLiteral(" ann@example.org ") << QStringLiteral("ann@example.org")
                                 << QString() << QString() << QString();
        QTest::newRow("number") << QStringLiteral("+49 (151) 234-56") << QString() << QStringLiteral("+49 (151) 234-56")
                                << QString() << QString();
        QTest::newRow("one word") << QStringLiteral("Ann") << QString() << QString() << QStringLiteral("Ann")
                                  << QString();
        QTest::newRow("two words") << QStringLiteral("Ann  Lee") << QString() << QString() << QStringLiteral("Ann")
                                   << QStringLiteral("Lee");
        QTest::newRow("three words") << QStringLiteral("Mary Ann Lee") << QString() << QString()
                                     << QStringLiteral("Mary Ann") << QStringLiteral("Lee");
        QTest::newRow("words with digits")
            << QStringLiteral("Room 101") << QString() << QString() << QStringLiteral("Room") << QStringLiteral("101");
    }
    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, email);
        QFETCH(QString, mobile);
        QFETCH(QString, given);
        QFETCH(QString, family);
        const ContactForm f = formFromText(text);
        QCOMPARE(f.emails.isEmpty() ? QString() : f.emails.front().value, email);
        if (!email.isEmpty())
            QVERIFY(f.emails.front().preferred);
        QCOMPARE(f.phones.isEmpty() ? QString() : f.phones.front().value, mobile);
        if (!mobile.isEmpty())
            QCOMPARE(f.phones.front().kind, QStringLiteral("mobile"));
        QCOMPARE(f.given, given);
        QCOMPARE(f.family, family);
        QVERIFY(validateForm(f).isEmpty());
    }

    void validate_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("birthday");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("fine") << QStringLiteral("a@b.example") << QStringLiteral("1985-04-12") << QStringLiteral("A")
                              << QStringList();
        QTest::newRow("no @") << QStringLiteral("ann.example.org") << QString() << QStringLiteral("A")
                              << QStringList{QStringLiteral("email")};
        QTest::newRow("two addresses") << QStringLiteral("a@b.example, c@d.example") << QString() << QStringLiteral("A")
                                       << QStringList{QStringLiteral("email")};
        QTest::newRow("no such day") << QString() << QStringLiteral("1985-02-30") << QStringLiteral("A")
                                     << QStringList{QStringLiteral("birthday")};
        QTest::newRow("29 February without a year")
            << QString() << QStringLiteral("--02-29") << QStringLiteral("A") << QStringList();
        QTest::newRow("basic format") << QString() << QStringLiteral("19850412") << QStringLiteral("A")
                                      << QStringList();
        QTest::newRow("words") << QString() << QStringLiteral("next spring") << QStringLiteral("A")
                               << QStringList{QStringLiteral("birthday")};
        QTest::newRow("nothing to call it by")
            << QString() << QString() << QString() << QStringList{QStringLiteral("name")};
        QTest::newRow("a number is enough") << QString() << QString() << QString() << QStringList();
        QTest::newRow("an address is enough")
            << QStringLiteral("a@b.example") << QString() << QString() << QStringList();
    }
    void validate()
    {
        QFETCH(QString, email);
        QFETCH(QString, birthday);
        QFETCH(QString, name);
        QFETCH(QStringList, fields);
        ContactForm f;
        f.given = name;
        f.birthday = birthday;
        if (QByteArray(QTest::currentDataTag()) == "a number is enough")
            f.phones.append({QStringLiteral("mobile"), QStringLiteral("+1 555"), false, -1});
        if (!email.isEmpty())
            f.emails.append({QStringLiteral("home"), email, false, -1});
        QStringList got;
        for (const FieldError& e : validateForm(f)) {
            got.append(e.field);
            QVERIFY(!e.message.isEmpty());
        }
        QCOMPARE(got, fields);
    }

    void setProperty_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("emails");
        QTest::addColumn<QStringList>("phones"); // kind:value
        QTest::newRow("second address replaced")
            << QStringLiteral("Email2Address") << QStringLiteral("new@x.example")
            << QStringList{QStringLiteral("new@x.example"), QStringLiteral("pref@x.example")}
            << QStringList{QStringLiteral("work:1"), QStringLiteral("work:2")};
        QTest::newRow("third address added")
            << QStringLiteral("Email3Address") << QStringLiteral("new@x.example")
            << QStringList{QStringLiteral("other@x.example"), QStringLiteral("pref@x.example"),
                           QStringLiteral("new@x.example")}
            << QStringList{QStringLiteral("work:1"), QStringLiteral("work:2")};
        QTest::newRow("first address is the preferred one")
            << QStringLiteral("Email1Address") << QStringLiteral("changed@x.example")
            << QStringList{QStringLiteral("other@x.example"), QStringLiteral("changed@x.example")}
            << QStringList{QStringLiteral("work:1"), QStringLiteral("work:2")};
        QTest::newRow("empty removes") << QStringLiteral("Email1Address") << QString()
                                       << QStringList{QStringLiteral("other@x.example")}
                                       << QStringList{QStringLiteral("work:1"), QStringLiteral("work:2")};
        QTest::newRow("second work number")
            << QStringLiteral("Business2TelephoneNumber") << QStringLiteral("3")
            << QStringList{QStringLiteral("other@x.example"), QStringLiteral("pref@x.example")}
            << QStringList{QStringLiteral("work:1"), QStringLiteral("work:3")};
        QTest::newRow("new mobile") << QStringLiteral("MobileTelephoneNumber") << QStringLiteral("+1 555")
                                    << QStringList{QStringLiteral("other@x.example"), QStringLiteral("pref@x.example")}
                                    << QStringList{QStringLiteral("work:1"), QStringLiteral("work:2"),
                                                   QStringLiteral("mobile:+1 555")};
    }
    void setProperty()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(QStringList, emails);
        QFETCH(QStringList, phones);
        ContactForm f;
        f.emails = {entry("home", "other@x.example", 1), entry("work", "pref@x.example", 2, true)};
        f.phones = {entry("work", "1", 3), entry("work", "2", 4)};
        QVERIFY(setFormProperty(f, property, value));
        QStringList gotEmails, gotPhones;
        for (const FormEntry& e : f.emails)
            gotEmails.append(e.value);
        for (const FormEntry& p : f.phones)
            gotPhones.append(p.kind + QLatin1Char(':') + p.value);
        QCOMPARE(gotEmails, emails);
        QCOMPARE(gotPhones, phones);
    }

    void propertiesByName()
    {
        ContactForm f;
        for (const QString& name : formPropertyNames())
            QVERIFY2(setFormProperty(f, name, QStringLiteral("x")), qPrintable(name));
        QVERIFY(!setFormProperty(f, QStringLiteral("ShoeSize"), QStringLiteral("42")));
        QVERIFY(setFormProperty(f, QStringLiteral("HomeAddress"), QStringLiteral("1 High St;Leeds;;LS1;UK")));
        QCOMPARE(f.addresses.front().city, QStringLiteral("Leeds"));
        QCOMPARE(f.addresses.front().postalCode, QStringLiteral("LS1"));
        QCOMPARE(f.addresses.front().country, QStringLiteral("UK"));
    }

    void fullNameFollowsTheParts()
    {
        ContactForm f;
        NameFollower follower(f);
        f.given = QStringLiteral("Ann");
        follower.partsChanged(f);
        f.family = QStringLiteral("Lee");
        follower.partsChanged(f);
        QCOMPARE(f.fullName, QStringLiteral("Ann Lee"));
        f.fullName = QStringLiteral("Dr. Ann Lee");
        follower.fullNameEdited(f);
        f.family = QStringLiteral("Ray");
        follower.partsChanged(f);
        QCOMPARE(f.fullName, QStringLiteral("Dr. Ann Lee"));
        ContactForm own;
        own.given = QStringLiteral("Bo");
        own.fullName = QStringLiteral("Bobby");
        QVERIFY(!NameFollower(own).follows());
    }

    // The user's edits carried onto a contact another program changed meanwhile.
    void rebase_data()
    {
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QStringList>("emails");
        QTest::addColumn<QString>("note");
        QTest::newRow("both added an address")
            << QStringLiteral("add") << QStringLiteral("add")
            << QStringList{QStringLiteral("a@x.example"), QStringLiteral("t@x.example"), QStringLiteral("m@x.example")}
            << QStringLiteral("base");
        QTest::newRow("mine changed, theirs noted")
            << QStringLiteral("change") << QStringLiteral("note") << QStringList{QStringLiteral("changed@x.example")}
            << QStringLiteral("theirs");
        QTest::newRow("mine removed, theirs moved lines")
            << QStringLiteral("remove") << QStringLiteral("reorder") << QStringList{} << QStringLiteral("base");
        QTest::newRow("mine noted, theirs changed the address")
            << QStringLiteral("note") << QStringLiteral("change") << QStringList{QStringLiteral("changed@x.example")}
            << QStringLiteral("mine");
    }
    void rebase()
    {
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        QFETCH(QStringList, emails);
        QFETCH(QString, note);
        ContactForm base;
        base.emails = {entry("home", "a@x.example", 3)};
        base.note = QStringLiteral("base");
        auto edit = [&](const QString& how, const char* address, int origin) {
            ContactForm f = base;
            if (how == QLatin1String("add"))
                f.emails.append(entry("work", address, -1));
            else if (how == QLatin1String("change"))
                f.emails.front().value = QStringLiteral("changed@x.example");
            else if (how == QLatin1String("remove"))
                f.emails.clear();
            else if (how == QLatin1String("reorder"))
                f.emails.front().origin = origin;
            else if (how == QLatin1String("note"))
                f.note = QString::fromUtf8(address[0] == 'm' ? "mine" : "theirs");
            return f;
        };
        ContactForm t = edit(theirs, "t@x.example", 9);
        for (FormEntry& e : t.emails)
            e.origin += 10; // their card's lines are other lines
        const ContactForm r = rebaseForm(base, edit(mine, "m@x.example", 7), t);
        QStringList got;
        for (const FormEntry& e : r.emails)
            got.append(e.value);
        QCOMPARE(got, emails);
        QCOMPARE(r.note, note);
    }
};

QTEST_GUILESS_MAIN(TestContactForm)
#include "test_contactform.moc"
