#include "radicaleserver.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace test {

RadicaleServer::RadicaleServer(QString user, QString password)
    : m_user(std::move(user)), m_password(std::move(password))
{
}

RadicaleServer::~RadicaleServer()
{
    stop();
}

bool RadicaleServer::start()
{
    const QString dir = m_dir.path();
    QString auth;
    QString rights;
    if (m_user.isEmpty()) {
        if (!QFile::exists(dir + u"/rights"_s) && !setReadOnly(false))
            return false;
        auth = u"type = none\n"_s;
        rights = u"type = from_file\nfile = %1/rights\n"_s.arg(dir);
    } else {
        const int rc =
            QProcess::execute(u"htpasswd"_s, {u"-c"_s, u"-b"_s, u"-m"_s, dir + u"/users"_s, m_user, m_password});
        if (rc != 0) {
            qWarning("htpasswd failed (%d)", rc);
            return false;
        }
        auth = u"type = htpasswd\nhtpasswd_filename = %1/users\nhtpasswd_encryption = md5\ndelay = 0\n"_s.arg(dir);
        rights = u"type = owner_only\n"_s;
    }
    QFile config(dir + u"/config"_s);
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(
        QStringLiteral("[server]\nhosts = 127.0.0.1:%4\n[auth]\n%1[rights]\n%2[storage]\nfilesystem_folder = %3\n"
                       "[logging]\nlevel = info\n")
            .arg(auth, rights, storage(), QString::number(m_port))
            .toUtf8());
    config.close();

    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    // Radicale itself, with fsync turned off: its storage is a throw-away folder, and syncing every
    // card to disk makes seeding hundreds of cards take many seconds.
    m_process->start(u"/usr/bin/python3"_s,
                     {u"-c"_s,
                      QStringLiteral("import os, sys; os.fsync = lambda fd: None; sys.argv = ['radicale', '--config', "
                                     "sys.argv[1]]; from radicale.__main__ import run; run()"),
                      config.fileName()});
    if (!m_process->waitForStarted(10000)) {
        qWarning("radicale does not start: %s", qPrintable(m_process->errorString()));
        return false;
    }
    static const QRegularExpression listening(u"Listening on '\\[?127\\.0\\.0\\.1\\]?:(\\d+)'"_s);
    const QDeadlineTimer deadline(15000);
    const qsizetype logStart = m_log.size(); // a server started again says it anew
    while (!deadline.hasExpired() && m_process->state() == QProcess::Running) {
        m_process->waitForReadyRead(200);
        m_log += QString::fromUtf8(m_process->readAll());
        const QString said = m_log.mid(logStart);
        const auto match = listening.match(said);
        if (match.hasMatch() && said.contains(u"ready"_s)) {
            m_port = match.captured(1).toInt();
            return true;
        }
    }
    qWarning("radicale did not come up:\n%s", qPrintable(m_log));
    return false;
}

bool RadicaleServer::setReadOnly(bool readOnly)
{
    QFile rules(m_dir.path() + u"/rights"_s);
    if (!rules.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray permissions = readOnly ? "Rr" : "RrWw";
    return rules.write("[all]\nuser: .*\ncollection: .*\npermissions: " + permissions + "\n") > 0;
}

void RadicaleServer::stop()
{
    if (!m_process)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(5000)) {
        m_process->kill();
        m_process->waitForFinished(2000);
    }
    m_log += QString::fromUtf8(m_process->readAll());
    m_process.reset();
}

QUrl RadicaleServer::url(const QString& path) const
{
    return QUrl(u"http://127.0.0.1:%1%2"_s.arg(m_port).arg(path));
}

int RadicaleServer::request(const QByteArray& method, const QString& path, const QByteArray& body,
                            const QByteArray& contentType)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url(path));
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    if (!m_user.isEmpty())
        request.setRawHeader("Authorization", "Basic " + (m_user + QLatin1Char(':') + m_password).toUtf8().toBase64());
    QNetworkReply* reply = network.sendCustomRequest(request, method, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    delete reply;
    return status;
}

QByteArray RadicaleServer::get(const QString& path, int* status, QByteArray* etag)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url(path));
    if (!m_user.isEmpty())
        request.setRawHeader("Authorization", "Basic " + (m_user + QLatin1Char(':') + m_password).toUtf8().toBase64());
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    if (status)
        *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (etag)
        *etag = reply->rawHeader("ETag");
    const QByteArray body = reply->readAll();
    delete reply;
    return body;
}

int RadicaleServer::createAddressBook(const QString& path, const QByteArray& cards)
{
    if (m_user.isEmpty()) {
        const QString parent = path.section(QLatin1Char('/'), 0, -3, QString::SectionIncludeTrailingSep);
        if (parent.size() > 1)
            request("MKCOL", parent);
    }
    return request("PUT", path, cards);
}

QByteArray card(const QString& uid, const QString& fullName, const QStringList& extra)
{
    QString text = u"BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%1\r\nFN:%2\r\nN:%2;;;;\r\n"_s.arg(uid, fullName);
    for (const QString& line : extra)
        text += line + u"\r\n"_s;
    text += u"END:VCARD\r\n"_s;
    return text.toUtf8();
}

ScriptServer::ScriptServer(const QString& script, QStringList arguments)
    : testsupport::ScriptServer(QStringLiteral(QUINTEL_TEST_DATA "/") + script, std::move(arguments))
{
}

} // namespace test
