#include "slapdserver.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace Qt::StringLiterals;

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
    QString text = u"dn: uid=%1,dc=example,dc=com\nobjectClass: inetOrgPerson\nuid: %1\n"_s.arg(uid);
    auto add = [&](const char* name, const QString& value) {
        if (value.isEmpty())
            return;
        const QByteArray bytes = value.toUtf8();
        const bool plain = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return c >= 0x20 && c < 0x7f; });
        text += QString::fromLatin1(name) +
                (plain ? u": "_s + value : u":: "_s + QString::fromLatin1(bytes.toBase64())) + QLatin1Char('\n');
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
    QDir(m_dir.path()).mkpath(u"db"_s);
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
        m_error = program + u" cannot be started"_s;
        return false;
    }
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error = program + u": "_s + QString::fromUtf8(p.readAll());
        return false;
    }
    return true;
}

bool SlapdServer::makeCertificates()
{
    const QString d = m_dir.path() + QLatin1Char('/');
    QFile ext(d + u"server.ext"_s);
    ext.open(QIODevice::WriteOnly);
    ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n");
    ext.close();
    const QString curve = u"ec_paramgen_curve:prime256v1"_s;
    return run(u"openssl"_s, {u"req"_s, u"-x509"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s, curve, u"-nodes"_s,
                              u"-keyout"_s, d + u"ca.key"_s, u"-out"_s, d + u"ca.pem"_s, u"-subj"_s,
                              u"/CN=Quintel Test CA"_s, u"-days"_s, u"2"_s}) &&
           run(u"openssl"_s, {u"req"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s, curve, u"-nodes"_s, u"-keyout"_s,
                              d + u"server.key"_s, u"-out"_s, d + u"server.csr"_s, u"-subj"_s, u"/CN=127.0.0.1"_s}) &&
           run(u"openssl"_s, {u"x509"_s, u"-req"_s, u"-in"_s, d + u"server.csr"_s, u"-CA"_s, d + u"ca.pem"_s,
                              u"-CAkey"_s, d + u"ca.key"_s, u"-CAcreateserial"_s, u"-out"_s, d + u"server.pem"_s,
                              u"-days"_s, u"2"_s, u"-extfile"_s, d + u"server.ext"_s});
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
                .arg(m_options.allowPaging ? u"unlimited"_s : u"disabled"_s);
    QFile file(d + u"/slapd.conf"_s);
    file.open(QIODevice::WriteOnly);
    file.write(conf.toUtf8());
}

bool SlapdServer::load(const QByteArray& ldif)
{
    return run(u"/usr/sbin/slapadd"_s, {u"-f"_s, m_dir.filePath(u"slapd.conf"_s), u"-q"_s}, ldif);
}

bool SlapdServer::start()
{
    QString listen = url() + QLatin1Char('/');
    if (m_options.tls)
        listen += QLatin1Char(' ') + ldapsUrl() + QLatin1Char('/');
    stop(); // one that died under the test
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(u"/usr/sbin/slapd"_s,
                     {u"-f"_s, m_dir.filePath(u"slapd.conf"_s), u"-h"_s, listen, u"-d"_s, u"0"_s});
    if (!m_process->waitForStarted()) {
        m_error = u"slapd cannot be started"_s;
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
        m_error = u"slapd did not come up: "_s + QString::fromUtf8(m_process->readAll());
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
    return run(u"ldapmodify"_s,
               {u"-x"_s, u"-H"_s, url(), u"-D"_s, u"cn=admin,dc=example,dc=com"_s, u"-w"_s, u"secret"_s}, ldif);
}

QString SlapdServer::url() const
{
    return u"ldap://127.0.0.1:%1"_s.arg(m_port);
}

QString SlapdServer::ldapsUrl() const
{
    return u"ldaps://127.0.0.1:%1"_s.arg(m_tlsPort);
}
