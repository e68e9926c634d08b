// Which action buttons a chosen contact allows, and the order in which its properties are read.

#include "entrybar.h"
#include "settings/modsettings.h"

#include <QLabel>
#include <QToolButton>

namespace {

const QString kDoe = u"Doe, Jane|Jane Doe"_s;
const QStringList kEmails{u"Email1Address"_s, u"Email2Address"_s, u"Email3Address"_s};
const QStringList kPhones{u"MobileTelephoneNumber"_s, u"BusinessTelephoneNumber"_s, u"HomeTelephoneNumber"_s,
                          u"Home2TelephoneNumber"_s, u"Business2TelephoneNumber"_s};
const QStringList kAddresses{u"HomeAddress"_s, u"BusinessAddress"_s, u"OtherAddress"_s};

// View, e-mail, quick e-mail, dial, write as 0/1; then "+" for the lit lamp, "-" for the unlit one.
QString states(const frmMain& form)
{
    QString s;
    for (const QToolButton* b : {ui<QToolButton>(form, "cmdViewContact"), ui<QToolButton>(form, "cmdEMailContact"),
                                 ui<QToolButton>(form, "cmdQEmailContact"), ui<QToolButton>(form, "cmdDialContact"),
                                 ui<QToolButton>(form, "cmdWriteContact")})
        s += b->isEnabled() ? u'1' : u'0';
    return s + (ui<QLabel>(form, "imgOne")->isVisible() ? u"+"_s : QString()) +
           (ui<QLabel>(form, "imgTwo")->isVisible() ? u"-"_s : QString());
}

} // namespace

class TestAvailability : public QObject {
    Q_OBJECT

private slots:
    void buttons_data()
    {
        QTest::addColumn<QString>("property"); // the contact's only property
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("checkEmail");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("states");

        QTest::newRow("no contact") << u"HomeAddress"_s << u"x"_s << false << u"dx"_s << u"00000-"_s;
        QTest::newRow("no data, preference off") << QString() << QString() << false << u"d"_s << u"11100+"_s;
        QTest::newRow("no data, preference on") << QString() << QString() << true << u"d"_s << u"10000+"_s;
        for (const QString& p : kEmails)
            QTest::addRow("%s", qPrintable(p)) << p << u"a@b.example"_s << true << u"d"_s << u"11100+"_s;
        for (const QString& p : kPhones)
            QTest::addRow("%s", qPrintable(p)) << p << u"+1 555"_s << true << u"d"_s << u"10010+"_s;
        for (const QString& p : kAddresses)
            QTest::addRow("%s", qPrintable(p)) << p << u"1 Main St"_s << true << u"d"_s << u"10001+"_s;
        QTest::newRow("blank e-mail") << u"Email2Address"_s << u"  "_s << true << u"d"_s << u"11100+"_s;
        QTest::newRow("blank number") << u"Home2TelephoneNumber"_s << u" "_s << true << u"d"_s << u"10010+"_s;
        QTest::newRow("blank address") << u"OtherAddress"_s << u" "_s << true << u"d"_s << u"10001+"_s;
        QTest::newRow("fax only") << u"BusinessFaxNumber"_s << u"+1 556"_s << true << u"d"_s << u"10000+"_s;
        QTest::newRow("mailing address only") << u"MailingAddress"_s << u"1 Main St"_s << true << u"d"_s << u"10000+"_s;
    }
    void buttons()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(bool, checkEmail);
        QFETCH(QString, typed);
        QFETCH(QString, states);

        BarFixture f;
        frmMain& form =
            loadBar(f, kDoe, property.isEmpty() ? QMap<QString, QString>{} : QMap{std::pair{property, value}});
        QCOMPARE(::states(form), u"00000-"_s);
        f.settings.checkEmailAddresses = checkEmail;
        typeInto(ui<QLineEdit>(form, "txtContact"), typed);
        QCOMPARE(::states(form), states);
    }

    void readOrder_data()
    {
        QTest::addColumn<bool>("checkEmail");
        QTest::addColumn<QString>("present"); // a property with a value: no group stops reading early
        QTest::newRow("preference on") << true << u"Email1Address"_s;
        QTest::newRow("preference off") << false << u"MobileTelephoneNumber"_s;
        QTest::newRow("first address present") << true << u"HomeAddress"_s;
    }
    void readOrder()
    {
        QFETCH(bool, checkEmail);
        QFETCH(QString, present);
        BarFixture f;
        frmMain& form = loadBar(f, kDoe, {{present, u"x"_s}});
        f.settings.checkEmailAddresses = checkEmail;

        // One keystroke: one fetch, then each group read in full, in order.
        typeInto(ui<QLineEdit>(form, "txtContact"), u"d"_s);
        QStringList reads;
        for (const QString& call : f.client.logOf(kEmails + kPhones + kAddresses + QStringList{u"GetItemFromID"_s}))
            reads << call.section(u'(', 0, 0);
        QCOMPARE(reads,
                 QStringList{u"GetItemFromID"_s} + (checkEmail ? kEmails : QStringList{}) + kPhones + kAddresses);
    }

    void preferenceTakesEffectAtTheNextChange()
    {
        BarFixture f;
        frmMain& form = loadBar(f, kDoe);
        typeInto(ui<QLineEdit>(form, "txtContact"), u"d"_s);
        QCOMPARE(states(form), u"11100+"_s);
        f.settings.checkEmailAddresses = true;
        QCOMPARE(states(form), u"11100+"_s);
        typeInto(ui<QLineEdit>(form, "txtContact"), u"o"_s);
        QCOMPARE(states(form), u"10000+"_s);
        f.settings.checkEmailAddresses = false;
        typeInto(ui<QLineEdit>(form, "txtContact"), u"e"_s);
        QCOMPARE(states(form), u"11100+"_s);
    }
};

QTEST_MAIN(TestAvailability)
#include "test_availability.moc"
