// How a card becomes a contact item: names and file-as, e-mail order and display name, the five
// phones, addresses and the mailing address, categories, type names and the card's details.

#include "contactclient/searchfields.h"
#include "contactclient/vcard/contactmapping.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "support/contactproperty.h"

#include <QTest>

using contactclient::ContactItem;
using contactclient::VCardContactItem;
using namespace Qt::StringLiterals;

namespace {

std::shared_ptr<ContactItem> contact(const QString& lines)
{
    QByteArray data = "BEGIN:VCARD\nVERSION:3.0\n" + lines.toUtf8() + "\nEND:VCARD\n";
    std::shared_ptr<ContactItem> item;
    vcard::readCards(data, vcard::Detail::Full, [&](vcard::Card& c) {
        item = std::make_shared<VCardContactItem>(u"x.vcf"_s, vcard::mapContact(c));
        return false;
    });
    return item;
}

// The fields a card is found by, as "kind:value" joined by " | ".
QString searchFields(const QString& lines)
{
    QByteArray data = "BEGIN:VCARD\nVERSION:3.0\n" + lines.toUtf8() + "\nEND:VCARD\n";
    QString fields;
    vcard::readCards(data, vcard::Detail::Summary, [&](vcard::Card& c) {
        fields = vcard::summarize(c).searchFields;
        return false;
    });
    QStringList out;
    contactclient::searchfields::forEach(fields, [&](contactclient::searchfields::Kind kind, QStringView value) {
        out << QChar(char16_t(kind)) + QLatin1Char(':') + value.toString();
    });
    return out.join(u" | "_s);
}

} // namespace

