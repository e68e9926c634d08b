// What the set-up saves: exactly the contact client's keys, passwords only in the keyring, the
// autostart entry written and removed.

#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "setup/autostart.h"
#include "setup/keyring.h"
#include "setup/setupapply.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using setup::SetupSettings;
Q_DECLARE_METATYPE(setup::SetupSettings)

namespace {

SetupSettings smtpAccount()
{
    SetupSettings s;
    s.mail = SetupSettings::Mail::Smtp;
    s.smtpHost = QStringLiteral("smtp.example.org");
    s.smtpUser = QStringLiteral("ann");
    s.mailFrom = QStringLiteral("ann@example.org");
    return s;
}

} // namespace

class TestSetupSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writtenExactly_data();
    void writtenExactly();
    void roundTrip();
    void problems_data();
    void problems();
    void passwordsGoToTheKeyring();
    void keyringFailureKeepsTheSettings();
    void refusedSettingsWriteNothing();
    void folderOnSave_data();
    void folderOnSave();
    void realKeyring();
    void autostartWrittenAndRemoved();
    void autostartEntryIsValid();

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestSetupSettings::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_home->filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home->filePath(QStringLiteral("config")).toUtf8());
}

void TestSetupSettings::writtenExactly_data()
{
    QTest::addColumn<SetupSettings>("settings");
    QTest::addColumn<QStringList>("writes");

    const QString data = QStringLiteral("$XDG_DATA_HOME");
    SetupSettings local;
    QTest::newRow("defaults: local folder, sendmail")
        << local
        << QStringList{QStringLiteral("ContactClient/Backend=vcard"),
                       QStringLiteral("ContactClient/Folder=") + data + QStringLiteral("/contacts"),
                       QStringLiteral("ContactClient/MailTransport=sendmail"),
                       QStringLiteral("ContactClient/SendmailPath=/usr/sbin/sendmail")};

    SetupSettings dav;
    dav.addressBook = SetupSettings::AddressBook::CardDav;
    dav.folder = QStringLiteral("/srv/contacts/");
    dav.cardDavUrl = QStringLiteral("https://dav.example.org/");
    dav.cardDavUser = QStringLiteral("ann");
    dav.sendmailPath = QStringLiteral("/usr/bin/msmtp");
    QTest::newRow("CardDAV and another sendmail")
        << dav
        << QStringList{QStringLiteral("ContactClient/Backend=carddav"),
                       QStringLiteral("ContactClient/Folder=/srv/contacts"),
                       QStringLiteral("ContactClient/CardDavUrl=https://dav.example.org/"),
                       QStringLiteral("ContactClient/CardDavUser=ann"),
                       QStringLiteral("ContactClient/MailTransport=sendmail"),
                       QStringLiteral("ContactClient/SendmailPath=/usr/bin/msmtp")};

    SetupSettings eds;
    eds.addressBook = SetupSettings::AddressBook::Eds;
    eds.edsBooks = QStringLiteral("work-uid;system-address-book");
    QTest::newRow("the desktop's address book, two books")
        << eds
        << QStringList{QStringLiteral("ContactClient/Backend=eds"),
                       QStringLiteral("ContactClient/EdsBooks=work-uid;system-address-book"),
                       QStringLiteral("ContactClient/Folder=") + data + QStringLiteral("/contacts"),
                       QStringLiteral("ContactClient/MailTransport=sendmail"),
                       QStringLiteral("ContactClient/SendmailPath=/usr/sbin/sendmail")};

    SetupSettings smtp = smtpAccount();
    smtp.folder = QStringLiteral("/home/ann/contacts");
    smtp.smtpSecurity = QStringLiteral("tls");
    smtp.mailFromName = QStringLiteral("Ann Smith");
    QTest::newRow("SMTP with TLS on the usual port")
        << smtp << QStringList{QStringLiteral("ContactClient/Backend=vcard"),
                               QStringLiteral("ContactClient/Folder=/home/ann/contacts"),
                               QStringLiteral("ContactClient/MailTransport=smtp"),
                               QStringLiteral("ContactClient/SmtpHost=smtp.example.org"),
                               QStringLiteral("ContactClient/SmtpPort=465"),
                               QStringLiteral("ContactClient/SmtpSecurity=tls"),
                               QStringLiteral("ContactClient/SmtpUser=ann"),
                               QStringLiteral("ContactClient/MailFrom=ann@example.org"),
                               QStringLiteral("ContactClient/MailFromName=Ann Smith")};
}

