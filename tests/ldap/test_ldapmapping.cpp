// Directory entries as contact items: the attribute mapping with its defaults and the settings'
// [LdapAttributes] section, LDAP's postal address form, and the directory URL rules.

#include "contactclient/ldap/ldapconnection.h"
#include "contactclient/ldap/ldapmapping.h"
#include "contactclient/ldap/ldaprefresh.h"
#include "contactclient/vcard/contactmapping.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "fakes/memorysettingsstore.h"

#include <QtTest>

using namespace contactclient;
using namespace contactclient::ldap;
using namespace Qt::StringLiterals;

namespace {

using Attributes = QList<std::pair<QString, QString>>;

Entry entryOf(const Attributes& attributes)
{
    Entry e;
    e.dn = u"uid=x,dc=example,dc=com"_s;
    for (const auto& [name, value] : attributes)
        e.attributes[name.toLower()].append(value.toUtf8());
    return e;
}

// The entry read back as the bar reads any contact.
std::unique_ptr<VCardContactItem> itemOf(const Entry& entry, const AttributeMap& map = {})
{
    const QByteArray data = toVCard(entry, u"x"_s, map);
    if (data.isEmpty())
        return nullptr;
    std::unique_ptr<VCardContactItem> item;
    vcard::readCards(data, vcard::Detail::Full, [&](vcard::Card& card) {
        if (card.ok())
            item = std::make_unique<VCardContactItem>(u"x.vcf"_s, vcard::mapContact(card));
        return false;
    });
    return item;
}

// Every property the lists, the actions and the card show, one per line.
QString describe(const ContactItem& i)
{
    QStringList lines{u"type="_s + i.TypeName(), u"full="_s + i.FullName(), u"fileAs="_s + i.FileAs()};
    auto add = [&](const char* name, const QString& value) {
        if (!value.isEmpty())
            lines.append(QString::fromLatin1(name) + QLatin1Char('=') +
                         QString(value).replace(QLatin1Char('\n'), QLatin1Char('|')));
    };
    add("email1", i.Email1Address());
    add("email2", i.Email2Address());
    add("email3", i.Email3Address());
    add("mobile", i.MobileTelephoneNumber());
    add("business", i.BusinessTelephoneNumber());
    add("business2", i.Business2TelephoneNumber());
    add("home", i.HomeTelephoneNumber());
    add("businessAddress", i.BusinessAddress());
    add("homeAddress", i.HomeAddress());
    add("mailing", i.MailingAddress());
    add("categories", i.Categories().join(QLatin1Char('+')));
    return lines.join(QLatin1Char('\n'));
}

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TestLdapMapping : public QObject {
    Q_OBJECT

private slots:
    void postalAddress_data();
    void postalAddress();
    void entryAsContact_data();
    void entryAsContact();
    void attributesSection();
    void entryKeys_data();
    void entryKeys();
    void url_data();
    void url();
    void thisComputer_data();
    void thisComputer();
    void startTls_data();
    void startTls();
};

void TestLdapMapping::postalAddress_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("lines") << s("1 Main St$Springfield, IL 62704$USA") << s("1 Main St\nSpringfield, IL 62704\nUSA");
    QTest::newRow("blanks around separators") << s("1 Main St $ Springfield $ USA") << s("1 Main St\nSpringfield\nUSA");
    QTest::newRow("escaped dollar") << s("Costs \\24 5$Town") << s("Costs $ 5\nTown");
    QTest::newRow("escaped backslash, either case") << s("a\\5Cb$c\\5cd") << s("a\\b\nc\\d");
    QTest::newRow("escape not for LDAP stays") << s("a\\41b") << s("a\\41b");
    QTest::newRow("empty lines dropped") << s("$$1 Main St$$USA$") << s("1 Main St\nUSA");
    QTest::newRow("non-ASCII") << s("Bahnhofstraße 3$8001 Zürich$Schweiz")
                               << s("Bahnhofstraße 3\n8001 Zürich\nSchweiz");
    QTest::newRow("empty") << QString() << QString();
}

