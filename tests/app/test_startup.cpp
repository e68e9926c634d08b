// Start-up and shut-down of the bar: the order of calls, the status line, the failure report.

#include "barfixture.h"
#include "fakes/manualbackground.h"
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

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void callsInOrder();
    void readyState_data();
    void readyState();
    void statusLine();
    void failure_data();
    void failure();
    void wordProcessorIsNotStarted();
    void barIsUsableWhileReading();
    void closingUnloads();
    void programWithoutDisplay();
    void programWithUnreadableAddressBook();
    void programEndsCleanlyOnSignals_data();
    void programEndsCleanlyOnSignals();
};

void TestStartup::callsInOrder()
{
    BarFixture f;
    f.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams"));
    f.load();
    QCOMPARE(f.client.log, (QStringList{QStringLiteral("create word processor"), QStringLiteral("create"),
                                        QStringLiteral("GetNamespace(MAPI)"), QStringLiteral("Logon"),
                                        QStringLiteral("GetDefaultFolder(10)"), QStringLiteral("Items"),
                                        QStringLiteral("enumerate")}));
    QCOMPARE(f.windowSystem.log.first(), QStringLiteral("topmost"));
}

void TestStartup::readyState_data()
{
    QTest::addColumn<bool>("firstInStackingOrder");
    QTest::addColumn<QString>("onTop");
    QTest::newRow("another window on top") << false << QStringLiteral("topmost");
    QTest::newRow("already first") << true << QStringLiteral("not topmost");
}

void TestStartup::readyState()
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
    QVERIFY(form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->isHidden());
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->text(),
             QStringLiteral("Please Wait - Finding Contacts..."));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text(), QString());
    QCOMPARE(form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->currentText(), QStringLiteral("Smith, John"));
    QVERIFY(!form.session()->currentContact());
}

void TestStartup::statusLine()
{
    BarFixture f;
    frmMain& form = f.load();
    form.showStatus(QString());
    QVERIFY(!form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->isHidden());
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->text(),
             QStringLiteral("Please Wait - Finding Contacts..."));
    form.showStatus(QStringLiteral("one"));
    form.showStatus(QStringLiteral("two"));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->text(), QStringLiteral("two"));
    form.hideStatus();
    form.hideStatus();
    QVERIFY(form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->isHidden());
}

void TestStartup::failure_data()
{
    QTest::addColumn<QString>("failingCall");
    for (const char* call : {"create", "GetNamespace", "Logon", "GetDefaultFolder", "Items"})
        QTest::newRow(call) << QString::fromLatin1(call);
}

void TestStartup::failure()
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
    QCOMPARE(f.form->findChild<QComboBox*>(QStringLiteral("cmbContacts"))->count(), 0);
    f.form.reset();
    QVERIFY(f.store.writes.isEmpty());
}

void TestStartup::wordProcessorIsNotStarted()
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

void TestStartup::barIsUsableWhileReading()
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
    form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->setFocus();
    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), QStringLiteral("sm"));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text(), QStringLiteral("sm"));
    QVERIFY(!form.session()->currentContact());

    QVERIFY(background.runNext());
    QVERIFY(!form.isLoading());
    QVERIFY(!form.status()->isShown());
    QCOMPARE(form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->count(), 2);
    // The typing is answered once the lists are in.
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text(), QStringLiteral("Smith, John"));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectedText(), QStringLiteral("ith, John"));
    QVERIFY(form.session()->currentContact());
}

void TestStartup::closingUnloads()
{
    BarFixture f;
    frmMain& form = f.load();
    QSignalSpy unloaded(&form, &frmMain::unloaded);
    form.findChild<QToolButton*>(QStringLiteral("cmdClose"))->click();
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!form.isVisible());
}

namespace {

QProcessEnvironment sandbox(const QTemporaryDir& dir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        env.insert(QString::fromLatin1(v), dir.filePath(QString::fromLatin1(v)));
    return env;
}

} // namespace

void TestStartup::programWithoutDisplay()
{
    QTemporaryDir dir;
    QProcessEnvironment env = sandbox(dir);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("QUINTEL_BIN"), {});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 2);
    const QList<QByteArray> lines = p.readAllStandardError().trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().contains("display"));
}

void TestStartup::programWithUnreadableAddressBook()
{
    // The configured address book is a plain file: start-up reports it and ends non-zero, saving nothing.
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("contacts.txt"));
    QFile file(notAFolder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not an address book\n");
    file.close();
    QDir().mkpath(dir.filePath(QStringLiteral("XDG_CONFIG_HOME/Quintel")));
    const QString conf = dir.filePath(QStringLiteral("XDG_CONFIG_HOME/Quintel/Quintel.conf"));
    QFile confFile(conf);
    QVERIFY(confFile.open(QIODevice::WriteOnly));
    confFile.write("[ContactClient]\nFolder=" + notAFolder.toUtf8() + "\n");
    confFile.close();

    QProcess p;
    p.setProcessEnvironment(sandbox(dir));
    p.start(qEnvironmentVariable("QUINTEL_BIN"), {});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(p.readAllStandardError().contains("Error 1001"), "the report names the error number");
    confFile.open(QIODevice::ReadOnly);
    QVERIFY(!confFile.readAll().contains("WindowBottom"));
}

void TestStartup::programEndsCleanlyOnSignals_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestStartup::programEndsCleanlyOnSignals()
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

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
