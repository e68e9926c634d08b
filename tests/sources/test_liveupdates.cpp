// A folder changed under a running bar: the session follows it without being asked (added,
// changed, removed, a thousand files at once, a folder that vanishes and comes back), keeps the
// text the user typed and resolves it again.

#include "booklayout.h"
#include "contactclient/clientconfig.h"
#include "contactclient/desktophooks.h"
#include "contactclient/factory.h"
#include "contactclient/storenotifier.h"
#include "contacts/contactsession.h"
#include "fakes/memorysettingsstore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using booklayout::addCard;

class TestLiveUpdates : public QObject {
    Q_OBJECT

private slots:
    void followsTheFolder_data()
    {
        QTest::addColumn<bool>("collections"); // a vdir root with a "work" collection, else a flat folder
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("count");      // contacts afterwards
        QTest::addColumn<QString>("mobile"); // Ann's number afterwards; empty: Ann is gone
        for (bool collections : {false, true}) {
            const char* layout = collections ? "root: " : "flat: ";
            QTest::newRow(QByteArray(layout + QByteArray("added")).constData()) << collections << "add" << 3 << "1";
            QTest::newRow(QByteArray(layout + QByteArray("changed")).constData())
                << collections << "change" << 2 << "2";
            QTest::newRow(QByteArray(layout + QByteArray("removed")).constData()) << collections << "remove" << 1 << "";
            QTest::newRow(QByteArray(layout + QByteArray("1,000 files")).constData())
                << collections << "thousand" << 1002 << "1";
            QTest::newRow(QByteArray(layout + QByteArray("vanished")).constData())
                << collections << "vanish" << 0 << "";
            QTest::newRow(QByteArray(layout + QByteArray("back again")).constData())
                << collections << "return" << 2 << "1";
        }
        QTest::newRow("root: a new collection") << true << "collection" << 3 << "1";
    }
    void followsTheFolder()
    {
        QFETCH(bool, collections);
        QFETCH(QString, change);
        QFETCH(int, count);
        QFETCH(QString, mobile);

        QTemporaryDir tmp;
        const QString root = tmp.filePath(QStringLiteral("contacts"));
        const QString folder = collections ? root + QStringLiteral("/work") : root;
        QVERIFY(addCard(folder, QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee"), {},
                        QStringLiteral("1")));
        QVERIFY(addCard(folder, QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Ray")));

        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + QStringLiteral("/Folder"), root);
        ContactSession session([&settings] { return createApplication(settings, noDesktop(), nullptr); });
        QSignalSpy notes(&session, &ContactSession::note);
        QSignalSpy failures(&session, &ContactSession::failed);
        session.load();
        QVERIFY(session.isLoaded());
        QCOMPARE(session.contactCount(), 2);
        // The user has typed Ann's name: it stays resolved across the reload.
        session.resolve(QStringLiteral("Ann Lee"));
        QVERIFY(session.currentContact());
        QSignalSpy reloads(&session, &ContactSession::listsChanged);

        if (change == QLatin1String("add")) {
            QVERIFY(addCard(folder, QStringLiteral("cy"), QStringLiteral("Cy"), QStringLiteral("Ode")));
        } else if (change == QLatin1String("change")) {
            QVERIFY(addCard(folder, QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee"), {},
                            QStringLiteral("2")));
        } else if (change == QLatin1String("remove")) {
            QVERIFY(QFile::remove(folder + QStringLiteral("/ann.vcf")));
        } else if (change == QLatin1String("thousand")) {
            for (int i = 0; i < 1000; ++i)
                QVERIFY(addCard(folder, QStringLiteral("n%1").arg(i), QStringLiteral("N%1").arg(i),
                                QStringLiteral("Many")));
        } else if (change == QLatin1String("vanish") || change == QLatin1String("return")) {
            QVERIFY(QDir(root).removeRecursively());
            QTRY_COMPARE(session.contactCount(), 0);
            QVERIFY(!notes.isEmpty());
            QVERIFY2(notes.last().at(0).toString().contains(QStringLiteral("is gone")) ||
                         notes.last().at(0).toString() == ContactSession::noLongerThereMessage(),
                     qPrintable(notes.last().at(0).toString()));
            if (change == QLatin1String("return")) {
                QVERIFY(addCard(folder, QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee"), {},
                                QStringLiteral("1")));
                QVERIFY(addCard(folder, QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Ray")));
            }
        } else if (change == QLatin1String("collection")) {
            QVERIFY(addCard(root + QStringLiteral("/family"), QStringLiteral("eve"), QStringLiteral("Eve"),
                            QStringLiteral("Gale")));
        }

        QTRY_COMPARE(session.contactCount(), count);
        QCOMPARE(failures.size(), 0);
        // Let a late event of the same change arrive, then look at the outcome.
        QTRY_VERIFY(!session.isLoading());
        if (mobile.isEmpty()) {
            QVERIFY(!session.currentContact());
        } else {
            QTRY_VERIFY(session.currentContact());
            QTRY_COMPARE(session.currentContact()->MobileTelephoneNumber(), mobile);
        }
        if (change == QLatin1String("thousand")) {
            // One sync, a handful of reloads at most: not one per file.
            QVERIFY2(reloads.size() < 20, qPrintable(QString::number(reloads.size())));
        }
    }
};

QTEST_GUILESS_MAIN(TestLiveUpdates)
#include "test_liveupdates.moc"
