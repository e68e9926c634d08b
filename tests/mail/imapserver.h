#pragma once
// A throw-away IMAP server for tests: Debian's dovecot, run in the foreground on 127.0.0.1 with
// its own configuration, a passwd-file user and a Maildir in a temporary folder; stopped with the
// object. Run as root, dovecot's login and internal processes take its own unprivileged users and
// the mail belongs to nobody.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class ImapServer {
public:
    struct Options {
        QString sentFolder = QStringLiteral("Sent Messages"); // marked \Sent; empty: no such folder
        QString certificate;                                  // PEM files: also listen with TLS (imaps)
        QString key;
    };

    inline static const QString user = QStringLiteral("tester");
    inline static const QString password = QStringLiteral("s3cret");

    bool start(const Options& options)
    {
        const QString dir = m_dir.path();
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                       QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                       QFileDevice::ExeOther);
        QDir(dir).mkpath(QStringLiteral("home"));
        QFile::setPermissions(home(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                          QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
        write(QStringLiteral("passwd"), (user + QStringLiteral(":{PLAIN}") + password + QStringLiteral("::::::\n")));
        port = freePort();
        // Two calls can hand out the same free port: dovecot refuses a listener given twice.
        tlsPort = 0;
        while (!options.certificate.isEmpty() && (tlsPort == 0 || tlsPort == port))
            tlsPort = freePort();
        const bool root = ::getuid() == 0;
        const QString me = qEnvironmentVariable("USER", QStringLiteral("root"));
        QString conf;
        auto line = [&conf](const QString& text) { conf += text + QLatin1Char('\n'); };
        line(QStringLiteral("protocols = imap"));
        line(QStringLiteral("listen = 127.0.0.1"));
        line(QStringLiteral("base_dir = %1/run").arg(dir));
        line(QStringLiteral("state_dir = %1/state").arg(dir));
        line(QStringLiteral("instance_name = quintel-test-%1").arg(port));
        line(QStringLiteral("log_path = %1/log").arg(dir));
        line(QStringLiteral("default_internal_user = %1").arg(root ? QStringLiteral("dovecot") : me));
        line(QStringLiteral("default_internal_group = %1").arg(root ? QStringLiteral("dovecot") : groupName()));
        line(QStringLiteral("default_login_user = %1").arg(root ? QStringLiteral("dovenull") : me));
        line(QStringLiteral("disable_plaintext_auth = no"));
        line(QStringLiteral("auth_failure_delay = 0"));
        line(QStringLiteral("auth_mechanisms = plain login"));
        line(QStringLiteral("mail_save_crlf = yes"));
        line(QStringLiteral("mail_location = maildir:%1/%u/Maildir").arg(home()));
        line(QStringLiteral("passdb {\n  driver = passwd-file\n  args = scheme=PLAIN %1/passwd\n}").arg(dir));
        line(QStringLiteral("userdb {\n  driver = static\n  args = uid=%1 gid=%2 home=%3/%u\n}")
                 .arg(root ? 65534 : ::getuid())
                 .arg(root ? 65534 : ::getgid())
                 .arg(home()));
        QString listeners = QStringLiteral("  inet_listener imap {\n    port = %1\n  }\n").arg(port);
        listeners += QStringLiteral("  inet_listener imaps {\n    port = %1\n").arg(tlsPort);
        if (tlsPort)
            listeners += QStringLiteral("    ssl = yes\n");
        listeners += QStringLiteral("  }\n");
        line(QStringLiteral("service imap-login {\n  chroot =\n%1}").arg(listeners));
        line(QStringLiteral("service anvil {\n  chroot =\n}"));
        if (tlsPort) {
            line(QStringLiteral("ssl = yes"));
            line(QStringLiteral("ssl_cert = <%1").arg(options.certificate));
            line(QStringLiteral("ssl_key = <%1").arg(options.key));
        } else {
            line(QStringLiteral("ssl = no"));
        }
        QString mailboxes;
        if (!options.sentFolder.isEmpty())
            mailboxes = QStringLiteral("  mailbox \"%1\" {\n    special_use = \\Sent\n    auto = create\n  }\n")
                            .arg(options.sentFolder);
        line(QStringLiteral("namespace inbox {\n  inbox = yes\n  separator = /\n%1}").arg(mailboxes));
        write(QStringLiteral("dovecot.conf"), conf);

        m_process.setProgram(QStringLiteral("/usr/sbin/dovecot"));
        m_process.setArguments(
            {QStringLiteral("-F"), QStringLiteral("-c"), QDir(dir).filePath(QStringLiteral("dovecot.conf"))});
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return false;
        // Ready when the login process greets.
        const bool ready = QTest::qWaitFor(
            [this] {
                if (m_process.state() != QProcess::Running)
                    return true;
                QTcpSocket socket;
                socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(port));
                return socket.waitForConnected(200) && socket.waitForReadyRead(1000) &&
                       socket.readAll().startsWith("* OK");
            },
            20000);
        if (ready && m_process.state() == QProcess::Running)
            return true;
        qWarning().noquote() << "dovecot did not start:" << log();
        return false;
    }

    ~ImapServer() { stop(); }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

    // The messages of a folder (INBOX or a folder's name), file paths in name order.
    QStringList messages(const QString& folder) const
    {
        QDir maildir(home() + QLatin1Char('/') + user + QStringLiteral("/Maildir"));
        if (folder != QStringLiteral("INBOX"))
            maildir.setPath(maildir.filePath(QLatin1Char('.') + folder));
        QStringList files;
        for (const char* sub : {"cur", "new"}) {
            const QDir d(maildir.filePath(QLatin1String(sub)));
            for (const QString& name : d.entryList(QDir::Files, QDir::Name))
                files.append(d.filePath(name));
        }
        return files;
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString log() const { return QString::fromUtf8(read(m_dir.filePath(QStringLiteral("log")))); }

    int port = 0;
    int tlsPort = 0;

private:
    QString home() const { return m_dir.filePath(QStringLiteral("home")); }
    void write(const QString& name, const QString& text)
    {
        QFile f(m_dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                         QFileDevice::ReadOther);
    }
    static int freePort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }
    static QString groupName()
    {
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-gn")});
        id.waitForFinished(5000);
        return QString::fromUtf8(id.readAllStandardOutput()).trimmed();
    }

    QTemporaryDir m_dir;
    QProcess m_process;
};