void TestLdapMapping::entryKeys_data()
{
    // The copy's key of an entry: its entryUUID when it is one, else the hash of its DN.
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("dn");
    QTest::addColumn<QString>("key");
    const QString byDn = s("f15fd2d4023fbe9a41ae2499bb42f572df3cd07a.vcf"); // SHA-1 of "uid=x,dc=example,dc=com"
    QTest::newRow("uuid") << s("0b7cd9a4-1b2c-4d3e-8f90-a1b2c3d4e5f6") << s("uid=x,dc=example,dc=com")
                          << s("0b7cd9a4-1b2c-4d3e-8f90-a1b2c3d4e5f6.vcf");
    QTest::newRow("uuid in capitals") << s("0B7CD9A4-1B2C-4D3E-8F90-A1B2C3D4E5F6") << s("uid=x,dc=example,dc=com")
                                      << s("0b7cd9a4-1b2c-4d3e-8f90-a1b2c3d4e5f6.vcf");
    QTest::newRow("no uuid") << QString() << s("uid=x,dc=example,dc=com") << byDn;
    QTest::newRow("DN in capitals") << QString() << s("UID=X,DC=EXAMPLE,DC=COM") << byDn;
    QTest::newRow("uuid one short") << s("0b7cd9a4-1b2c-4d3e-8f90-a1b2c3d4e5f") << s("uid=x,dc=example,dc=com") << byDn;
    QTest::newRow("not hexadecimal") << s("0b7cd9a4-1b2c-4d3e-8f90-a1b2c3d4e5g6") << s("uid=x,dc=example,dc=com")
                                     << byDn;
    QTest::newRow("dash out of place") << s("0b7cd9a41-b2c-4d3e-8f90-a1b2c3d4e5f6") << s("uid=x,dc=example,dc=com")
                                       << byDn;
    QTest::newRow("a path, not a uuid") << s("../../../../etc/passwd/aaaaaaaaaaaaaaa") << s("uid=x,dc=example,dc=com")
                                        << byDn;
}

void TestLdapMapping::entryKeys()
{
    QFETCH(QString, uuid);
    QFETCH(QString, dn);
    QFETCH(QString, key);
    Entry e;
    e.dn = dn;
    if (!uuid.isEmpty())
        e.attributes[s("entryuuid")].append(uuid.toUtf8());
    QCOMPARE(entryKey(e), key);
}

void TestLdapMapping::postalAddress()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    QCOMPARE(decodePostalAddress(value), text);
}

void TestLdapMapping::entryAsContact_data()
{
    QTest::addColumn<Attributes>("attributes");
    QTest::addColumn<QString>("expected");
    const QString inet = u"inetOrgPerson"_s;
    QTest::newRow("full person") << Attributes{{s("objectClass"), inet},
                                               {s("cn"), s("John Smith")},
                                               {s("displayName"), s("Johnny Smith")},
                                               {s("sn"), s("Smith")},
                                               {s("givenName"), s("John")},
                                               {s("mail"), s("js@example.com")},
                                               {s("mail"), s("john@example.org")},
                                               {s("mobile"), s("+1 555 0100")},
                                               {s("telephoneNumber"), s("+1 555 0101")},
                                               {s("telephoneNumber"), s("+1 555 0102")},
                                               {s("homePhone"), s("+1 555 0103")},
                                               {s("postalAddress"), s("1 Main St$Springfield")},
                                               {s("homePostalAddress"), s("2 Elm Rd$Shelbyville")},
                                               {s("departmentNumber"), s("Sales")},
                                               {s("ou"), s("Ignored")}}
                                 << s("type=ContactItem\nfull=Johnny Smith\nfileAs=Smith, John\n"
                                      "email1=js@example.com\nemail2=john@example.org\nmobile=+1 555 0100\n"
                                      "business=+1 555 0101\nbusiness2=+1 555 0102\nhome=+1 555 0103\n"
                                      "businessAddress=1 Main St|Springfield\nhomeAddress=2 Elm Rd|Shelbyville\n"
                                      "mailing=1 Main St|Springfield\ncategories=Sales");
    QTest::newRow("no display name, no given name: cn")
        << Attributes{{s("cn"), s("Reception")}, {s("sn"), s("Desk")}, {s("ou"), s("Front")}, {s("ou"), s("Lobby")}}
        << s("type=ContactItem\nfull=Reception\nfileAs=Reception\ncategories=Front+Lobby");
    QTest::newRow("address from its parts")
        << Attributes{{s("cn"), s("Ann")}, {s("street"), s("5 Oak Ave")}, {s("l"), s("Portland")},
                      {s("st"), s("OR")},  {s("postalCode"), s("97201")}, {s("c"), s("US")}}
        << s("type=ContactItem\nfull=Ann\nfileAs=Ann\nbusinessAddress=5 Oak Ave|Portland OR 97201|US\n"
             "mailing=5 Oak Ave|Portland OR 97201|US");
    QTest::newRow("separators in values survive")
        << Attributes{{s("cn"), s("Doe, Jane; Dr.\\")}, {s("departmentNumber"), s("R&D, Labs")}}
        << s("type=ContactItem\nfull=Doe, Jane; Dr.\\\nfileAs=Doe, Jane; Dr.\\\ncategories=R&D, Labs");
    QTest::newRow("non-ASCII names") << Attributes{{s("cn"), s("Zoë Ångström")},
                                                   {s("sn"), s("Ångström")},
                                                   {s("givenName"), s("Zoë")}}
                                     << s("type=ContactItem\nfull=Zoë Ångström\nfileAs=Ångström, Zoë");
    QTest::newRow("group") << Attributes{{s("objectClass"), s("top")},
                                         {s("objectClass"), s("groupOfNames")},
                                         {s("cn"), s("Team")},
                                         {s("member"), s("uid=a,dc=example,dc=com")}}
                           << s("type=DistListItem\nfull=Team\nfileAs=Team");
    QTest::newRow("only given name and surname") << Attributes{{s("sn"), s("Lee")}, {s("givenName"), s("Kim")}}
                                                 << s("type=ContactItem\nfull=Kim Lee\nfileAs=Lee, Kim");
    QTest::newRow("line breaks in a name")
        << Attributes{{s("cn"), s("Bad\r\nName\x01")}} << s("type=ContactItem\nfull=Bad Name\nfileAs=Bad Name");
}