void TestSetupSettings::writtenExactly()
{
    QFETCH(SetupSettings, settings);
    QFETCH(QStringList, writes);
    fake::MemorySettingsStore store;
    store.values.insert(QStringLiteral("Settings/WindowMode"), QStringLiteral("2"));
    settings.save(store);
    writes.replaceInStrings(QStringLiteral("$XDG_DATA_HOME"), qEnvironmentVariable("XDG_DATA_HOME"));
    QCOMPARE(store.writes, writes);
    QCOMPARE(store.values.value(QStringLiteral("Settings/WindowMode")), QStringLiteral("2"));
}

void TestSetupSettings::roundTrip()
{
    fake::MemorySettingsStore store;
    SetupSettings s = smtpAccount();
    s.smtpPort = 2525;
    s.save(store);
    const SetupSettings back = SetupSettings::load(store);
    QCOMPARE(back.mail, SetupSettings::Mail::Smtp);
    QCOMPARE(back.smtpPort, 2525);
    QCOMPARE(back.smtpSecurity, s.smtpSecurity);

    // A transport the window does not offer survives a save.
    store.SaveSetting(QString(), QStringLiteral("ContactClient"), QStringLiteral("MailTransport"),
                      QStringLiteral("folder"));
    SetupSettings::load(store).save(store);
    QCOMPARE(store.values.value(QStringLiteral("ContactClient/MailTransport")), QStringLiteral("folder"));
}

void TestSetupSettings::problems_data()
{
    QTest::addColumn<SetupSettings>("settings");
    QTest::addColumn<QString>("problem"); // a part of the text; empty: none

    QTest::newRow("defaults") << SetupSettings() << QString();
    SetupSettings s;
    s.folder = QStringLiteral("contacts");
    QTest::newRow("relative folder") << s << QStringLiteral("full path");

    s = SetupSettings();
    s.addressBook = SetupSettings::AddressBook::CardDav;
    QTest::newRow("CardDAV without address") << s << QStringLiteral("Enter the address");
    s.cardDavUrl = QStringLiteral("http://dav.example.org/");
    QTest::newRow("CardDAV over http to another machine") << s << QStringLiteral("unencrypted");
    s.cardDavUrl = QStringLiteral("http://127.0.0.1:5232/");
    QTest::newRow("CardDAV over http to this machine") << s << QString();

    s = smtpAccount();
    QTest::newRow("SMTP complete") << s << QString();
    s.smtpSecurity = QStringLiteral("none");
    QTest::newRow("plain SMTP to another machine") << s << QStringLiteral("only to this computer");
    s.smtpHost = QStringLiteral("localhost");
    QTest::newRow("plain SMTP to this machine") << s << QString();
    s = smtpAccount();
    s.mailFrom = QStringLiteral("ann@example.org\r\nBcc: all@example.org");
    QTest::newRow("header injection in the sender") << s << QStringLiteral("not a mail address");
    s = smtpAccount();
    s.mailFromName = QStringLiteral("Ann\nBcc: x@example.org");
    QTest::newRow("line break in the sender's name") << s << QStringLiteral("control characters");
}

void TestSetupSettings::problems()
{
    QFETCH(SetupSettings, settings);
    QFETCH(QString, problem);
    if (problem.isEmpty())
        QCOMPARE(settings.problem(), QString());
    else
        QVERIFY2(settings.problem().contains(problem), qPrintable(settings.problem()));
}

