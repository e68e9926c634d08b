// What the set-up saves: exactly the contact client's keys, what each choice refuses, passwords
// only in the keyring, the address-book folder and the autostart entry written and removed.

#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "setup/autostart.h"
#include "setup/keyring.h"
#include "setup/setupapply.h"
#include "setupfixture.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace setuptest;

class TestSetupSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<Home>(); }

    // The keys written, without "ContactClient/"; $XDG_DATA_HOME stands for the test's own.
    void writtenExactly_data()
    {
        QTest::addColumn<SetupSettings>("settings");
        QTest::addColumn<QStringList>("writes");

        const QStringList sendmail{u"MailTransport=sendmail"_s, u"SendmailPath=/usr/sbin/sendmail"_s};
        QTest::newRow("defaults: local folder, sendmail")
            << SetupSettings() << QStringList{u"Backend=vcard"_s, u"Folder=$XDG_DATA_HOME/contacts"_s} + sendmail;

        SetupSettings dav;
        dav.addressBook = SetupSettings::AddressBook::CardDav;
        dav.folder = u"/srv/contacts/"_s;
        dav.cardDavUrl = u"https://dav.example.org/"_s;
        dav.cardDavUser = u"ann"_s;
        dav.sendmailPath = u"/usr/bin/msmtp"_s;
        QTest::newRow("CardDAV and another sendmail")
            << dav
            << QStringList{u"Backend=carddav"_s, u"Folder=/srv/contacts"_s,   u"CardDavUrl=https://dav.example.org/"_s,
                           u"CardDavUser=ann"_s, u"MailTransport=sendmail"_s, u"SendmailPath=/usr/bin/msmtp"_s};

        SetupSettings eds;
        eds.addressBook = SetupSettings::AddressBook::Eds;
        eds.edsBooks = u"work-uid;system-address-book"_s;
        QTest::newRow("the desktop's address book, two books")
            << eds
            << QStringList{u"Backend=eds"_s, u"EdsBooks=work-uid;system-address-book"_s,
                           u"Folder=$XDG_DATA_HOME/contacts"_s} +
                   sendmail;

        QTest::newRow("directory, anonymous")
            << directory(u" ldaps://ldap.example.com "_s)
            << QStringList{u"Backend=ldap"_s, u"Folder=$XDG_DATA_HOME/contacts"_s,
                           u"LdapUrl=ldaps://ldap.example.com"_s, u"LdapBaseDn=dc=example,dc=com"_s} +
                   sendmail;
        QTest::newRow("directory, bound")
            << directory(u"ldap://ldap.example.com"_s, u"cn=reader,dc=example,dc=com"_s)
            << QStringList{u"Backend=ldap"_s, u"Folder=$XDG_DATA_HOME/contacts"_s, u"LdapUrl=ldap://ldap.example.com"_s,
                           u"LdapBaseDn=dc=example,dc=com"_s, u"LdapBindDn=cn=reader,dc=example,dc=com"_s} +
                   sendmail;

        SetupSettings smtp = smtpAccount();
        smtp.folder = u"/home/ann/contacts"_s;
        smtp.smtpSecurity = u"tls"_s;
        smtp.mailFromName = u"Ann Smith"_s;
        const QStringList smtpKeys{u"MailTransport=smtp"_s, u"SmtpHost=smtp.example.org"_s};
        QTest::newRow("SMTP with TLS on the usual port")
            << smtp
            << QStringList{u"Backend=vcard"_s, u"Folder=/home/ann/contacts"_s} + smtpKeys +
                   QStringList{u"SmtpPort=465"_s, u"SmtpSecurity=tls"_s, u"SmtpUser=ann"_s,
                               u"MailFrom=ann@example.org"_s, u"MailFromName=Ann Smith"_s};
        smtp = smtpAccount();
        smtp.smtpPort = 2525;
        QTest::newRow("SMTP with STARTTLS on its own port")
            << smtp
            << QStringList{u"Backend=vcard"_s, u"Folder=$XDG_DATA_HOME/contacts"_s} + smtpKeys +
                   QStringList{u"SmtpPort=2525"_s, u"SmtpSecurity=starttls"_s, u"SmtpUser=ann"_s,
                               u"MailFrom=ann@example.org"_s};

        const QStringList copy{u"Backend=vcard"_s,      u"Folder=$XDG_DATA_HOME/contacts"_s,
                               u"MailTransport=smtp"_s, u"SmtpHost=smtp.example.org"_s,
                               u"SmtpPort=587"_s,       u"SmtpSecurity=starttls"_s,
                               u"SmtpUser=ann"_s,       u"MailFrom=ann@example.org"_s,
                               u"SaveSentCopy=imap"_s,  u"ImapHost=imap.example.org"_s};
        QTest::newRow("copy in Sent over TLS")
            << withCopy() << copy + QStringList{u"ImapPort=993"_s, u"ImapSecurity=tls"_s, u"ImapUser=ann"_s};
        SetupSettings starttls = withCopy();
        starttls.imapSecurity = u"starttls"_s;
        starttls.imapPort = 1143;
        QTest::newRow("copy in Sent, STARTTLS on its own port")
            << starttls << copy + QStringList{u"ImapPort=1143"_s, u"ImapSecurity=starttls"_s, u"ImapUser=ann"_s};
        SetupSettings client;
        client.mail = SetupSettings::Mail::Client;
        QTest::newRow("mail program") << client
                                      << QStringList{u"Backend=vcard"_s, u"Folder=$XDG_DATA_HOME/contacts"_s,
                                                     u"MailTransport=client"_s};
    }
    // Exactly these keys, nothing of the bar's own; read back and saved again, the same keys.
    void writtenExactly()
    {
        QFETCH(SetupSettings, settings);
        QFETCH(QStringList, writes);
        fake::MemorySettingsStore store;
        store.values.insert(u"Settings/WindowMode"_s, u"2"_s);
        settings.save(store);
        for (QString& w : writes)
            w = u"ContactClient/"_s + w.replace(u"$XDG_DATA_HOME"_s, qEnvironmentVariable("XDG_DATA_HOME"));
        QCOMPARE(store.writes, writes);
        QCOMPARE(store.values.value(u"Settings/WindowMode"_s), u"2"_s);

        fake::MemorySettingsStore again;
        SetupSettings::load(store).save(again);
        QCOMPARE(again.writes, writes);
    }

    // A transport the window does not offer survives a save; a copy in Sent turned off is removed.
    void keysTheWindowDoesNotShowSurvive()
    {
        fake::MemorySettingsStore store;
        const auto set = [&store](const QString& key, const QString& value) {
            store.values.insert(u"ContactClient/"_s + key, value);
        };
        set(u"MailTransport"_s, u"folder"_s);
        SetupSettings::load(store).save(store);
        QCOMPARE(store.values.value(u"ContactClient/MailTransport"_s), u"folder"_s);

        SetupSettings s = withCopy();
        s.save(store);
        s.saveSentCopy = false;
        s.save(store);
        QVERIFY(!SetupSettings::load(store).saveSentCopy);
        QCOMPARE(store.values.value(u"ContactClient/SaveSentCopy"_s), QString());
    }

    void problems_data()
    {
        QTest::addColumn<SetupSettings>("settings");
        QTest::addColumn<QString>("problem"); // a part of the text; empty: none

        QTest::newRow("defaults") << SetupSettings() << QString();
        SetupSettings s;
        s.folder = u"contacts"_s;
        QTest::newRow("relative folder") << s << u"full path"_s;

        s = SetupSettings();
        s.addressBook = SetupSettings::AddressBook::CardDav;
        QTest::newRow("CardDAV without address") << s << u"Enter the address"_s;
        s.cardDavUrl = u"http://dav.example.org/"_s;
        QTest::newRow("CardDAV over http to another machine") << s << u"unencrypted"_s;
        s.cardDavUrl = u"http://127.0.0.1:5232/"_s;
        QTest::newRow("CardDAV over http to this machine") << s << QString();

        s = smtpAccount();
        QTest::newRow("SMTP complete") << s << QString();
        s.smtpSecurity = u"none"_s;
        QTest::newRow("plain SMTP to another machine") << s << u"only to this computer"_s;
        s.smtpHost = u"localhost"_s;
        QTest::newRow("plain SMTP to this machine") << s << QString();
        s = smtpAccount();
        s.mailFrom = u"ann@example.org\r\nBcc: all@example.org"_s;
        QTest::newRow("header injection in the sender") << s << u"not a mail address"_s;
        s = smtpAccount();
        s.mailFromName = u"Ann\nBcc: x@example.org"_s;
        QTest::newRow("line break in the sender's name") << s << u"control characters"_s;

        QTest::newRow("copy in Sent") << withCopy() << QString();
        s = withCopy();
        s.imapHost.clear();
        QTest::newRow("copy, no IMAP host") << s << u"IMAP server's host name"_s;
        s.saveSentCopy = false;
        QTest::newRow("no copy: IMAP fields not needed") << s << QString();
        s.saveSentCopy = true;
        s.mail = SetupSettings::Mail::Client;
        QTest::newRow("mail program: no copy made") << s << QString();
        s = withCopy();
        s.imapHost = u"imap.example.org/x"_s;
        QTest::newRow("IMAP host with a path") << s << u"not valid"_s;
        s = withCopy();
        s.imapSecurity = u"none"_s;
        QTest::newRow("plain IMAP to another host") << s << u"without encryption"_s;
        s.imapHost = u"localhost"_s;
        QTest::newRow("plain IMAP to this computer") << s << QString();
        s = withCopy();
        s.imapUser.clear();
        QTest::newRow("copy, no IMAP user") << s << u"IMAP user name"_s;

        QTest::newRow("ldaps") << directory(u"ldaps://ldap.example.com"_s) << QString();
        QTest::newRow("ldap with a port and a bind DN")
            << directory(u"ldap://ldap.example.com:389"_s, u"cn=reader,dc=example,dc=com"_s) << QString();
        QTest::newRow("no directory address") << directory(QString()) << u"Enter the address of the directory"_s;
        QTest::newRow("a web address for the directory")
            << directory(u"https://ldap.example.com"_s) << u"is not a directory server address"_s;
        QTest::newRow("directory address without host") << directory(u"ldap://"_s) << u"names no host"_s;
        QTest::newRow("line break in the directory address")
            << directory(u"ldap://a.example.com\nldap://b.example.com"_s) << u"control"_s;
        s = directory(u"ldaps://ldap.example.com"_s);
        s.ldapBaseDn.clear();
        QTest::newRow("no base") << s << u"Enter the base"_s;
        s.ldapBaseDn = u"example.com"_s;
        QTest::newRow("a domain for a base") << s << u"is not a base"_s;
        QTest::newRow("a user name for a bind DN")
            << directory(u"ldaps://ldap.example.com"_s, u"reader"_s) << u"is not a bind DN"_s;
        s = SetupSettings();
        s.addressBook = SetupSettings::AddressBook::Eds;
        QTest::newRow("the desktop's address book needs no address") << s << QString();
    }
    void problems()
    {
        QFETCH(SetupSettings, settings);
        QFETCH(QString, problem);
        if (problem.isEmpty())
            QCOMPARE(settings.problem(), QString());
        else
            QVERIFY2(settings.problem().contains(problem), qPrintable(settings.problem()));
    }

    // The same password typed into every password field: only the accounts in use keep one, in the
    // keyring and never in the settings; saving again with the fields empty keeps what the keyring has.
    void passwordsGoToTheKeyring_data()
    {
        QTest::addColumn<SetupSettings>("settings");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("keyring"); // "key=password"

        SetupSettings dav = smtpAccount();
        dav.addressBook = SetupSettings::AddressBook::CardDav;
        dav.cardDavUrl = u"https://dav.example.org/"_s;
        dav.cardDavUser = u"ann"_s;
        QTest::newRow("CardDAV and SMTP")
            << dav << u"s3cret"_s
            << QStringList{u"carddav:ann@dav.example.org=s3cret"_s, u"smtp:ann@smtp.example.org=s3cret"_s};
        QTest::newRow("SMTP with a copy in Sent")
            << withCopy() << u"s3cret"_s
            << QStringList{u"imap:ann@imap.example.org=s3cret"_s, u"smtp:ann@smtp.example.org=s3cret"_s};
        const SetupSettings bound = directory(u"ldaps://ldap.example.com:636"_s, u"cn=reader,dc=example,dc=com"_s);
        QTest::newRow("bound directory") << bound << u"s3cret"_s
                                         << QStringList{u"ldap:cn=reader,dc=example,dc=com@ldap.example.com=s3cret"_s};
        QTest::newRow("bound directory, password left empty") << bound << QString() << QStringList();
        QTest::newRow("anonymous directory: a password typed before is not kept")
            << directory(u"ldaps://ldap.example.com:636"_s) << u"s3cret"_s << QStringList();
    }
    void passwordsGoToTheKeyring()
    {
        QFETCH(SetupSettings, settings);
        QFETCH(QString, password);
        QFETCH(QStringList, keyring);
        fake::MemorySettingsStore store;
        FakeKeyring keys;
        setup::SetupInput in;
        in.settings = settings;
        in.cardDavPassword = in.smtpPassword = in.imapPassword = in.ldapPassword = password;
        const setup::ApplyOutcome outcome = setup::applySetup(in, store, keys, u"/usr/bin/quintel"_s);
        QVERIFY2(outcome.saved(), qPrintable(outcome.error));
        QVERIFY(outcome.warnings.isEmpty());
        QStringList kept;
        for (auto it = keys.entries.cbegin(); it != keys.entries.cend(); ++it)
            kept.append(it.key() + u'=' + it.value());
        QCOMPARE(kept, keyring);
        for (const QString& value : std::as_const(store.values))
            QVERIFY(password.isEmpty() || !value.contains(password));

        in.cardDavPassword = in.smtpPassword = in.imapPassword = in.ldapPassword = QString();
        QVERIFY(setup::applySetup(in, store, keys, u"quintel"_s).saved());
        QCOMPARE(keys.entries.size(), keyring.size());
    }

    void keyringFailureKeepsTheSettings()
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

    void refusedSettingsWriteNothing()
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

    void folderOnSave_data()
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
    void folderOnSave()
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

    void realKeyring()
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

    void autostartWrittenAndRemoved()
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

    void autostartEntryIsValid()
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
        static const QRegularExpression escaped(QStringLiteral("\\\\([\\\"`$\\\\])"));
        script.replace(escaped, QStringLiteral("\\1"));
        script.replace(QStringLiteral("sleep 5; exec "), QStringLiteral("printf %s "));
        QProcess sh;
        sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
        QVERIFY(sh.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), program);
    }

private:
    std::unique_ptr<Home> m_home;
};

QTEST_MAIN(TestSetupSettings)
#include "test_setupsettings.moc"