void TestLdapMapping::entryAsContact()
{
    QFETCH(Attributes, attributes);
    QFETCH(QString, expected);
    const auto item = itemOf(entryOf(attributes));
    QVERIFY(item);
    QCOMPARE(describe(*item), expected);
}

void TestLdapMapping::attributesSection()
{
    // An entry without any name is left out rather than listed blank.
    QVERIFY(toVCard(entryOf({{s("mail"), s("x@example.com")}, {s("cn"), s("  ")}}), s("x"), {}).isEmpty());

    fake::MemorySettingsStore settings;
    settings.values.insert(s("LdapAttributes/FullName"), s("cn"));
    settings.values.insert(s("LdapAttributes/Categories"), s(" businessCategory , ou "));
    settings.values.insert(s("LdapAttributes/Business"), s(""));
    const AttributeMap map = attributeMap(settings);
    QCOMPARE(map.categories, (QStringList{s("businessCategory"), s("ou")}));
    QCOMPARE(map.business, QStringList{s("telephoneNumber")}); // an empty value keeps the default
    const auto item = itemOf(entryOf({{s("cn"), s("Plain")},
                                      {s("displayName"), s("Fancy")},
                                      {s("businessCategory"), s("Partners")},
                                      {s("telephoneNumber"), s("1")}}),
                             map);
    QVERIFY(item);
    QCOMPARE(describe(*item), s("type=ContactItem\nfull=Plain\nfileAs=Plain\nbusiness=1\ncategories=Partners"));
    QVERIFY(map.requested().contains(s("businessCategory")));
    QCOMPARE(normalizedFilter(s("objectClass=person")), s("(objectClass=person)"));
    QCOMPARE(normalizedFilter(s(" ")), kDefaultFilter);
}

void TestLdapMapping::url_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("host"); // empty: refused
    QTest::newRow("ldaps") << s("ldaps://dir.example.com") << s("dir.example.com");
    QTest::newRow("ldap with port, blanks") << s(" ldap://dir.example.com:3389/ ") << s("dir.example.com");
    QTest::newRow("scheme in capitals") << s("LDAPS://dir.example.com") << s("dir.example.com");
    QTest::newRow("http") << s("http://dir.example.com") << QString();
    QTest::newRow("no host") << s("ldap://") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("bare host") << s("dir.example.com") << QString();
}

void TestLdapMapping::url()
{
    QFETCH(QString, url);
    QFETCH(QString, host);
    try {
        const ParsedUrl parsed = parseLdapUrl(url);
        QCOMPARE(parsed.host, host);
    } catch (const LdapError& e) {
        QVERIFY2(host.isEmpty(), qPrintable(e.message()));
        QCOMPARE(e.kind(), LdapError::Config);
        QVERIFY(!e.message().isEmpty());
    }
}

void TestLdapMapping::thisComputer_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("local");
    QTest::newRow("localhost") << s("localhost") << true;
    QTest::newRow("LOCALHOST") << s("LOCALHOST") << true;
    QTest::newRow("127.0.0.1") << s("127.0.0.1") << true;
    QTest::newRow("127.1.2.3") << s("127.1.2.3") << true;
    QTest::newRow("::1") << s("::1") << true;
    QTest::newRow("own name") << QSysInfo::machineHostName() << true;
    QTest::newRow("other address") << s("192.0.2.10") << false;
    QTest::newRow("other name") << s("dir.example.com") << false;
    QTest::newRow("localhost as a prefix") << s("localhost.example.com") << false;
}

void TestLdapMapping::thisComputer()
{
    QFETCH(QString, host);
    QFETCH(bool, local);
    QCOMPARE(isThisComputer(host), local);
}

void TestLdapMapping::startTls_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("alsoHere");
    QTest::addColumn<bool>("wanted");
    QTest::newRow("ldap to another computer") << s("ldap://dir.example.com") << false << true;
    QTest::newRow("ldap to this computer") << s("ldap://127.0.0.1:3389") << false << false;
    QTest::newRow("ldap to this computer, asked for") << s("ldap://localhost") << true << true;
    QTest::newRow("ldaps") << s("ldaps://dir.example.com") << false << false;
    QTest::newRow("ldaps, asked for") << s("ldaps://localhost") << true << false;
}

void TestLdapMapping::startTls()
{
    QFETCH(QString, url);
    QFETCH(bool, alsoHere);
    QFETCH(bool, wanted);
    QCOMPARE(startTlsWanted(parseLdapUrl(url), alsoHere), wanted);
}

QTEST_GUILESS_MAIN(TestLdapMapping)
#include "test_ldapmapping.moc"
