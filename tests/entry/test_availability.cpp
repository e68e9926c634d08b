// Which action buttons a chosen contact allows, and the order in which its properties are read.

#include "entrybar.h"
#include "settings/modsettings.h"

#include <QLabel>
#include <QToolButton>

namespace {

const QString kDoe = QStringLiteral("Doe, Jane|Jane Doe");

const QStringList kEmails{QStringLiteral("Email1Address"), QStringLiteral("Email2Address"),
                          QStringLiteral("Email3Address")};
const QStringList kPhones{QStringLiteral("MobileTelephoneNumber"), QStringLiteral("BusinessTelephoneNumber"),
                          QStringLiteral("HomeTelephoneNumber"), QStringLiteral("Home2TelephoneNumber"),
                          QStringLiteral("Business2TelephoneNumber")};
const QStringList kAddresses{QStringLiteral("HomeAddress"), QStringLiteral("BusinessAddress"),
                             QStringLiteral("OtherAddress")};

// "view email qemail dial write" as 0/1.
QString buttonStates(const frmMain& form)
{
    QString s;
    for (const QToolButton* b : {form.cmdViewContact, form.cmdEMailContact, form.cmdQEmailContact,
                                 form.cmdDialContact, form.cmdWriteContact})
        s += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QStringList propertyReads(const fake::RecordingClient& client)
{
    QStringList reads;
    for (const QString& call : client.logOf(kEmails + kPhones + kAddresses + QStringList{QStringLiteral("GetItemFromID")}))
        reads << call.section(QLatin1Char('('), 0, 0);
    return reads;
}

} // namespace

class TestAvailability : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { modSettings::checkEmailAddresses = false; }
    void buttons_data();
    void buttons();
    void noContact();
    void readOrder_data();
    void readOrder();
    void preferenceTakesEffectAtTheNextChange();
};

void TestAvailability::buttons_data()
{
    QTest::addColumn<QString>("property"); // the contact's one property, empty for none
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("checkEmail");
    QTest::addColumn<QString>("states"); // view email qemail dial write

    QTest::newRow("no data, preference off") << QString() << QString() << false << QStringLiteral("11100");
    QTest::newRow("no data, preference on") << QString() << QString() << true << QStringLiteral("10000");
    for (const QString& p : kEmails) {
        QTest::addRow("%s, preference on", qPrintable(p)) << p << QStringLiteral("a@b.example") << true
                                                          << QStringLiteral("11100");
    }
    for (const QString& p : kPhones)
        QTest::addRow("%s", qPrintable(p)) << p << QStringLiteral("+1 555") << true << QStringLiteral("10010");
    for (const QString& p : kAddresses)
        QTest::addRow("%s", qPrintable(p)) << p << QStringLiteral("1 Main St") << true << QStringLiteral("10001");
    QTest::newRow("blank e-mail counts") << QStringLiteral("Email2Address") << QStringLiteral("  ") << true
                                         << QStringLiteral("11100");
    QTest::newRow("blank number counts") << QStringLiteral("Home2TelephoneNumber") << QStringLiteral(" ") << true
                                         << QStringLiteral("10010");
    QTest::newRow("blank address counts") << QStringLiteral("OtherAddress") << QStringLiteral(" ") << true
                                          << QStringLiteral("10001");
    QTest::newRow("fax is no number to dial") << QStringLiteral("BusinessFaxNumber") << QStringLiteral("+1 556")
                                              << false << QStringLiteral("11100");
    QTest::newRow("mailing address alone is no address") << QStringLiteral("MailingAddress")
                                                         << QStringLiteral("1 Main St") << true << QStringLiteral("10000");
}

void TestAvailability::buttons()
{
    QFETCH(QString, property);
    QFETCH(QString, value);
    QFETCH(bool, checkEmail);
    QFETCH(QString, states);

    BarFixture f;
    QMap<QString, QString> properties;
    if (!property.isEmpty())
        properties.insert(property, value);
    frmMain& form = loadBar(f, {kDoe}, {properties});
    modSettings::checkEmailAddresses = checkEmail;
    typeInto(form.txtContact, QStringLiteral("doe"));
    QVERIFY(form.currentContact);
    QCOMPARE(buttonStates(form), states);
    QVERIFY(form.imgOne->isVisible());
    QVERIFY(!form.imgTwo->isVisible());
}

void TestAvailability::noContact()
{
    BarFixture f;
    frmMain& form = loadBar(f, {kDoe}, {{{QStringLiteral("HomeAddress"), QStringLiteral("x")}}});
    QCOMPARE(buttonStates(form), QStringLiteral("00000"));
    QVERIFY(form.imgTwo->isVisible());
    QVERIFY(!form.imgOne->isVisible());

    typeInto(form.txtContact, QStringLiteral("d"));
    QCOMPARE(buttonStates(form), QStringLiteral("11101"));
    typeInto(form.txtContact, QStringLiteral("z"));
    QCOMPARE(buttonStates(form), QStringLiteral("00000"));
    QVERIFY(form.imgTwo->isVisible());
    QVERIFY(!form.imgOne->isVisible());
}

void TestAvailability::readOrder_data()
{
    QTest::addColumn<bool>("checkEmail");
    QTest::addColumn<QString>("present"); // one property that has a value: no early exit either way
    QTest::newRow("preference on") << true << QStringLiteral("Email1Address");
    QTest::newRow("preference off") << false << QStringLiteral("MobileTelephoneNumber");
    QTest::newRow("first address present") << true << QStringLiteral("HomeAddress");
}

void TestAvailability::readOrder()
{
    QFETCH(bool, checkEmail);
    QFETCH(QString, present);
    BarFixture f;
    frmMain& form = loadBar(f, {kDoe}, {{{present, QStringLiteral("x")}}});
    modSettings::checkEmailAddresses = checkEmail;

    // One keystroke: one fetch and one round of reads, each group read in full.
    typeInto(form.txtContact, QStringLiteral("d"));
    const QStringList expected = QStringList{QStringLiteral("GetItemFromID")} + (checkEmail ? kEmails : QStringList{})
                                 + kPhones + kAddresses;
    QCOMPARE(propertyReads(f.client), expected);
}

void TestAvailability::preferenceTakesEffectAtTheNextChange()
{
    BarFixture f;
    frmMain& form = loadBar(f, {kDoe});
    typeInto(form.txtContact, QStringLiteral("d"));
    QCOMPARE(buttonStates(form), QStringLiteral("11100"));

    modSettings::checkEmailAddresses = true;
    QCOMPARE(buttonStates(form), QStringLiteral("11100"));
    typeInto(form.txtContact, QStringLiteral("o"));
    QCOMPARE(buttonStates(form), QStringLiteral("10000"));

    modSettings::checkEmailAddresses = false;
    typeInto(form.txtContact, QStringLiteral("e"));
    QCOMPARE(buttonStates(form), QStringLiteral("11100"));
}

QTEST_MAIN(TestAvailability)
#include "test_availability.moc"
