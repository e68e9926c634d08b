// The form of the card's edit mode without widgets: checks, a new contact from the box's text, the
// properties quintel-contacts sets, the full name following the name parts, and the user's changes
// carried onto a contact changed elsewhere.

#include "contactclient/contactform.h"

#include <QTest>

using namespace contactclient;
using namespace Qt::StringLiterals;

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
        QTest::newRow("address") << u" ann@example.org "_s << u"ann@example.org"_s << QString() << QString()
                                 << QString();
        QTest::newRow("number") << u"+49 (151) 234-56"_s << QString() << u"+49 (151) 234-56"_s << QString()
                                << QString();
        QTest::newRow("one word") << u"Ann"_s << QString() << QString() << u"Ann"_s << QString();
        QTest::newRow("two words") << u"Ann  Lee"_s << QString() << QString() << u"Ann"_s << u"Lee"_s;
        QTest::newRow("three words") << u"Mary Ann Lee"_s << QString() << QString() << u"Mary Ann"_s << u"Lee"_s;
        QTest::newRow("words with digits") << u"Room 101"_s << QString() << QString() << u"Room"_s << u"101"_s;
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
            QCOMPARE(f.phones.front().kind, u"mobile"_s);
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
        QTest::newRow("fine") << u"a@b.example"_s << u"1985-04-12"_s << u"A"_s << QStringList();
        QTest::newRow("no @") << u"ann.example.org"_s << QString() << u"A"_s << QStringList{u"email"_s};
        QTest::newRow("two addresses") << u"a@b.example, c@d.example"_s << QString() << u"A"_s
                                       << QStringList{u"email"_s};
        QTest::newRow("no such day") << QString() << u"1985-02-30"_s << u"A"_s << QStringList{u"birthday"_s};
        QTest::newRow("29 February without a year") << QString() << u"--02-29"_s << u"A"_s << QStringList();
        QTest::newRow("basic format") << QString() << u"19850412"_s << u"A"_s << QStringList();
        QTest::newRow("words") << QString() << u"next spring"_s << u"A"_s << QStringList{u"birthday"_s};
        QTest::newRow("nothing to call it by") << QString() << QString() << QString() << QStringList{u"name"_s};
        QTest::newRow("a number is enough") << QString() << QString() << QString() << QStringList();
        QTest::newRow("an address is enough") << u"a@b.example"_s << QString() << QString() << QStringList();
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
            f.phones.append({u"mobile"_s, u"+1 555"_s, false, -1});
        if (!email.isEmpty())
            f.emails.append({u"home"_s, email, false, -1});
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
            << u"Email2Address"_s << u"new@x.example"_s << QStringList{u"new@x.example"_s, u"pref@x.example"_s}
            << QStringList{u"work:1"_s, u"work:2"_s};
        QTest::newRow("third address added")
            << u"Email3Address"_s << u"new@x.example"_s
            << QStringList{u"other@x.example"_s, u"pref@x.example"_s, u"new@x.example"_s}
            << QStringList{u"work:1"_s, u"work:2"_s};
        QTest::newRow("first address is the preferred one")
            << u"Email1Address"_s << u"changed@x.example"_s << QStringList{u"other@x.example"_s, u"changed@x.example"_s}
            << QStringList{u"work:1"_s, u"work:2"_s};
        QTest::newRow("empty removes") << u"Email1Address"_s << QString() << QStringList{u"other@x.example"_s}
                                       << QStringList{u"work:1"_s, u"work:2"_s};
        QTest::newRow("second work number")
            << u"Business2TelephoneNumber"_s << u"3"_s << QStringList{u"other@x.example"_s, u"pref@x.example"_s}
            << QStringList{u"work:1"_s, u"work:3"_s};
        QTest::newRow("new mobile") << u"MobileTelephoneNumber"_s << u"+1 555"_s
                                    << QStringList{u"other@x.example"_s, u"pref@x.example"_s}
                                    << QStringList{u"work:1"_s, u"work:2"_s, u"mobile:+1 555"_s};
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
            QVERIFY2(setFormProperty(f, name, u"x"_s), qPrintable(name));
        QVERIFY(!setFormProperty(f, u"ShoeSize"_s, u"42"_s));
        QVERIFY(setFormProperty(f, u"HomeAddress"_s, u"1 High St;Leeds;;LS1;UK"_s));
        QCOMPARE(f.addresses.front().city, u"Leeds"_s);
        QCOMPARE(f.addresses.front().postalCode, u"LS1"_s);
        QCOMPARE(f.addresses.front().country, u"UK"_s);
    }

    void fullNameFollowsTheParts()
    {
        ContactForm f;
        NameFollower follower(f);
        f.given = u"Ann"_s;
        follower.partsChanged(f);
        f.family = u"Lee"_s;
        follower.partsChanged(f);
        QCOMPARE(f.fullName, u"Ann Lee"_s);
        f.fullName = u"Dr. Ann Lee"_s;
        follower.fullNameEdited(f);
        f.family = u"Ray"_s;
        follower.partsChanged(f);
        QCOMPARE(f.fullName, u"Dr. Ann Lee"_s);
        ContactForm own;
        own.given = u"Bo"_s;
        own.fullName = u"Bobby"_s;
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
            << u"add"_s << u"add"_s << QStringList{u"a@x.example"_s, u"t@x.example"_s, u"m@x.example"_s} << u"base"_s;
        QTest::newRow("mine changed, theirs noted")
            << u"change"_s << u"note"_s << QStringList{u"changed@x.example"_s} << u"theirs"_s;
        QTest::newRow("mine removed, theirs moved lines") << u"remove"_s << u"reorder"_s << QStringList{} << u"base"_s;
        QTest::newRow("mine noted, theirs changed the address")
            << u"note"_s << u"change"_s << QStringList{u"changed@x.example"_s} << u"mine"_s;
    }
    void rebase()
    {
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        QFETCH(QStringList, emails);
        QFETCH(QString, note);
        ContactForm base;
        base.emails = {entry("home", "a@x.example", 3)};
        base.note = u"base"_s;
        auto edit = [&](const QString& how, const char* address, int origin) {
            ContactForm f = base;
            if (how == QLatin1String("add"))
                f.emails.append(entry("work", address, -1));
            else if (how == QLatin1String("change"))
                f.emails.front().value = u"changed@x.example"_s;
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
