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
using namespace Qt::StringLiterals;

class TestLiveBar : public QObject {
    Q_OBJECT

private slots:
    void typingIsKept_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("count");
        QTest::newRow("added") << u"add"_s << 3;
        QTest::newRow("changed") << u"change"_s << 2;
        QTest::newRow("removed") << u"remove"_s << 1;
        QTest::newRow("1,000 files at once") << u"thousand"_s << 1002;
    }
    void typingIsKept()
    {
        QFETCH(QString, change);
        QFETCH(int, count);
        QTemporaryDir tmp;
        const QString root = tmp.filePath(u"contacts"_s);
        const QString folder = root + u"/work"_s; // a vdir root with one collection
        QVERIFY(addCard(folder, u"ann"_s, u"Ann"_s, u"Lee"_s, {}, u"1"_s));
        QVERIFY(addCard(folder, u"bob"_s, u"Bob"_s, u"Ray"_s));

        fake::MemorySettingsStore store;
        store.values.insert(contactclient::kClientSection + u"/Folder"_s, root);
        store.values.insert(contactclient::kClientSection + u"/MailTransport"_s, u"folder"_s);
        store.values.insert(contactclient::kClientSection + u"/MailFolder"_s, tmp.filePath(u"out"_s));
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
            form.findChild<QLineEdit*>(u"txtContact"_s)->setFocus();
            QTest::keyClicks(form.findChild<QLineEdit*>(u"txtContact"_s), u"Ann L"_s);
            const QString typed = form.findChild<QLineEdit*>(u"txtContact"_s)->text();
            const int cursor = form.findChild<QLineEdit*>(u"txtContact"_s)->cursorPosition();
            const QString selected =
                form.findChild<QLineEdit*>(u"txtContact"_s)->selectedText(); // the completed rest of the name

            if (change == QLatin1String("add")) {
                QVERIFY(addCard(folder, u"cy"_s, u"Cy"_s, u"Ode"_s));
            } else if (change == QLatin1String("change")) {
                QVERIFY(addCard(folder, u"ann"_s, u"Ann"_s, u"Lee"_s, {}, u"2"_s));
            } else if (change == QLatin1String("remove")) {
                QVERIFY(QFile::remove(folder + u"/ann.vcf"_s));
            } else {
                for (int i = 0; i < 1000; ++i)
                    QVERIFY(addCard(folder, u"n%1"_s.arg(i), u"N%1"_s.arg(i), u"Many"_s));
            }
            // The change has been read: the count, and for a changed card its new number.
            QTRY_COMPARE(form.session()->contactCount(), count);
            if (change == QLatin1String("remove")) {
                QTRY_VERIFY(!form.session()->currentContact());
            } else {
                QTRY_VERIFY(form.session()->currentContact());
                QTRY_COMPARE(form.session()->currentContact()->MobileTelephoneNumber(),
                             change == QLatin1String("change") ? u"2"_s : u"1"_s);
            }
            QTRY_VERIFY(!form.isLoading());
            QCOMPARE(form.findChild<QLineEdit*>(u"txtContact"_s)->text(), typed);
            QCOMPARE(form.findChild<QLineEdit*>(u"txtContact"_s)->cursorPosition(), cursor);
            QCOMPARE(form.findChild<QLineEdit*>(u"txtContact"_s)->selectedText(), selected);
        }
    }

    void saysTheFolderIsMissing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing from the start") << u"start"_s << u"does not exist"_s;
        QTest::newRow("parent folder renamed while running") << u"rename"_s << u"is gone"_s;
    }
    void saysTheFolderIsMissing()
    {
        QFETCH(QString, how);
        QFETCH(QString, said);
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(u"home/contacts"_s);
        if (how == QLatin1String("rename"))
            QVERIFY(addCard(folder, u"ann"_s, u"Ann"_s, u"Lee"_s));

        fake::MemorySettingsStore store;
        store.values.insert(contactclient::kClientSection + u"/Folder"_s, folder);
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
            QVERIFY(QDir(tmp.path()).rename(u"home"_s, u"moved"_s));
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
