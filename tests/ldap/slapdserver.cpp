#include "slapdserver.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

const QByteArray kBaseLdif = "dn: dc=example,dc=com\nobjectClass: dcObject\nobjectClass: organization\n"
                             "o: Example\ndc: example\n\n"
                             "dn: cn=reader,dc=example,dc=com\nobjectClass: organizationalRole\n"
                             "objectClass: simpleSecurityObject\ncn: reader\nuserPassword: readerpw\n\n";

} // namespace

QByteArray personLdif(const QString& uid, const QString& givenName, const QString& sn, const QString& extra)
{
    QString text = QStringLiteral("dn: uid=%1,dc=example,dc=com\nobjectClass: inetOrgPerson\nuid: %1\n").arg(uid);
    auto add = [&](const char* name, const QString& value) {
        if (value.isEmpty())
            return;
        const QByteArray bytes = value.toUtf8();
        const bool plain = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return c >= 0x20 && c < 0x7f; });
        text += QString::fromLatin1(name) +
                (plain ? QStringLiteral(": ") + value : QStringLiteral(":: ") + QString::fromLatin1(bytes.toBase64())) +
                QLatin1Char('\n');
    };
    add("cn", QStringList{givenName, sn}.join(QLatin1Char(' ')).trimmed());
    add("sn", sn.isEmpty() ? uid : sn);
    add("givenName", givenName);
    text += extra;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return (text + QLatin1Char('\n')).toUtf8();
}

SlapdServer::SlapdServer(Options options) : m_options(options)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("db"));
    m_port = freePort();
    if (m_options.tls) {
        // Two calls can hand out the same free port.
        do
            m_tlsPort = freePort();
        while (m_tlsPort == m_port);
        makeCertificates();
    }
    writeConfig();
    load(kBaseLdif);
}

SlapdServer::~SlapdServer()
{
    stop();
}

bool SlapdServer::run(const QString& program, const QStringList& arguments, const QByteArray& input)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForStarted()) {
        m_error = program + QStringLiteral(" cannot be started");
        return false;
    }
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error = program + QStringLiteral(": ") + QString::fromUtf8(p.readAll());
        return false;
    }
    return true;
}

bool SlapdServer::makeCertificates()
{
    const QString d = m_dir.path() + QLatin1Char('/');
    QFile ext(d + QStringLiteral("server.ext"));
    ext.open(QIODevice::WriteOnly);
    ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n");
    ext.close();
    const QString curve = QStringLiteral("ec_paramgen_curve:prime256v1");
    return run(QStringLiteral("openssl"),
               {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                QStringLiteral("-pkeyopt"), curve, QStringLiteral("-nodes"), QStringLiteral("-keyout"),
                d + QStringLiteral("ca.key"), QStringLiteral("-out"), d + QStringLiteral("ca.pem"),
                QStringLiteral("-subj"), QStringLiteral("/CN=Quintel Test CA"), QStringLiteral("-days"),
                QStringLiteral("2")}) &&
           run(QStringLiteral("openssl"),
               {QStringLiteral("req"), QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                curve, QStringLiteral("-nodes"), QStringLiteral("-keyout"), d + QStringLiteral("server.key"),
                QStringLiteral("-out"), d + QStringLiteral("server.csr"), QStringLiteral("-subj"),
                QStringLiteral("/CN=127.0.0.1")}) &&
           run(QStringLiteral("openssl"),
               {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), d + QStringLiteral("server.csr"),
                QStringLiteral("-CA"), d + QStringLiteral("ca.pem"), QStringLiteral("-CAkey"),
                d + QStringLiteral("ca.key"), QStringLiteral("-CAcreateserial"), QStringLiteral("-out"),
                d + QStringLiteral("server.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                QStringLiteral("-extfile"), d + QStringLiteral("server.ext")});
}

void SlapdServer::writeConfig()
{
    const QString d = m_dir.path();
    QString conf = QStringLiteral("include /etc/ldap/schema/core.schema\n"
                                  "include /etc/ldap/schema/cosine.schema\n"
                                  "include /etc/ldap/schema/inetorgperson.schema\n"
                                  "modulepath /usr/lib/ldap\nmoduleload back_mdb\n"
                                  "pidfile %1/slapd.pid\nargsfile %1/slapd.args\n")
                       .arg(d);
    if (m_options.tls)
        conf += QStringLiteral("TLSCACertificateFile %1/ca.pem\nTLSCertificateFile %1/server.pem\n"
                               "TLSCertificateKeyFile %1/server.key\n")
                    .arg(d);
    conf += QStringLiteral("database mdb\nmaxsize 4294967296\nsuffix \"dc=example,dc=com\"\n"
                           "rootdn \"cn=admin,dc=example,dc=com\"\nrootpw secret\ndirectory %1/db\n"
                           "sizelimit size.soft=%2 size.hard=%2 size.prtotal=%3\n"
                           "access to attrs=userPassword by anonymous auth by * none\n"
                           "access to * by * read\n")
                .arg(d)
                .arg(m_options.sizeLimit)
                .arg(m_options.allowPaging ? QStringLiteral("unlimited") : QStringLiteral("disabled"));
    QFile file(d + QStringLiteral("/slapd.conf"));
    file.open(QIODevice::WriteOnly);
    file.write(conf.toUtf8());
}

bool SlapdServer::load(const QByteArray& ldif)
{
    return run(QStringLiteral("/usr/sbin/slapadd"),
               {QStringLiteral("-f"), m_dir.filePath(QStringLiteral("slapd.conf")), QStringLiteral("-q")}, ldif);
}

bool SlapdServer::start()
{
    QString listen = url() + QLatin1Char('/');
    if (m_options.tls)
        listen += QLatin1Char(' ') + ldapsUrl() + QLatin1Char('/');
    stop(); // one that died under the test
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(QStringLiteral("/usr/sbin/slapd"),
                     {QStringLiteral("-f"), m_dir.filePath(QStringLiteral("slapd.conf")), QStringLiteral("-h"), listen,
                      QStringLiteral("-d"), QStringLiteral("0")});
    if (!m_process->waitForStarted()) {
        m_error = QStringLiteral("slapd cannot be started");
        return false;
    }
    // Ready when it takes connections.
    const bool ready = QTest::qWaitFor(
        [&] {
            if (!isRunning())
                return true;
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, quint16(m_port));
            return probe.waitForConnected(200);
        },
        10000);
    if (!ready || !isRunning()) {
        m_error = QStringLiteral("slapd did not come up: ") + QString::fromUtf8(m_process->readAll());
        stop();
        return false;
    }
    return true;
}

void SlapdServer::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(10000)) {
            m_process->kill();
            m_process->waitForFinished();
        }
    }
    m_process.reset();
}

bool SlapdServer::modify(const QByteArray& ldif)
{
    return run(QStringLiteral("ldapmodify"),
               {QStringLiteral("-x"), QStringLiteral("-H"), url(), QStringLiteral("-D"),
                QStringLiteral("cn=admin,dc=example,dc=com"), QStringLiteral("-w"), QStringLiteral("secret")},
               ldif);
}

QString SlapdServer::url() const
{
    return QStringLiteral("ldap://127.0.0.1:%1").arg(m_port);
}

QString SlapdServer::ldapsUrl() const
{
    return QStringLiteral("ldaps://127.0.0.1:%1").arg(m_tlsPort);
}
