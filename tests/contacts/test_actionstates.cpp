// Which actions a contact allows, as a pure rule: every combination of present values and the
// e-mail preference, and the order the contact's properties are read in.

#include "entry/availability.h"
#include "fakes/recordingclient.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestActionStates : public QObject {
    Q_OBJECT

private slots:
    void states_data()
    {
        QTest::addColumn<QStringList>("present"); // properties with a value
        QTest::addColumn<bool>("checkEmail");
        QTest::addColumn<QString>("expected"); // letters of the enabled actions: v e q d w

        QTest::newRow("nothing, no check") << QStringList{} << false << "veq";
        QTest::newRow("nothing, checked") << QStringList{} << true << "v";
        QTest::newRow("third address counts") << QStringList{u"Email3Address"_s} << true << "veq";
        QTest::newRow("second home phone") << QStringList{u"Home2TelephoneNumber"_s} << true << "vd";
        QTest::newRow("other address") << QStringList{u"OtherAddress"_s} << true << "vw";
        QTest::newRow("blanks count") << QStringList{u"MobileTelephoneNumber= "_s} << true << "vd";
        QTest::newRow("everything") << QStringList{u"Email1Address"_s, u"BusinessTelephoneNumber"_s, u"HomeAddress"_s}
                                    << true << "veqdw";
    }

    void states()
    {
        QFETCH(QStringList, present);
        QFETCH(bool, checkEmail);
        QFETCH(QString, expected);
        fake::RecordingClient client;
        QMap<QString, QString> properties;
        for (const QString& p : present)
            properties.insert(p.section(u'=', 0, 0), p.contains(u'=') ? p.section(u'=', 1) : u"x"_s);
        client.add(u"A"_s, u"A"_s, properties);
        auto contact = client.application()->GetNamespace(u"MAPI"_s)->GetItemFromID(client.contacts.first().entryId);
        const ActionStates s = actionStates(contact.get(), checkEmail);
        QString got;
        got += s.view ? u"v"_s : QString();
        got += s.email ? u"e"_s : QString();
        got += s.quickEmail ? u"q"_s : QString();
        got += s.dial ? u"d"_s : QString();
        got += s.write ? u"w"_s : QString();
        QCOMPARE(got, expected);
        QVERIFY(s.found);
    }

    void noContactNothing() { QCOMPARE(actionStates(nullptr, false), ActionStates{}); }

    void readsInTheFixedOrder()
    {
        fake::RecordingClient client;
        client.add(u"A"_s, u"A"_s);
        auto contact = client.application()->GetNamespace(u"MAPI"_s)->GetItemFromID(client.contacts.first().entryId);
        client.clearLog();
        actionStates(contact.get(), true);
        const QStringList reads = client.log;
        QStringList names;
        for (const QString& r : reads)
            names << r.section(u'(', 0, 0);
        QCOMPARE(names, (QStringList{u"Email1Address"_s, u"Email2Address"_s, u"Email3Address"_s,
                                     u"MobileTelephoneNumber"_s, u"BusinessTelephoneNumber"_s, u"HomeTelephoneNumber"_s,
                                     u"Home2TelephoneNumber"_s, u"Business2TelephoneNumber"_s, u"HomeAddress"_s,
                                     u"BusinessAddress"_s, u"OtherAddress"_s}));
    }
};

QTEST_GUILESS_MAIN(TestActionStates)
#include "test_actionstates.moc"
