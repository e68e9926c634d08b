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
using namespace Qt::StringLiterals;
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
            QTest::newRow(QByteArray(layout + QByteArray("added")).constData())
                << collections << u"add"_s << 3 << u"1"_s;
            QTest::newRow(QByteArray(layout + QByteArray("changed")).constData())
                << collections << u"change"_s << 2 << u"2"_s;
            QTest::newRow(QByteArray(layout + QByteArray("removed")).constData())
                << collections << u"remove"_s << 1 << u""_s;
            QTest::newRow(QByteArray(layout + QByteArray("1,000 files")).constData())
                << collections << u"thousand"_s << 1002 << u"1"_s;
            QTest::newRow(QByteArray(layout + QByteArray("vanished")).constData())
                << collections << u"vanish"_s << 0 << u""_s;
            QTest::newRow(QByteArray(layout + QByteArray("back again")).constData())
                << collections << u"return"_s << 2 << u"1"_s;
            QTest::newRow(QByteArray(layout + QByteArray("parent folder renamed")).constData())
                << collections << u"rename parent"_s << 0 << u""_s;
        }
        QTest::newRow("root: a new collection") << true << u"collection"_s << 3 << u"1"_s;
    }
    void followsTheFolder()
    {
        QFETCH(bool, collections);
        QFETCH(QString, change);
        QFETCH(int, count);
        QFETCH(QString, mobile);

        QTemporaryDir tmp;
        const QString root = tmp.filePath(u"home/contacts"_s);
        const QString folder = collections ? root + u"/work"_s : root;
        QVERIFY(addCard(folder, u"ann"_s, u"Ann"_s, u"Lee"_s, {}, u"1"_s));
        QVERIFY(addCard(folder, u"bob"_s, u"Bob"_s, u"Ray"_s));

        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + u"/Folder"_s, root);
        ContactSession session([&settings] { return createApplication(settings, noDesktop(), nullptr); });
        QSignalSpy notes(&session, &ContactSession::note);
        QSignalSpy failures(&session, &ContactSession::failed);
        session.load();
        QVERIFY(session.isLoaded());
        QCOMPARE(session.contactCount(), 2);
        // The user has typed Ann's name: it stays resolved across the reload.
        session.resolve(u"Ann Lee"_s);
        QVERIFY(session.currentContact());
        QSignalSpy reloads(&session, &ContactSession::listsChanged);

        if (change == QLatin1String("add")) {
            QVERIFY(addCard(folder, u"cy"_s, u"Cy"_s, u"Ode"_s));
        } else if (change == QLatin1String("change")) {
            QVERIFY(addCard(folder, u"ann"_s, u"Ann"_s, u"Lee"_s, {}, u"2"_s));
        } else if (change == QLatin1String("remove")) {
            QVERIFY(QFile::remove(folder + u"/ann.vcf"_s));
        } else if (change == QLatin1String("thousand")) {
            for (int i = 0; i < 1000; ++i)
                QVERIFY(addCard(folder, u"n%1"_s.arg(i), u"N%1"_s.arg(i), u"Many"_s));
        } else if (change == QLatin1String("vanish") || change == QLatin1String("return")) {
            QVERIFY(QDir(root).removeRecursively());
            QTRY_COMPARE(session.contactCount(), 0);
            QVERIFY(!notes.isEmpty());
            QVERIFY2(notes.last().at(0).toString().contains(u"is gone"_s) ||
                         notes.last().at(0).toString() == ContactSession::noLongerThereMessage(),
                     qPrintable(notes.last().at(0).toString()));
            if (change == QLatin1String("return")) {
                QVERIFY(addCard(folder, u"ann"_s, u"Ann"_s, u"Lee"_s, {}, u"1"_s));
                QVERIFY(addCard(folder, u"bob"_s, u"Bob"_s, u"Ray"_s));
            }
        } else if (change == QLatin1String("rename parent")) {
            // Nothing happens in the folder itself: only the folder above it changes its name.
            QVERIFY(QDir(tmp.path()).rename(u"home"_s, u"moved"_s));
            QTRY_COMPARE_WITH_TIMEOUT(session.contactCount(), 0, 12000);
            QVERIFY(!notes.isEmpty());
            QVERIFY2(notes.last().at(0).toString().contains(root), qPrintable(notes.last().at(0).toString()));
            QVERIFY(!QFileInfo::exists(root)); // not made anew in the old place
        } else if (change == QLatin1String("collection")) {
            QVERIFY(addCard(root + u"/family"_s, u"eve"_s, u"Eve"_s, u"Gale"_s));
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
        QTest::newRow("Folder, parent there") << false << u"yes"_s;
        QTest::newRow("Folder, parent missing too") << false << u"no"_s;
        QTest::newRow("Books, parent there") << true << u"yes"_s;
    }
    void missingFolder()
    {
        QFETCH(bool, inBooks);
        QFETCH(QString, parentExists);
        QTemporaryDir tmp;
        const QString parent = tmp.filePath(u"data"_s);
        if (parentExists == QLatin1String("yes"))
            QVERIFY(QDir().mkpath(parent));
        const QString folder = parent + u"/contacts"_s;

        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + (inBooks ? u"/Books"_s : u"/Folder"_s), folder);
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
        QVERIFY2(note.contains(folder) && note.contains(u"does not exist"_s) && note.contains(u"Quintel Setup"_s),
                 qPrintable(note));

        // The user makes the folder (or mounts the disk): its contacts come without a restart.
        QVERIFY(addCard(folder, u"ann"_s, u"Ann"_s, u"Lee"_s));
        QTRY_COMPARE_WITH_TIMEOUT(session.contactCount(), 1, 12000);
    }
};

QTEST_GUILESS_MAIN(TestLiveUpdates)
#include "test_liveupdates.moc"