void TestSetupSettings::passwordsGoToTheKeyring()
{
    fake::MemorySettingsStore store;
    FakeKeyring keyring;
    setup::SetupInput in;
    in.settings = smtpAccount();
    in.settings.addressBook = SetupSettings::AddressBook::CardDav;
    in.settings.cardDavUrl = QStringLiteral("https://dav.example.org/");
    in.settings.cardDavUser = QStringLiteral("ann");
    in.cardDavPassword = QStringLiteral("dav secret");
    in.smtpPassword = QStringLiteral("smtp secret");
    const setup::ApplyOutcome outcome = setup::applySetup(in, store, keyring, QStringLiteral("/usr/bin/quintel"));
    QVERIFY(outcome.saved());
    QVERIFY(outcome.warnings.isEmpty());
    QCOMPARE(keyring.entries.value(
                 setup::cardDavPasswordKey(QStringLiteral("ann"), QStringLiteral("https://dav.example.org/"))),
             QStringLiteral("dav secret"));
    QCOMPARE(keyring.entries.value(setup::smtpPasswordKey(QStringLiteral("ann"), QStringLiteral("smtp.example.org"))),
             QStringLiteral("smtp secret"));
    for (const QString& value : std::as_const(store.values))
        QVERIFY(!value.contains(QStringLiteral("secret")));

    // An empty password field keeps what the keyring has.
    in.cardDavPassword.clear();
    in.smtpPassword.clear();
    QVERIFY(setup::applySetup(in, store, keyring, QStringLiteral("quintel")).saved());
    QCOMPARE(keyring.entries.size(), 2);
}

void TestSetupSettings::keyringFailureKeepsTheSettings()
{
    fake::MemorySettingsStore store;
    FakeKeyring keyring;
    keyring.failure = QStringLiteral("No keyring is available.");
    setup::SetupInput in;
    in.settings = smtpAccount();
    in.smtpPassword = QStringLiteral("secret");
    const setup::ApplyOutcome outcome = setup::applySetup(in, store, keyring, QStringLiteral("quintel"));
    QVERIFY(outcome.saved());
    QCOMPARE(outcome.warnings.size(), 1);
    QVERIFY(outcome.warnings.first().contains(QStringLiteral("No keyring")));
    QCOMPARE(store.values.value(QStringLiteral("ContactClient/MailTransport")), QStringLiteral("smtp"));
    QVERIFY(!store.values.contains(QStringLiteral("ContactClient/SmtpPassword")));
}

void TestSetupSettings::refusedSettingsWriteNothing()
{
    fake::MemorySettingsStore store;
    FakeKeyring keyring;
    setup::SetupInput in;
    in.settings = smtpAccount();
    in.settings.smtpHost.clear();
    in.smtpPassword = QStringLiteral("secret");
    in.autostart = true;
    const setup::ApplyOutcome outcome = setup::applySetup(in, store, keyring, QStringLiteral("quintel"));
    QVERIFY(!outcome.saved());
    QVERIFY(store.writes.isEmpty());
    QVERIFY(keyring.entries.isEmpty());
    QVERIFY(!QFile::exists(autostart::filePath()));
}

void TestSetupSettings::folderOnSave_data()
{
    QTest::addColumn<QString>("book");   // "vcard" or "carddav"
    QTest::addColumn<QString>("folder"); // under the temporary home; "" is the default folder
    QTest::addColumn<bool>("exists");    // the folder is there before saving
    QTest::addColumn<bool>("madeAfter"); // the folder is there after saving
    QTest::addColumn<QString>("warning");
    QTest::newRow("the default folder is made") << "vcard"
                                                << "" << false << true << QString();
    QTest::newRow("the default folder named in full is made") << "vcard"
                                                              << "data/contacts" << false << true << QString();
    QTest::newRow("another folder is only said") << "vcard"
                                                 << "elsewhere/book" << false << false << "does not exist";
    QTest::newRow("an existing folder is left alone") << "vcard"
                                                      << "elsewhere/book" << true << true << QString();
    QTest::newRow("a server's book makes no folder") << "carddav"
                                                     << "" << false << false << QString();
}

