// A folder changed under a running bar: the session follows it without being asked (added,
// changed, removed, a thousand files at once, a folder that vanishes and comes back, a parent
// folder renamed), keeps the text the user typed and resolves it again. A folder that is not there
// at the start is not made: the session says so and reads it when it appears.

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
            QTest::newRow(QByteArray(layout + QByteArray("parent folder renamed")).constData())
                << collections << "rename parent" << 0 << "";
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
        const QString root = tmp.filePath(QStringLiteral("home/contacts"));
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
        } else if (change == QLatin1String("rename parent")) {
            // Nothing happens in the folder itself: only the folder above it changes its name.
            QVERIFY(QDir(tmp.path()).rename(QStringLiteral("home"), QStringLiteral("moved")));
            QTRY_COMPARE_WITH_TIMEOUT(session.contactCount(), 0, 12000);
            QVERIFY(!notes.isEmpty());
            QVERIFY2(notes.last().at(0).toString().contains(root), qPrintable(notes.last().at(0).toString()));
            QVERIFY(!QFileInfo::exists(root)); // not made anew in the old place
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

    // A folder named in the settings that is not there: nothing is made, the session says which
    // folder and where to choose another, and reads the folder once it is there.
    void missingFolder_data()
    {
        QTest::addColumn<bool>("inBooks"); // named in Books rather than Folder
        QTest::addColumn<QString>("parentExists");
        QTest::newRow("Folder, parent there") << false << "yes";
        QTest::newRow("Folder, parent missing too") << false << "no";
        QTest::newRow("Books, parent there") << true << "yes";
    }
    void missingFolder()
    {
        QFETCH(bool, inBooks);
        QFETCH(QString, parentExists);
        QTemporaryDir tmp;
        const QString parent = tmp.filePath(QStringLiteral("data"));
        if (parentExists == QLatin1String("yes"))
            QVERIFY(QDir().mkpath(parent));
        const QString folder = parent + QStringLiteral("/contacts");

        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + (inBooks ? QStringLiteral("/Books") : QStringLiteral("/Folder")),
                               folder);
        ContactSession session([&settings] { return createApplication(settings, noDesktop(), nullptr); });
        QSignalSpy notes(&session, &ContactSession::note);
        QSignalSpy loadFailures(&session, &ContactSession::loadFailed);
        session.load();
        QTRY_VERIFY(session.isLoaded());
        QCOMPARE(loadFailures.size(), 0);
        QCOMPARE(session.contactCount(), 0);
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!notes.isEmpty());
        const QString note = notes.last().at(0).toString();
        QVERIFY2(note.contains(folder) && note.contains(QStringLiteral("does not exist")) &&
                     note.contains(QStringLiteral("Quintel Setup")),
                 qPrintable(note));

        // The user makes the folder (or mounts the disk): its contacts come without a restart.
        QVERIFY(addCard(folder, QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee")));
        QTRY_COMPARE_WITH_TIMEOUT(session.contactCount(), 1, 12000);
    }
};

QTEST_GUILESS_MAIN(TestLiveUpdates)
#include "test_liveupdates.moc"