class TestContactMapping : public QObject {
    Q_OBJECT

private slots:
    void testProperty_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* tag, const char* card, const char* property, const QString& expected) {
            QTest::newRow(tag) << QString::fromUtf8(card) << QString::fromLatin1(property) << expected;
        };

        // Names
        row("FullName from FN", "FN:Ann Lee\nN:Lee;Annie;;;", "FullName", u"Ann Lee"_s);
        row("FullName built from N", "N:Chen;Mei;Li;Dr.;PhD", "FullName", u"Dr. Mei Li Chen PhD"_s);
        row("FileAs explicit", "X-EVOLUTION-FILE-AS:Plumber\nFN:Sam\nN:Ok;Sam;;;", "FileAs", u"Plumber"_s);
        row("FileAs Family, Given", "FN:Ann Lee\nN:Lee;Ann;;;", "FileAs", u"Lee, Ann"_s);
        row("FileAs family only", "FN:Lee\nN:Lee;;;;", "FileAs", u"Lee"_s);
        row("FileAs given only", "FN:Ann\nN:;Ann;;;", "FileAs", u"Ann"_s);
        row("FileAs from FN", "FN:The Band\nN:;;;;", "FileAs", u"The Band"_s);
        row("FileAs from ORG", "ORG:Acme Ltd;Sales", "FileAs", u"Acme Ltd"_s);
        row("FileAs escaped comma", "N:Smith\\, Jr.;John;;;", "FileAs", u"Smith, Jr., John"_s);
        row("nothing at all", "NOTE:x", "FileAs", QString());

        // E-mail order and the display name
        row("Email1 preferred", "EMAIL:a@x\nEMAIL;TYPE=pref:b@x", "Email1Address", u"b@x"_s);
        row("Email2 file order", "EMAIL:a@x\nEMAIL;TYPE=pref:b@x\nEMAIL:c@x", "Email2Address", u"a@x"_s);
        row("PREF=1 before PREF=2", "EMAIL;PREF=2:a@x\nEMAIL;PREF=1:b@x", "Email1Address", u"b@x"_s);
        row("Email3 of four", "EMAIL:a@x\nEMAIL:b@x\nEMAIL:c@x\nEMAIL:d@x", "Email3Address", u"c@x"_s);
        row("empty EMAIL skipped", "EMAIL:\nEMAIL:a@x", "Email1Address", u"a@x"_s);
        row("mailto stripped", "EMAIL:mailto:a@x", "Email1Address", u"a@x"_s);
        row("display name plain", "FN:John Smith\nEMAIL:js@x", "Email1DisplayName", u"John Smith <js@x>"_s);
        row("display name with comma", "FN:Smith\\, John\nEMAIL:js@x", "Email1DisplayName",
            u"\"Smith, John\" <js@x>"_s);
        row("display name with quote", "FN:Bob \"The Builder\" B\\\\ob\nEMAIL:b@x", "Email1DisplayName",
            u"\"Bob \\\"The Builder\\\" B\\\\ob\" <b@x>"_s);
        row("display name with dot", "FN:J. Smith\nEMAIL:js@x", "Email1DisplayName", u"\"J. Smith\" <js@x>"_s);
        row("display name non-ASCII", "FN:Zoë\nEMAIL:z@x", "Email1DisplayName", u"Zo\u00EB <z@x>"_s);
        row("display name line break", "FN:A\\nB\nEMAIL:z@x", "Email1DisplayName", u"A B <z@x>"_s);
        row("display name without name", "EMAIL:z@x", "Email1DisplayName", u"z@x"_s);
        row("display name without address", "FN:Ann", "Email1DisplayName", QString());

        // An address that is not exactly one mailbox is not offered
        const char* twoInOne = "FN:Angle\nEMAIL:angle@example.com>\\; Evil <evil4@evil.example";
        row("two mailboxes in one EMAIL", twoInOne, "Email1Address", QString());
        row("two mailboxes: no display name", twoInOne, "Email1DisplayName", QString());
        row("two mailboxes: the next address moves up",
            "FN:Angle\nEMAIL:a@x.example>\\; E <e@evil.example\nEMAIL:b@x.example", "Email1DisplayName",
            u"Angle <b@x.example>"_s);
        row("comma list in one EMAIL", "EMAIL:a@x\\, b@y", "Email1Address", QString());
        row("quoted local part", "EMAIL:\"a b\"@x", "Email1Address", QString());
        row("non-ASCII domain kept", "EMAIL:ida@b\u00FCcher.example", "Email1Address", u"ida@b\u00FCcher.example"_s);

        // Phones
        row("cell is mobile", "TEL;TYPE=CELL:1", "MobileTelephoneNumber", u"1"_s);
        row("cell+work is mobile only", "TEL;TYPE=CELL,WORK:1", "BusinessTelephoneNumber", QString());
        row("first work voice", "TEL;TYPE=WORK:1\nTEL;TYPE=WORK,VOICE:2", "BusinessTelephoneNumber", u"1"_s);
        row("second work voice", "TEL;TYPE=WORK:1\nTEL;TYPE=WORK,VOICE:2", "Business2TelephoneNumber", u"2"_s);
        row("work fax is not business", "TEL;TYPE=WORK,FAX:1\nTEL;TYPE=WORK:2", "BusinessTelephoneNumber", u"2"_s);
        row("first home voice", "TEL;HOME;VOICE:1\nTEL;HOME:2", "HomeTelephoneNumber", u"1"_s);
        row("second home voice", "TEL;HOME;VOICE:1\nTEL;HOME:2", "Home2TelephoneNumber", u"2"_s);
        row("home fax is not home", "TEL;TYPE=HOME,FAX:1", "HomeTelephoneNumber", QString());
        row("untyped counts as home", "TEL:1", "HomeTelephoneNumber", u"1"_s);
        // A number of blanks is no number: it is absent and takes no place.
        row("blank mobile is absent", "TEL;TYPE=CELL:   ", "MobileTelephoneNumber", QString());
        row("blank tel: URI is absent", "TEL;VALUE=uri:tel: \t", "HomeTelephoneNumber", QString());
        row("blank home takes no place", "TEL;HOME: \nTEL;HOME:2", "HomeTelephoneNumber", u"2"_s);
        row("blank work takes no place", "TEL;WORK:1\nTEL;WORK:  \nTEL;WORK:3", "Business2TelephoneNumber", u"3"_s);
        row("voice only counts as home", "TEL;TYPE=VOICE:1", "HomeTelephoneNumber", u"1"_s);
        row("untyped after home is home 2", "TEL;TYPE=HOME:1\nTEL:2", "Home2TelephoneNumber", u"2"_s);
        row("pager is none", "TEL;TYPE=PAGER:1", "HomeTelephoneNumber", QString());
        row("cell pager is not mobile", "TEL;TYPE=CELL,PAGER:1", "MobileTelephoneNumber", QString());
        row("untyped fax is none", "TEL;FAX:1", "HomeTelephoneNumber", QString());
        row("main is none", "TEL;TYPE=MAIN:1", "HomeTelephoneNumber", QString());
        row("tel URI", "TEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-555", "MobileTelephoneNumber", u"+1-555"_s);

        // Addresses
        row("home address lines", "ADR;TYPE=HOME:;;1 Main St;Springfield;IL;62701;USA", "HomeAddress",
            u"1 Main St\nSpringfield IL 62701\nUSA"_s);
        row("extended address and PO box kept", "ADR;TYPE=WORK:PO Box 7;Suite 3;1 Main St;Town;;1000;",
            "BusinessAddress", u"PO Box 7\nSuite 3\n1 Main St\nTown 1000"_s);
        row("untyped is other", "ADR:;;1 Main St;Town;;;", "OtherAddress", u"1 Main St\nTown"_s);
        row("postal only is other", "ADR;TYPE=POSTAL:;;1 Main St;;;;", "OtherAddress", u"1 Main St"_s);
        row("typed other", "ADR;TYPE=OTHER:;;2 Side St;;;;", "OtherAddress", u"2 Side St"_s);
        row("first of a kind", "ADR;TYPE=HOME:;;1 A St;;;;\nADR;TYPE=HOME:;;2 B St;;;;", "HomeAddress", u"1 A St"_s);
        row("empty ADR skipped", "ADR;TYPE=HOME:;;;;;;\nADR;TYPE=HOME:;;2 B St;;;;", "HomeAddress", u"2 B St"_s);
        row("home and work at once", "ADR;TYPE=HOME,WORK:;;1 A St;;;;", "BusinessAddress", u"1 A St"_s);
        row("LABEL of the same kind", "ADR;TYPE=WORK:;;1 A St;;;;\nLABEL;TYPE=WORK:Acme\\n1 A St", "BusinessAddress",
            u"Acme\n1 A St"_s);
        row("LABEL of the same group", "item2.ADR;TYPE=HOME:;;1 A St;;;;\nitem2.LABEL:Flat 2\\n1 A St", "HomeAddress",
            u"Flat 2\n1 A St"_s);
        row("LABEL of another kind not used", "ADR;TYPE=HOME:;;1 A St;;;;\nLABEL;TYPE=WORK:Elsewhere", "HomeAddress",
            u"1 A St"_s);
        row("4.0 LABEL parameter", "ADR;TYPE=home;LABEL=\"Flat 2\\n1 A St\":;;1 A St;;;;", "HomeAddress",
            u"Flat 2\n1 A St"_s);
        row("QP label", "LABEL;HOME;ENCODING=QUOTED-PRINTABLE:1 A St=0D=0ATown\nADR;HOME:;;1 A St;Town;;;",
            "HomeAddress", u"1 A St\nTown"_s);
        row("mailing is preferred", "ADR;TYPE=HOME:;;1 A St;;;;\nADR;TYPE=WORK,PREF:;;2 B St;;;;", "MailingAddress",
            u"2 B St"_s);
        row("mailing PREF=1", "ADR;PREF=2;TYPE=HOME:;;1 A St;;;;\nADR;PREF=1;TYPE=WORK:;;2 B St;;;;", "MailingAddress",
            u"2 B St"_s);
        row("mailing is first", "ADR;TYPE=HOME:;;1 A St;;;;\nADR;TYPE=WORK:;;2 B St;;;;", "MailingAddress",
            u"1 A St"_s);

        // Categories and type names
        row("categories", "CATEGORIES:Work, Friends\nCATEGORIES:Golf,Work", "Categories", u"Work|Friends|Golf"_s);
        row("category with escaped comma", "CATEGORIES:Smith\\, Jones,B", "Categories", u"Smith, Jones|B"_s);
        row("contact", "FN:A", "TypeName", u"ContactItem"_s);
        row("individual", "KIND:individual\nFN:A", "TypeName", u"ContactItem"_s);
        row("KIND:group", "KIND:group\nFN:A", "TypeName", u"DistListItem"_s);
        row("server group", "X-ADDRESSBOOKSERVER-KIND:GROUP\nFN:A", "TypeName", u"DistListItem"_s);
    }

    void testProperty()
    {
        QFETCH(QString, card);
        QFETCH(QString, property);
        QFETCH(QString, expected);
        const auto c = contact(card);
        QVERIFY(c);
        QCOMPARE(testsupport::contactProperty(*c, property), expected);
    }

    void testSearchFields_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("fields");
        QTest::newRow("name parts: given, middle, family")
            << u"FN:Ann Lee\nN:Lee;Ann;Maria;Dr.;"_s << u"n:Ann | n:Maria | n:Lee"_s;
        QTest::newRow("e-mail addresses, mailto: dropped")
            << u"FN:A\nEMAIL;TYPE=work:a@x.de\nEMAIL:mailto:b@y.org"_s << u"e:a@x.de | e:b@y.org"_s;
        QTest::newRow("numbers, tel: dropped, blank left out")
            << u"FN:A\nTEL;TYPE=cell:+49 171 2345678\nTEL:tel:0221-987\nTEL:   "_s
            << u"p:+49 171 2345678 | p:0221-987"_s;
        QTest::newRow("organisation and department, title, nickname")
            << u"FN:A\nORG:Acme;Sales\nTITLE:Chef\nNICKNAME:Annie"_s << u"o:Acme | o:Sales | t:Chef | k:Annie"_s;
        QTest::newRow("city and postal code of every address")
            << u"FN:A\nADR;TYPE=home:;;Main St 1;Berlin;;10115;DE\nADR:;;;Wien;;;AT"_s
            << u"a:Berlin | a:10115 | a:Wien"_s;
        QTest::newRow("categories") << u"FN:A\nCATEGORIES:Work,Golf"_s << u"c:Work | c:Golf"_s;
        QTest::newRow("escaped separators kept in the value") << u"FN:A\nORG:Smith\\; Sons"_s << u"o:Smith; Sons"_s;
        QTest::newRow("nothing beyond the name") << u"FN:A"_s << u""_s;
    }
    void testSearchFields()
    {
        QFETCH(QString, card);
        QFETCH(QString, fields);
        QCOMPARE(searchFields(card), fields);
    }

    void testDetails()
    {
        const QByteArray jpeg("\xFF\xD8\xFF\xE0 not really a picture");
        const auto c = contact(QStringLiteral("FN:A\nORG:Acme;Sales\nTITLE:Boss\nNOTE:line 1\\nline 2\n"
                                              "EMAIL;TYPE=INTERNET,WORK:a@x\nTEL;TYPE=CELL:1\nTEL;TYPE=HOME,FAX:2\n"
                                              "ADR;TYPE=HOME:;;1 A St;;;;\nCATEGORIES:X\nPHOTO;ENCODING=b;TYPE=JPEG:") +
                               QString::fromLatin1(jpeg.toBase64()));
        const contactclient::CardDetails d = c->details();
        QCOMPARE(d.organization, u"Acme, Sales"_s);
        QCOMPARE(d.title, u"Boss"_s);
        QCOMPARE(d.note, u"line 1\nline 2"_s);
        QCOMPARE(d.emails.size(), 1);
        QCOMPARE(d.emails[0].kind, u"work"_s);
        QCOMPARE(d.phones.size(), 2);
        QCOMPARE(d.phones[0].kind, u"mobile"_s);
        QCOMPARE(d.phones[1].kind, u"home fax"_s);
        QCOMPARE(d.addresses.size(), 1);
        QCOMPARE(d.addresses[0].value, u"1 A St"_s);
        QCOMPARE(d.categories, QStringList{u"X"_s});
        QCOMPARE(d.photo, jpeg);
    }

    void testPhoto_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("photo");
        const QByteArray png("\x89PNG\r\n\x1A\n");
        const QString b64 = QString::fromLatin1(png.toBase64());
        QTest::newRow("3.0 base64") << u"PHOTO;ENCODING=b;TYPE=PNG:"_s + b64 << png;
        QTest::newRow("2.1 base64 folded")
            << u"PHOTO;ENCODING=BASE64;PNG:"_s + b64.left(4) + u"\n "_s + b64.mid(4) << png;
        QTest::newRow("4.0 data URI") << u"PHOTO:data:image/png;base64,"_s + b64 << png;
        QTest::newRow("URL is not fetched") << u"PHOTO;VALUE=uri:https://example.com/a.png"_s << QByteArray();
        QTest::newRow("not base64") << u"PHOTO;ENCODING=b:***"_s << QByteArray();
    }

    void testPhoto()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, photo);
        QCOMPARE(contact(u"FN:A\n"_s + line)->details().photo, photo);
    }
};

QTEST_GUILESS_MAIN(TestContactMapping)
#include "test_contactmapping.moc"