void TestSetupSettings::folderOnSave()
{
    QFETCH(QString, book);
    QFETCH(QString, folder);
    QFETCH(bool, exists);
    QFETCH(bool, madeAfter);
    QFETCH(QString, warning);
    const QString path = m_home->filePath(folder.isEmpty() ? QStringLiteral("data/contacts") : folder);
    if (exists)
        QVERIFY(QDir().mkpath(path));
    fake::MemorySettingsStore store;
    FakeKeyring keyring;
    setup::SetupInput in;
    if (book == QLatin1String("carddav")) {
        in.settings.addressBook = SetupSettings::AddressBook::CardDav;
        in.settings.cardDavUrl = QStringLiteral("https://dav.example.org/");
    } else if (!folder.isEmpty()) {
        in.settings.folder = path;
    }
    const setup::ApplyOutcome outcome = setup::applySetup(in, store, keyring, QStringLiteral("quintel"));
    QVERIFY(outcome.saved());
    QCOMPARE(QFileInfo(path).isDir(), madeAfter);
    if (warning.isEmpty()) {
        QVERIFY2(outcome.warnings.isEmpty(), qPrintable(outcome.warnings.join(u'\n')));
    } else {
        QCOMPARE(outcome.warnings.size(), 1);
        QVERIFY2(outcome.warnings.first().contains(warning) && outcome.warnings.first().contains(path),
                 qPrintable(outcome.warnings.first()));
    }
}

void TestSetupSettings::realKeyring()
{
    // The desktop's keyring through its D-Bus service; CI machines have none.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        QSKIP("No session bus, so no Secret Service keyring: the keyring round trip is not tested here.");
    setup::DesktopKeyring keyring;
    const QString key = QStringLiteral("quintel-test");
    const QString written = keyring.writePassword(key, QStringLiteral("s3cret"));
    if (written.contains(QStringLiteral("No keyring")) || written.contains(QStringLiteral("did not answer")))
        QSKIP(qPrintable(QStringLiteral("No Secret Service keyring runs: ") + written));
    QCOMPARE(written, QString());
    QString password;
    QCOMPARE(keyring.readPassword(key, password), QString());
    QCOMPARE(password, QStringLiteral("s3cret"));
    QCOMPARE(keyring.writePassword(key, QString()), QString());
}

void TestSetupSettings::autostartWrittenAndRemoved()
{
    const QString path = m_home->filePath(QStringLiteral("config/autostart/quintel.desktop"));
    QCOMPARE(autostart::filePath(), path);
    QVERIFY(!autostart::isEnabled());

    fake::MemorySettingsStore store;
    FakeKeyring keyring;
    setup::SetupInput in;
    in.autostart = true;
    QVERIFY(setup::applySetup(in, store, keyring, QStringLiteral("/opt/quintel/bin/quintel")).saved());
    QVERIFY(autostart::isEnabled());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray entry = file.readAll();
    file.close();
    QVERIFY(entry.contains("Exec=sh -c \"sleep 5; exec '/opt/quintel/bin/quintel'\"\n"));
    QCOMPARE(setup::currentSetup(store).autostart, true);

    // Switched off in the desktop's own session settings: shown as off, and ticking it switches it on.
    QVERIFY(file.open(QIODevice::Append));
    file.write("Hidden=true\n");
    file.close();
    QVERIFY(!autostart::isEnabled());
    QVERIFY(setup::applySetup(in, store, keyring, QStringLiteral("quintel")).saved());
    QVERIFY(autostart::isEnabled());

    in.autostart = false;
    QVERIFY(setup::applySetup(in, store, keyring, QStringLiteral("quintel")).saved());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!autostart::isEnabled());
}

void TestSetupSettings::autostartEntryIsValid()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
    // A path with a space, a quote and a dollar sign must survive both quoting layers.
    const QString program = QStringLiteral("/opt/my $apps/it's/quintel");
    QCOMPARE(autostart::setEnabled(true, program), QString());
    QProcess p;
    p.start(validator, {autostart::filePath()});
    QVERIFY(p.waitForFinished(20000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardOutput().constData());

    // What a desktop would run: unquote the Exec line as the desktop entry rules say, then let sh run it.
    QFile file(autostart::filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString exec;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Exec=")))
            exec = line.mid(5);
    exec.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    QVERIFY(exec.startsWith(QStringLiteral("sh -c \"")));
    QString script = exec.mid(7, exec.size() - 8);
    static const QRegularExpression escaped(QStringLiteral(R"(\\([\"`$\\]))"));
    script.replace(escaped, QStringLiteral("\\1"));
    script.replace(QStringLiteral("sleep 5; exec "), QStringLiteral("printf %s "));
    QProcess sh;
    sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    QVERIFY(sh.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), program);
}

QTEST_MAIN(TestSetupSettings)
#include "test_setupsettings.moc"
