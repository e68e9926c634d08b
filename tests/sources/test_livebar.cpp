// The bar while its folder changes on disk: what the user is typing stays as typed, and the
// contacts added, changed or removed are there (or gone) without a restart. A folder that is not
// there, from the start or because a folder above it was renamed, is said on the status line.

#include "app/frmmain.h"
#include "booklayout.h"
#include "contactclient/clientconfig.h"
#include "contactclient/factory.h"
#include "desktop/messagebox.h"
#include "fakes/fakewindowsystem.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingwordprocessor.h"
#include "settings/modsettings.h"
#include "window/statusline.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using booklayout::addCard;

class TestLiveBar : public QObject {
    Q_OBJECT

private slots:
    void typingIsKept_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("count");
        QTest::newRow("added") << "add" << 3;
        QTest::newRow("changed") << "change" << 2;
        QTest::newRow("removed") << "remove" << 1;
        QTest::newRow("1,000 files at once") << "thousand" << 1002;
    }
    void typingIsKept()
    {
        QFETCH(QString, change);
        QFETCH(int, count);
        QTemporaryDir tmp;
        const QString root = tmp.filePath(QStringLiteral("contacts"));
        const QString folder = root + QStringLiteral("/work"); // a vdir root with one collection
        QVERIFY(addCard(folder, QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee"), {},
                        QStringLiteral("1")));
        QVERIFY(addCard(folder, QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Ray")));

        fake::MemorySettingsStore store;
        store.values.insert(contactclient::kClientSection + QStringLiteral("/Folder"), root);
        store.values.insert(contactclient::kClientSection + QStringLiteral("/MailTransport"), QStringLiteral("folder"));
        store.values.insert(contactclient::kClientSection + QStringLiteral("/MailFolder"),
                            tmp.filePath(QStringLiteral("out")));
        fake::FakeWindowSystem windowSystem;
        MessageBox::setTestMode(true);
        modSettings settings(store);
        {
            Platform p;
            p.createContactClient = [&store](contactclient::DesktopHooks& desktop) {
                return contactclient::createApplication(store, desktop, nullptr);
            };
            p.createWordProcessor = [] { return std::make_shared<fake::RecordingWordProcessor>(); };
            p.windowSystem = &windowSystem;
            frmMain form(p, settings);
            form.Form_Load();
            QTRY_VERIFY(!form.isLoading());
            form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->setFocus();
            QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), QStringLiteral("Ann L"));
            const QString typed = form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text();
            const int cursor = form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->cursorPosition();
            const QString selected = form.findChild<QLineEdit*>(QStringLiteral("txtContact"))
                                         ->selectedText(); // the completed rest of the name

            if (change == QLatin1String("add")) {
                QVERIFY(addCard(folder, QStringLiteral("cy"), QStringLiteral("Cy"), QStringLiteral("Ode")));
            } else if (change == QLatin1String("change")) {
                QVERIFY(addCard(folder, QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee"), {},
                                QStringLiteral("2")));
            } else if (change == QLatin1String("remove")) {
                QVERIFY(QFile::remove(folder + QStringLiteral("/ann.vcf")));
            } else {
                for (int i = 0; i < 1000; ++i)
                    QVERIFY(addCard(folder, QStringLiteral("n%1").arg(i), QStringLiteral("N%1").arg(i),
                                    QStringLiteral("Many")));
            }
            // The change has been read: the count, and for a changed card its new number.
            QTRY_COMPARE(form.session()->contactCount(), count);
            if (change == QLatin1String("remove")) {
                QTRY_VERIFY(!form.session()->currentContact());
            } else {
                QTRY_VERIFY(form.session()->currentContact());
                QTRY_COMPARE(form.session()->currentContact()->MobileTelephoneNumber(),
                             change == QLatin1String("change") ? QStringLiteral("2") : QStringLiteral("1"));
            }
            QTRY_VERIFY(!form.isLoading());
            QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text(), typed);
            QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->cursorPosition(), cursor);
            QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectedText(), selected);
        }
    }

    void saysTheFolderIsMissing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing from the start") << "start"
                                                << "does not exist";
        QTest::newRow("parent folder renamed while running") << "rename"
                                                             << "is gone";
    }
    void saysTheFolderIsMissing()
    {
        QFETCH(QString, how);
        QFETCH(QString, said);
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("home/contacts"));
        if (how == QLatin1String("rename"))
            QVERIFY(addCard(folder, QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee")));

        fake::MemorySettingsStore store;
        store.values.insert(contactclient::kClientSection + QStringLiteral("/Folder"), folder);
        fake::FakeWindowSystem windowSystem;
        MessageBox::setTestMode(true);
        modSettings settings(store);
        Platform p;
        p.createContactClient = [&store](contactclient::DesktopHooks& desktop) {
            return contactclient::createApplication(store, desktop, nullptr);
        };
        p.createWordProcessor = [] { return std::make_shared<fake::RecordingWordProcessor>(); };
        p.windowSystem = &windowSystem;
        frmMain form(p, settings);
        QSignalSpy failures(&form, &frmMain::loadFailed); // would end the program
        form.Form_Load();
        QTRY_VERIFY(!form.isLoading());
        QCOMPARE(failures.size(), 0);
        if (how == QLatin1String("rename")) {
            QCOMPARE(form.session()->contactCount(), 1);
            QVERIFY(QDir(tmp.path()).rename(QStringLiteral("home"), QStringLiteral("moved")));
        }
        // Within the time the README promises.
        QTRY_VERIFY_WITH_TIMEOUT(form.status()->text().contains(said), 12000);
        QVERIFY2(form.status()->text().contains(folder), qPrintable(form.status()->text()));
        QVERIFY(form.status()->recentNotes().value(0).contains(said));
        QCOMPARE(form.session()->contactCount(), 0);
        QVERIFY(!QFileInfo::exists(folder));
    }
};

QTEST_MAIN(TestLiveBar)
#include "test_livebar.moc"
