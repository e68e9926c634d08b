// Start-up and shut-down of the bar: the order of calls, the status line, the failure report.

#include "barfixture.h"
#include "fakes/manualbackground.h"
#include "testfiles.h"
#include "window/statusline.h"
#include "wordprocessor/factory.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <csignal>

namespace {

QProcessEnvironment sandbox(const QTemporaryDir& dir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        env.insert(QString::fromLatin1(v), dir.filePath(QString::fromLatin1(v)));
    return env;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void callsInOrder()
    {
        BarFixture f;
        f.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams"));
        f.load();
        QCOMPARE(f.client.log, (QStringList{QStringLiteral("create word processor"), QStringLiteral("create"),
                                            QStringLiteral("GetNamespace(MAPI)"), QStringLiteral("Logon"),
                                            QStringLiteral("GetDefaultFolder(10)"), QStringLiteral("Items"),
                                            QStringLiteral("enumerate")}));
    }

    void readyState_data()
    {
        QTest::addColumn<bool>("firstInStackingOrder");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("another window on top") << false << QStringLiteral("topmost");
        QTest::newRow("already first") << true << QStringLiteral("not topmost");
    }
    void readyState()
    {
        QFETCH(bool, firstInStackingOrder);
        QFETCH(QString, onTop);
        BarFixture f;
        f.windowSystem.firstInStackingOrder = firstInStackingOrder;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"));
        frmMain& form = f.load();
        QCOMPARE(f.windowSystem.log.value(0), onTop);
        QVERIFY(form.isVisible());
        QVERIFY(!form.isLoading());
        QVERIFY(ui<QLineEdit>(form, "txtStatus")->isHidden());
        QCOMPARE(ui<QLineEdit>(form, "txtStatus")->text(), QStringLiteral("Please Wait - Finding Contacts..."));
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), QString());
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->currentText(), QStringLiteral("Smith, John"));
        QVERIFY(!form.session()->currentContact());
    }

    void failure_data()
    {
        QTest::addColumn<QString>("failingCall");
        for (const char* call : {"create", "GetNamespace", "Logon", "GetDefaultFolder", "Items"})
            QTest::newRow(call) << QString::fromLatin1(call);
    }
    void failure()
    {
        QFETCH(QString, failingCall);
        BarFixture f;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"));
        f.client.failures.insert(failingCall, QStringLiteral("The address book is on fire."));
        f.create();
        QSignalSpy failed(f.form.get(), &frmMain::loadFailed);
        QSignalSpy loaded(f.form.get(), &frmMain::loaded);
        f.form->Form_Load();
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toInt(), int(contactclient::errStoreUnavailable));
        QCOMPARE(failed.at(0).at(1).toString(), QStringLiteral("The address book is on fire."));
        QCOMPARE(loaded.size(), 0);
        QVERIFY(!f.form->isLoading());
        // Nothing loaded, nothing saved.
        QCOMPARE(ui<QComboBox>(*f.form, "cmbContacts")->count(), 0);
        f.form.reset();
        QVERIFY(f.store.writes.isEmpty());
    }

    void wordProcessorIsNotStarted()
    {
        // Creating the word processor's stand-in must work on a machine without one.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        std::shared_ptr<wordprocessor::Application> app;
        QVERIFY_THROWS_NO_EXCEPTION(app = wordprocessor::createApplication());
        qputenv("PATH", path);
        QVERIFY(app);
        QVERIFY(!app->Visible());
    }

    void barIsUsableWhileReading()
    {
        BarFixture f;
        fake::ManualBackground background;
        f.background = background.runner();
        f.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams"));
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"));
        frmMain& form = f.load();

        // Shown with its wait message while the address book is read; what is typed is kept.
        QVERIFY(form.isVisible());
        QVERIFY(form.isLoading());
        QVERIFY(form.status()->isShown());
        QCOMPARE(form.status()->text(), QStringLiteral("Please Wait - Finding Contacts..."));
        QCOMPARE(f.client.logOf({QStringLiteral("Logon")}), QStringList());
        ui<QLineEdit>(form, "txtContact")->setFocus();
        QTest::keyClicks(ui<QLineEdit>(form, "txtContact"), QStringLiteral("sm"));
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), QStringLiteral("sm"));
        QVERIFY(!form.session()->currentContact());

        QVERIFY(background.runNext());
        QVERIFY(!form.isLoading());
        QVERIFY(!form.status()->isShown());
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->count(), 2);
        // The typing is answered once the lists are in.
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), QStringLiteral("Smith, John"));
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectedText(), QStringLiteral("ith, John"));
        QVERIFY(form.session()->currentContact());
    }

    void closingUnloads()
    {
        BarFixture f;
        frmMain& form = f.load();
        QSignalSpy unloaded(&form, &frmMain::unloaded);
        click(form, "cmdClose");
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!form.isVisible());
    }

    void programRefusesToStart_data()
    {
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("said"); // on one line of the error output
        QTest::newRow("no display") << false << 2 << QByteArray("display");
        // The configured address book is a plain file: the report names the error number.
        QTest::newRow("address book unreadable") << true << 1 << QByteArray("Error 1001");
    }
    // The program says why on its error output, ends non-zero and saves nothing.
    void programRefusesToStart()
    {
        QFETCH(bool, display);
        QFETCH(int, status);
        QFETCH(QByteArray, said);
        QTemporaryDir dir;
        QProcessEnvironment env = sandbox(dir);
        const QString conf = dir.filePath(QStringLiteral("XDG_CONFIG_HOME/Quintel/Quintel.conf"));
        if (!display) {
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(QString::fromLatin1(name));
        } else {
            const QString notAFolder = dir.filePath(QStringLiteral("contacts.txt"));
            QVERIFY(testsupport::writeFile(notAFolder, "not an address book\n"));
            QVERIFY(testsupport::writeFile(conf, "[ContactClient]\nFolder=" + notAFolder.toUtf8() + "\n"));
        }
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("QUINTEL_BIN"), {});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), status);
        const QList<QByteArray> lines = p.readAllStandardError().trimmed().split('\n');
        QVERIFY2(std::any_of(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.contains(said); }),
                 lines.join('\n').constData());
        if (!display)
            QCOMPARE(lines.size(), 1);
        QVERIFY(!testsupport::readFile(conf).contains("WindowBottom"));
    }

    void programEndsCleanlyOnSignals_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void programEndsCleanlyOnSignals()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("XDG_DATA_HOME/contacts")));
        QProcess p;
        p.setProcessEnvironment(sandbox(dir));
        p.start(qEnvironmentVariable("QUINTEL_BIN"), {});
        QVERIFY(p.waitForStarted());

        // The bar keeps its place a moment after it has come up: it is running then.
        auto conf = [&dir] {
            QFile file(dir.filePath(QStringLiteral("XDG_CONFIG_HOME/Quintel/Quintel.conf")));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(conf().contains("WindowBottom"), 20000);
        QVERIFY(::kill(static_cast<pid_t>(p.processId()), signalNumber) == 0);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(conf().contains("WindowLeft") && conf().contains("WindowMode"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
