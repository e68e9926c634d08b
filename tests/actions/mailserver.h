#pragma once
// The test mail server (smtpserver.py on Debian's aiosmtpd), started on 127.0.0.1 and stopped
// with the object. Messages arrive as files in a temporary folder. Also what the mail tests set up
// around it: an account that sends to it, a port nobody listens on, a self-signed certificate.

#include "mail/mailaccount.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class MailServer {
public:
    // Extra arguments: --tls CERT KEY, --auth USER PASSWORD.
    bool start(const QStringList& extra = {})
    {
        m_process.setProgram(QStringLiteral("/usr/bin/python3"));
        m_process.setArguments(QStringList{QStringLiteral(QUINTEL_ACTIONS_DIR "/smtpserver.py"), m_dir.path()} + extra);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return false;
        for (int i = 0; i < 100 && !m_process.canReadLine(); ++i)
            m_process.waitForReadyRead(100);
        const QByteArray line = m_process.readLine().trimmed();
        if (!line.startsWith("READY "))
            return false;
        port = line.mid(6).toInt();
        return port > 0;
    }
    ~MailServer() { stop(); }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
    QStringList received() const
    {
        return QDir(m_dir.path()).entryList({QStringLiteral("*.eml")}, QDir::Files, QDir::Name);
    }
    QByteArray message(int i) const { return read(received().value(i)); }
    QByteArray envelope(int i) const
    {
        return read(received().value(i).replace(QStringLiteral(".eml"), QStringLiteral(".env")));
    }

    // A port nobody listens on.
    static int closedPort()
    {
        MailServer server;
        server.start();
        const int port = server.port;
        server.stop();
        return port;
    }

    int port = 0;

private:
    QByteArray read(const QString& name) const
    {
        QFile f(QDir(m_dir.path()).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
    QProcess m_process;
};

// Plain SMTP to 127.0.0.1 on the port, from me@example.org.
inline mail::MailAccount smtpAccount(int port)
{
    mail::MailAccount a;
    a.transport = QStringLiteral("smtp");
    a.smtpHost = QStringLiteral("127.0.0.1");
    a.smtpPort = QString::number(port);
    a.smtpSecurity = QStringLiteral("none");
    a.from = QStringLiteral("me@example.org");
    return a;
}

// cert.pem and key.pem in the folder: a self-signed certificate for localhost and 127.0.0.1, the
// key readable by the servers' own users.
inline bool makeCertificate(const QTemporaryDir& dir)
{
    if (QFile::exists(dir.filePath(QStringLiteral("cert.pem"))))
        return true;
    QProcess openssl;
    openssl.setStandardOutputFile(QProcess::nullDevice());
    openssl.setStandardErrorFile(QProcess::nullDevice());
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"),
                   QStringLiteral("-subj"), QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=DNS:localhost,IP:127.0.0.1"), QStringLiteral("-keyout"),
                   dir.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"),
                   dir.filePath(QStringLiteral("cert.pem"))});
    const bool ok = openssl.waitForFinished(60000) && openssl.exitCode() == 0;
    QFile::setPermissions(dir.filePath(QStringLiteral("key.pem")),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return ok;
}
